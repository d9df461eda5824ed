#pragma once
// Small schema netlists for the schema view and settings dialog tests: P-CAD
// ASCII text with the lines and columns the netlist reading expects.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class QTemporaryDir;

namespace pelmora::test {

struct FixtureBlock {
    int number;        // designator U<number>
    QString name;      // component name, e.g. "AND2_4"
    QStringList attrs; // attribute values in order, each written as (attr "A" "<value>")
};

// The three fixed blocks: SCADA 97, graph 98 and journal 99, with the
// attribute lines the graph and journal blocks read.
std::vector<FixtureBlock> fixedBlocks();

// A whole netlist: a header, the start marker, the components, the nets (each
// a list of "U<n>" / pin pairs as node lines), the closing line. CR LF line ends.
struct FixtureNode {
    QString designator; // "U1"
    int pin;
};
QByteArray schemaNetlist(const std::vector<FixtureBlock> &blocks,
                         const std::vector<std::vector<FixtureNode>> &nets = {});

// Writes bytes to dir/name and returns the full path.
QString writeFixture(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes);

} // namespace pelmora::test
