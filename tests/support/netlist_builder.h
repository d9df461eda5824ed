#pragma once
// Writes schema netlists with the exact columns the netlist reading and the
// import expect, so a test states a schema in a few lines:
//
//   NetlistBuilder n;
//   n.block(1, "D_I", {"1"}).block(5, "AND2_4").inverter(1);
//   n.net({U(1, 1), U(5, 1)});
//   n.importInto(m);
//
// Every importable schema needs the GRA (U98) and JUR (U99) components with
// their full attribute lists; the builder adds them unless told not to.

#include "core/model/project_model.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <string>
#include <vector>

namespace pelmora::test {

struct NetNode {
    char letter; // 'U' block, 'D' inverter
    int number;
    int pin;
};
inline NetNode U(int number, int pin) { return {'U', number, pin}; }
inline NetNode D(int number, int pin) { return {'D', number, pin}; }

class NetlistBuilder {
public:
    // A block component "U<number>" named name (its first three characters
    // are the type prefix), with one "(attr" line per value, in order.
    NetlistBuilder &block(int number, const QString &name, const QStringList &values = {});
    // An inverter "D<number>" (component name INV).
    NetlistBuilder &inverter(int number);
    // A net of nodes, in the order given.
    NetlistBuilder &net(std::initializer_list<NetNode> nodes);
    NetlistBuilder &net(const std::vector<NetNode> &nodes);
    // A line written as it is, where it falls among the components and nets.
    NetlistBuilder &raw(const QString &line);
    // Leaves out the GRA and JUR components.
    NetlistBuilder &withoutFixedBlocks();

    // The lines of the file, and the file (Windows-1251, CR LF line ends).
    QStringList lines() const;
    QByteArray bytes() const;

    // Reads the file into m (NetList_Line) and returns the field count.
    int readInto(ProjectModel &m) const;
    // Reads and imports it.
    void importInto(ProjectModel &m) const;

    // The full attribute lists of the fixed blocks: GRA (first value 1) and
    // JUR (first value 2); channel k (0..31) has the values k and 100 + k,
    // text k (0..32) is "Канал k" / "Подія k".
    static QStringList graValues();
    static QStringList jurValues();

    // "(attr" line of ordinal k with a value.
    static QString attrLine(int ordinal, const QString &value);
    static QString nodeLine(const NetNode &node);

private:
    QStringList body_; // components in file order
    QStringList nets_;
    bool fixed_ = true;
};

// Texts as standard strings, so a failed comparison prints them readably.
inline std::vector<std::string> toStd(const QStringList &list)
{
    std::vector<std::string> out;
    for (const auto &s : list)
        out.push_back(s.toStdString());
    return out;
}

} // namespace pelmora::test
