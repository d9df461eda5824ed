#include "support/schema_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace pelmora::test {

std::vector<FixtureBlock> fixedBlocks()
{
    // The graph and journal blocks read attribute ordinals 0 to 97; "0" serves
    // both as a number and as a text.
    QStringList records;
    for (int k = 0; k <= 97; ++k)
        records << QStringLiteral("0");
    return {
        {97, QStringLiteral("SCADA"), {}},
        {98, QStringLiteral("GRAPH"), records},
        {99, QStringLiteral("JURNAL"), records},
    };
}

QByteArray schemaNetlist(const std::vector<FixtureBlock> &blocks, const std::vector<std::vector<FixtureNode>> &nets)
{
    QStringList lines;
    lines << QStringLiteral("ACCEL_ASCII \"fixture.net\"") << QStringLiteral("(asciiHeader")
          << QStringLiteral("  (asciiVersion 3 0)") << QStringLiteral(")") << QStringLiteral("(netlist \"fixture\"");
    for (const FixtureBlock &b : blocks) {
        lines << QStringLiteral("  (compInst \"U%1\"").arg(b.number);
        lines << QStringLiteral("    (compRef \"%1\")").arg(b.name);
        lines << QStringLiteral("    (originalName \"%1\")").arg(b.name);
        for (const QString &v : b.attrs)
            lines << QStringLiteral("    (attr \"A\" \"%1\")").arg(v);
        lines << QStringLiteral("  )");
    }
    int n = 0;
    for (const auto &net : nets) {
        lines << QStringLiteral("  (net \"N%1\"").arg(++n);
        for (const FixtureNode &node : net)
            lines << QStringLiteral("    (node \"%1\" \"%2\")").arg(node.designator).arg(node.pin);
        lines << QStringLiteral("  )");
    }
    lines << QStringLiteral(")");
    return lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

QString writeFixture(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = QDir(dir.path()).filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

} // namespace pelmora::test
