#include "support/flowchart_builder.h"

#include "core/cp1251.h"

#include <QFile>
#include <stdexcept>

namespace pelmora::test {
namespace {

// "(attr "NAME" "VALUE" (pt 0 0))" with the name chosen so that the value
// starts at `column`: "(attr "" is 7 characters, then the name, "" "", value.
QString attrAt(int column, const QString &name, const QString &value)
{
    if (name.size() != column - 11)
        throw std::logic_error("attribute name does not put the value at its column");
    return QStringLiteral("(attr \"%1\" \"%2\" (pt 0 0) (isVisible True))").arg(name, value);
}

QStringList componentHead(const QString &designator, const QString &symbol)
{
    return {QStringLiteral("(compInst \"%1\"").arg(designator), QStringLiteral("(compRef \"%1\")").arg(symbol),
            QStringLiteral("(originalName \"%1\")").arg(symbol), QStringLiteral("(compValue \"%1\")").arg(symbol)};
}

} // namespace

QString conditionLine(const QString &statement) { return attrAt(16, QStringLiteral("UMOVA"), statement); }

QString outputsSetLine(const QString &items)
{
    return attrAt(25, QStringLiteral("OUTPUTS_ON_SET"), QStringLiteral("OUT=1:") + items);
}

QString outputsResetLine(const QString &items)
{
    return attrAt(26, QStringLiteral("OUTPUTS_OFF_SET"), QStringLiteral("OUT=0 :") + items);
}

QString actionLine(int which, const QString &statement)
{
    return which == 1 ? attrAt(21, QStringLiteral("OPERATION1"), statement)
                      : attrAt(23, QStringLiteral("OPERATION_N2"), statement);
}

QString flagsSetLine(const QString &items)
{
    return attrAt(31, QStringLiteral("FLAGS_TO_SET_IN_STEP"), QStringLiteral("FL=1:") + items);
}

QString flagsResetLine(const QString &items)
{
    return attrAt(29, QStringLiteral("FLAGS_TO_RESET_NOW"), QStringLiteral("FL=0:") + items);
}

QStringList stepComponent(int n, const QString &condition)
{
    QStringList c = componentHead(QStringLiteral("A%1").arg(n), QStringLiteral("ALG_STEP"));
    c << conditionLine(condition) << QStringLiteral(")");
    return c;
}

QStringList branchComponent(QChar letter, int m, const FlowchartBranch &b)
{
    QStringList c = componentHead(QString(letter) + QString::number(m),
                                  letter == u'Y' ? QStringLiteral("ALG_YES") : QStringLiteral("ALG_NO"));
    c << outputsSetLine(b.outputsSet) << outputsResetLine(b.outputsReset) << actionLine(1, b.action1)
      << actionLine(2, b.action2) << flagsSetLine(b.flagsSet) << flagsResetLine(b.flagsReset) << QStringLiteral(")");
    return c;
}

FlowchartBuilder &FlowchartBuilder::start()
{
    QStringList c = componentHead(QStringLiteral("S"), QStringLiteral("ALG_START"));
    c << QStringLiteral(")");
    components_ << c;
    return *this;
}

FlowchartBuilder &FlowchartBuilder::step(int n, const QString &condition)
{
    components_ << stepComponent(n, condition);
    return *this;
}

FlowchartBuilder &FlowchartBuilder::yes(int m, const FlowchartBranch &branch)
{
    components_ << branchComponent(u'Y', m, branch);
    return *this;
}

FlowchartBuilder &FlowchartBuilder::no(int m, const FlowchartBranch &branch)
{
    components_ << branchComponent(u'N', m, branch);
    return *this;
}

FlowchartBuilder &FlowchartBuilder::other(const QString &designator)
{
    QStringList c = componentHead(designator, QStringLiteral("NOTE"));
    c << QStringLiteral(")");
    components_ << c;
    return *this;
}

FlowchartBuilder &FlowchartBuilder::net(std::initializer_list<const char *> nodes)
{
    QStringList list;
    for (const char *n : nodes)
        list << QString::fromLatin1(n);
    return net(list);
}

FlowchartBuilder &FlowchartBuilder::net(const QStringList &nodes)
{
    nets_ << QStringLiteral("(net \"NET%1\"").arg(++netCount_, 5, 10, QLatin1Char('0'));
    for (const QString &node : nodes) {
        const qsizetype dot = node.indexOf(u'.');
        nets_ << QStringLiteral("(node \"%1\" \"%2\")").arg(node.left(dot), node.mid(dot + 1));
    }
    nets_ << QStringLiteral(")");
    return *this;
}

QStringList FlowchartBuilder::fields() const
{
    QStringList f = components_;
    f << nets_;
    return f; // the closing ")" of the netlist is the last field and is not stored
}

QString FlowchartBuilder::text() const
{
    QStringList lines = {QStringLiteral("ACCEL_ASCII \"flowchart.net\""),
                         QString(),
                         QStringLiteral("(asciiHeader"),
                         QStringLiteral("  (asciiVersion 3 0)"),
                         QStringLiteral("  (fileUnits Mil)"),
                         QStringLiteral(")"),
                         QString(),
                         QStringLiteral("(netlist \"flowchart\"")};
    for (const QString &l : components_)
        lines << (l.startsWith(u"(compInst") || l == u")" ? QStringLiteral("  ") : QStringLiteral("    ")) + l;
    for (const QString &l : nets_)
        lines << (l.startsWith(u"(net ") || l == u")" ? QStringLiteral("  ") : QStringLiteral("    ")) + l;
    lines << QStringLiteral(")");
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

bool FlowchartBuilder::write(const QString &path) const
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(cp1251::encode(text())) >= 0;
}

} // namespace pelmora::test
