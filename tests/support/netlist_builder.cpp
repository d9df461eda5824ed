#include "support/netlist_builder.h"

#include "core/cp1251.h"
#include "schema/netlist_reader.h"
#include "schema/schema_import.h"

namespace pelmora::test {
namespace {

QString designator(char letter, int number) { return QChar::fromLatin1(letter) + QString::number(number); }

QStringList component(const QString &designator, const QString &name, const QStringList &values)
{
    QStringList out;
    out << QStringLiteral("(compInst \"%1\"").arg(designator);
    out << QStringLiteral("  (compRef \"%1\")").arg(designator);
    out << QStringLiteral("  (originalName \"%1\")").arg(name);
    for (int k = 0; k < values.size(); ++k)
        out << QStringLiteral("  ") + NetlistBuilder::attrLine(k, values[k]);
    out << QStringLiteral(")");
    return out;
}

QStringList fixedValues(int first, const QString &textStem)
{
    QStringList v;
    for (int k = 0; k < 98; ++k)
        v << QString();
    v[0] = QString::number(first);
    for (int k = 0; k <= 32; ++k)
        v[3 * k + 1] = textStem + QString::number(k);
    for (int k = 0; k <= 31; ++k) {
        v[3 * k + 2] = QString::number(k);
        v[3 * k + 3] = QString::number(100 + k);
    }
    return v;
}

} // namespace

QString NetlistBuilder::attrLine(int ordinal, const QString &value)
{
    return QStringLiteral("(attr \"P%1\" \"%2\")").arg(ordinal).arg(value);
}

QString NetlistBuilder::nodeLine(const NetNode &node)
{
    return QStringLiteral("(node \"%1\" \"%2\")").arg(designator(node.letter, node.number)).arg(node.pin);
}

NetlistBuilder &NetlistBuilder::block(int number, const QString &name, const QStringList &values)
{
    body_ << component(designator('U', number), name, values);
    return *this;
}

NetlistBuilder &NetlistBuilder::inverter(int number)
{
    body_ << component(designator('D', number), QStringLiteral("INV"), {});
    return *this;
}

NetlistBuilder &NetlistBuilder::net(std::initializer_list<NetNode> nodes) { return net(std::vector<NetNode>(nodes)); }

NetlistBuilder &NetlistBuilder::net(const std::vector<NetNode> &nodes)
{
    nets_ << QStringLiteral("(net \"N%1\"").arg(nets_.count(QStringLiteral(")")) + 1, 5, 10, QChar(u'0'));
    for (const auto &n : nodes)
        nets_ << QStringLiteral("  ") + nodeLine(n);
    nets_ << QStringLiteral(")");
    return *this;
}

NetlistBuilder &NetlistBuilder::raw(const QString &line)
{
    (nets_.isEmpty() ? body_ : nets_) << line;
    return *this;
}

NetlistBuilder &NetlistBuilder::withoutFixedBlocks()
{
    fixed_ = false;
    return *this;
}

QStringList NetlistBuilder::graValues() { return fixedValues(1, QStringLiteral("Канал ")); }
QStringList NetlistBuilder::jurValues() { return fixedValues(2, QStringLiteral("Подія ")); }

QStringList NetlistBuilder::lines() const
{
    QStringList out;
    out << QStringLiteral("(netlist \"test\"");
    out << QStringLiteral("(asciiHeader");
    out << QStringLiteral("  (asciiVersion 3 0)");
    out << QStringLiteral("  (program \"P-CAD Schematic\")");
    out << QStringLiteral(")");
    out << body_;
    if (fixed_) {
        out << component(QStringLiteral("U98"), QStringLiteral("GRA"), graValues());
        out << component(QStringLiteral("U99"), QStringLiteral("JUR"), jurValues());
    }
    out << nets_;
    out << QStringLiteral(")");
    return out;
}

QByteArray NetlistBuilder::bytes() const
{
    return cp1251::encode(lines().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

int NetlistBuilder::readInto(ProjectModel &m) const { return readNetlist(m, bytes()); }

void NetlistBuilder::importInto(ProjectModel &m) const { Import_NetList(m, readInto(m)); }

} // namespace pelmora::test
