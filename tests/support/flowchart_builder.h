#pragma once
// Builds ALGORITHM flowchart netlists as P-CAD writes them: a start marker S,
// step components A<n> with their condition, YES and NO blocks Y<m> and N<m>
// with their six statement lines, and the nets that wire pins together. Every
// statement text lands at the line and column the compilers read it from.

#include <QString>
#include <QStringList>
#include <initializer_list>

namespace pelmora::test {

// The statement lines of a YES or NO block. List texts are items such as
// " 1-3 5" (each item after a blank); the builder puts the label characters
// in front that the compiler skips.
struct FlowchartBranch {
    QString outputsSet;
    QString outputsReset;
    QString action1 = QStringLiteral("OUT =");
    QString action2 = QStringLiteral("SP =");
    QString flagsSet;
    QString flagsReset;
};

// Single attribute lines, as the field reader stores them.
QString conditionLine(const QString &statement);         // entry +4 of a step, text from column 16
QString outputsSetLine(const QString &items);            // +4 of Y/N, column 25, items from its 7th character
QString outputsResetLine(const QString &items);          // +5, column 26, from the 8th
QString actionLine(int which, const QString &statement); // +6 (1, column 21) or +7 (2, column 23)
QString flagsSetLine(const QString &items);              // +8, column 31, from the 6th
QString flagsResetLine(const QString &items);            // +9, column 29, from the 6th

// The fields of one component from its "(compInst" entry to its closing ")".
QStringList stepComponent(int n, const QString &condition);
QStringList branchComponent(QChar letter, int m, const FlowchartBranch &branch);

class FlowchartBuilder {
public:
    FlowchartBuilder &start();
    FlowchartBuilder &step(int n, const QString &condition);
    FlowchartBuilder &yes(int m, const FlowchartBranch &branch = {});
    FlowchartBuilder &no(int m, const FlowchartBranch &branch = {});
    // A component with any other designator (skipped by the import).
    FlowchartBuilder &other(const QString &designator);
    // A net of nodes written "A1.3" (component A1, pin 3), in the given order.
    FlowchartBuilder &net(std::initializer_list<const char *> nodes);
    FlowchartBuilder &net(const QStringList &nodes);

    // The file as P-CAD writes it: a header, the "(netlist " line, the
    // components, the nets, the closing ")" (CR LF line ends).
    QString text() const;
    // What the field reader stores from it: the fields after the "(netlist "
    // line, without the last one.
    QStringList fields() const;
    // Writes text() as Windows-1251; false when the file cannot be written.
    bool write(const QString &path) const;

private:
    QStringList components_;
    QStringList nets_;
    int netCount_ = 0;
};

} // namespace pelmora::test
