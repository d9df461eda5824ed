#include "schema/alg_flowchart_import.h"

#include "core/numbers.h"
#include "core/services.h"
#include "schema/alg_actions.h"
#include "schema/alg_condition.h"
#include "schema/alg_statement_text.h"
#include "schema/alg_step_record.h"
#include "schema/netlist_reader.h"

#include <QFile>
#include <QStringList>
#include <exception>
#include <optional>
#include <vector>

namespace pelmora::alg {
namespace {

constexpr int kStoredSteps = 256;    // steps the block's record holds
constexpr int kUnreachedStep = 257;  // where a YES or NO block no step leads to is compiled
constexpr int kNetNodesMax = 129;    // node entries read per net
constexpr int kFieldsMax = 9999;     // fields of a flowchart file
constexpr int kComponentNames = 600; // designators kept for the failure message

// Step_Link slots.
constexpr int kYesToStep = 1, kNoToStep = 2, kYesToBlock = 3, kNoToBlock = 4, kAfterYesBlock = 5, kAfterNoBlock = 6;

// The calls for one YES or NO block: the four lists (L, C, R, T, V, F), then the two actions (L, C, OR, AND, R).
struct BranchCalls {
    int list[4][6];
    int action[2][5];
};
constexpr BranchCalls kYesCalls = {
    {{4, 25, 10, 27, 0, 7}, {5, 26, 10, 28, 1, 8}, {8, 31, 18, 33, 0, 6}, {9, 29, 18, 31, 1, 6}},
    {{6, 21, 4, 251, 26}, {7, 23, 8, 247, 30}},
};
constexpr BranchCalls kNoCalls = {
    {{4, 25, 34, 27, 0, 7}, {5, 26, 34, 28, 1, 8}, {8, 31, 42, 33, 0, 6}, {9, 29, 42, 31, 1, 6}},
    {{6, 21, 64, 191, 50}, {7, 23, 128, 127, 54}},
};

// What a failed import must give back: the stored layout and the block's
// set-points, which operands "SP n = v" set while compiling.
class Rollback {
public:
    explicit Rollback(ProjectModel &m)
        : m_(m), offsets_(m.alg.Step_Offset), size_(m.alg.Alg_Size), sizeEmpty_(m.alg.Alg_Size_Empty)
    {
        const long long first = m.schema.Parametr_Value_Start(m.settings.Num_Block_Edit);
        for (long long i = first + 1; i <= first + 128; ++i)
            if (m.schema.Parametr_Value.inRange(i))
                values_.emplace_back(i, m.schema.Parametr_Value(i));
    }
    void restore()
    {
        m_.alg.Step_Offset = offsets_;
        m_.alg.Alg_Size = size_;
        m_.alg.Alg_Size_Empty = sizeEmpty_;
        for (const auto &[i, v] : values_)
            m_.schema.Parametr_Value(i) = v;
    }

private:
    ProjectModel &m_;
    Table2<std::int32_t, 0, 1, 0, 500> offsets_;
    std::int32_t size_, sizeEmpty_;
    std::vector<std::pair<long long, float>> values_;
};

// An error the import has already reported in a message: it ends the import
// with the block's program as it was, and nothing more is said.
struct ReportedStop {};

class FlowchartImport {
public:
    explicit FlowchartImport(ProjectModel &m) : m_(m), alg_(m.alg) {}
    bool run(const QString &fileName);

private:
    bool read(const QString &fileName);
    bool hasStartMarker() const;
    void reset();
    void lineLoop();
    void linkNet(int line);
    void compileComponent(const QString &entry);
    void compileBranch(int linkSlot, double blockNumber, const BranchCalls &calls);
    int stepEnteringBlock(int linkSlot, double blockNumber) const;
    void setLink(int slot, double component, double target);
    Table<QString, 0, 20000> storedTexts(long long base, int capacity);
    void storeJump(Table<QString, 0, 20000> &texts, long long at, int target) const;
    void showWarnings() const;

    ProjectModel &m_;
    AlgorithmTables &alg_;
    int count_ = 0;      // fields stored plus one
    int components_ = 0; // components met so far
    QString current_;    // designator of the component being compiled
    QStringList longNets_, highSteps_, unreachedBlocks_;
};

bool FlowchartImport::run(const QString &fileName)
{
    if (!read(fileName))
        return false;
    if (!hasStartMarker()) {
        showMessage(msg::noStartMarker, MsgIcon::Critical);
        return false;
    }

    Rollback rollback(m_);
    const long long base = m_.schema.Parametr_Name_Start(m_.settings.Num_Block_Edit);
    const int capacity = m_.catalogue.Parametr_Name_Count(type::ALG);
    Table<QString, 0, 20000> texts;
    try {
        reset();
        lineLoop();
        current_.clear();
        layOutStepRecords(alg_, m_.catalogue);
        if (const int size = alg_.Alg_Size; size > capacity) {
            rollback.restore();
            showMessage(msg::programTooLarge.arg(size).arg(capacity), MsgIcon::Critical);
            return false;
        }
        texts = storedTexts(base, capacity);
    } catch (const ReportedStop &) {
        rollback.restore();
        return false;
    } catch (const std::exception &) {
        rollback.restore();
        showMessage(msg::attributes + current_);
        return false;
    }

    // Only now the block's program is replaced. The stored program record
    // holds it too, and the stored set-point lines hold the set-points the
    // program set, as after opening a project, so a later schema import puts
    // both back into the block instead of the ones of the file opened last.
    for (long long j = base; j < base + capacity; ++j)
        m_.schema.Parametr_Name(j) = texts(j);
    for (int j = 0; j < m_.settings.Alg_Name_Count && j <= m_.schema.ALGORITHM_Parametr.hi2; ++j)
        m_.schema.ALGORITHM_Parametr(0, j) = j < capacity ? texts(base + j) : QStringLiteral("0");
    const long long values = m_.schema.Parametr_Value_Start(m_.settings.Num_Block_Edit);
    for (int k = 1; k <= 128 && k <= m_.schema.ALGORITHM_Block_Line.hi2; ++k)
        if (m_.schema.Parametr_Value.inRange(values + k))
            m_.schema.ALGORITHM_Block_Line(0, k) = num::printReal(m_.schema.Parametr_Value(values + k));
    showWarnings();
    return true;
}

// The fields after the "(netlist " field into Alg_NetList_Line.
bool FlowchartImport::read(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(msg::fileUnreadable);
        return false;
    }
    // The whole table is emptied, so nothing of an earlier, longer file is read as part of this one.
    for (long long i = alg_.Alg_NetList_Line.lo; i <= alg_.Alg_NetList_Line.hi; ++i)
        alg_.Alg_NetList_Line(i).clear();
    bool tooMany = false;
    count_ = readNetlistFields(file, [this, &tooMany](int n, const QString &field) {
        if (n > kFieldsMax) {
            tooMany = true;
            return false;
        }
        alg_.Alg_NetList_Line(n) = field;
        return true;
    });
    file.close();
    if (count_ == 0 || tooMany) {
        showMessage(msg::fileNotNetlist);
        return false;
    }
    return true;
}

// A flowchart begins at its start component S; a file without one (the schema
// netlist chosen by mistake, say) holds no program.
bool FlowchartImport::hasStartMarker() const
{
    for (int line = 1; line < count_; ++line) {
        const QString &e = alg_.Alg_NetList_Line(line);
        if (e.startsWith(u"(compInst") && e.size() >= 12 && e.at(11) == u'S')
            return true;
    }
    return false;
}

// The working tables start empty; the block's record is reset in the copy that is stored.
void FlowchartImport::reset()
{
    alg_.Alg_Comp_Name.fill(QString());
    alg_.Step_Offset.fill(0);
    alg_.Step_Code.fill(0);
    alg_.Step_Link.fill(0);
    components_ = 0;
}

// From the last entry to the first: P-CAD writes the nets after the
// components, so every link is known before the first component is compiled.
void FlowchartImport::lineLoop()
{
    for (int line = count_; line >= 1; --line) {
        alg_.ALGORITHM_Line = line;
        const QString entry = alg_.Alg_NetList_Line(line);
        if (entry.startsWith(u"(net "))
            linkNet(line);
        else if (entry.startsWith(u"(compInst"))
            compileComponent(entry);
    }
}

// Links the exits on the net that starts at `line` to its entry node. A net
// with two entries is reported and ends the import.
void FlowchartImport::linkNet(int line)
{
    struct Node {
        QString letter;
        double number;
        double pin;
    };
    const QString &netEntry = alg_.Alg_NetList_Line(line);
    std::vector<Node> nodes;
    int at = line + 1;
    for (; at <= line + kNetNodesMax && at <= alg_.Alg_NetList_Line.hi; ++at) {
        const QString &e = alg_.Alg_NetList_Line(at);
        if (e == u")")
            break;
        nodes.push_back({mid(e, 8, 1), numberValue(mid(e, 9, 3)), numberValue(right(e, 3))});
    }
    if (at == line + kNetNodesMax + 1 && at < count_ && alg_.Alg_NetList_Line(at) != u")")
        longNets_ << netEntry;

    // Pass 1: the net's entry node, its pin-1 node. The start marker S only
    // starts the program and is never an entry, wherever the export lists it
    // among the nodes (real exports list it after the steps). A second entry
    // is an error.
    bool twoEntries = false;
    const Node *entry = nullptr;
    for (const Node &n : nodes) {
        if (n.pin != 1 || n.letter == u"S")
            continue;
        if (entry) {
            showMessage(msg::twoEntries + n.letter + QString::number(n.number) + QStringLiteral(" и ") + entry->letter +
                        QString::number(entry->number) + u' ' + netEntry);
            twoEntries = true;
        }
        entry = &n;
    }
    if (twoEntries)
        throw ReportedStop{};
    // A net without an entry node links nothing.
    if (!entry)
        return;

    // Pass 2: the exits on the net lead to the entry node.
    const QString &D = entry->letter;
    const double d = entry->number;
    for (const Node &n : nodes) {
        if (n.pin == 2) {
            if (n.letter == u"A" && D == u"A")
                setLink(kNoToStep, n.number, d);
            else if (n.letter == u"A" && D == u"N")
                setLink(kNoToBlock, n.number, d);
            else if (n.letter == u"Y")
                setLink(kAfterYesBlock, n.number, d);
            else if (n.letter == u"N")
                setLink(kAfterNoBlock, n.number, d);
        } else if (n.pin == 3) {
            if (D == u"A")
                setLink(kYesToStep, n.number, d);
            else if (D == u"Y")
                setLink(kYesToBlock, n.number, d);
        }
    }
}

void FlowchartImport::setLink(int slot, double component, double target)
{
    alg_.Step_Link(slot, toWhole(component)) = toByte(target);
}

void FlowchartImport::compileComponent(const QString &entry)
{
    current_ = mid(entry, 12, entry.size() - 12);
    ++components_;
    if (components_ <= kComponentNames)
        alg_.Alg_Comp_Name(1, components_) = current_;
    const QString letter = current_.left(1);
    const double number = numberValue(mid(current_, 2));

    if (letter == u"A") {
        const auto step = num::toInt16(number);
        if (!step)
            throw CompileError("step number out of range");
        alg_.Num_Step = *step;
        if (alg_.Num_Step > kStoredSteps && alg_.Num_Step <= 500)
            highSteps_ << current_;
        Compile_Condition(m_);
    } else if (letter == u"Y") {
        compileBranch(kYesToBlock, number, kYesCalls);
    } else if (letter == u"N") {
        compileBranch(kNoToBlock, number, kNoCalls);
    } else {
        current_.clear();
        return; // the start marker and other components carry no statements
    }
    // A compiler that reported an error has left the step 0: the import ends here.
    if (alg_.Num_Step == 0)
        throw CompileError("statement error reported");
    current_.clear();
}

// The lowest step whose exit enters the block, or 257 when none does.
int FlowchartImport::stepEnteringBlock(int linkSlot, double blockNumber) const
{
    for (int j = 0; j <= kStoredSteps; ++j)
        if (alg_.Step_Link(linkSlot, j) == blockNumber)
            return j;
    return kUnreachedStep;
}

void FlowchartImport::compileBranch(int linkSlot, double blockNumber, const BranchCalls &calls)
{
    alg_.Num_Step = static_cast<std::int16_t>(stepEnteringBlock(linkSlot, blockNumber));
    if (alg_.Num_Step == kUnreachedStep)
        unreachedBlocks_ << current_;
    for (const auto &c : calls.list)
        Compile_Bit_List(m_, c[0], c[1], c[2], c[3], c[4], c[5]);
    alg_.Num_Step = static_cast<std::int16_t>(stepEnteringBlock(linkSlot, blockNumber));
    for (const auto &c : calls.action)
        Compile_Action(m_, c[0], c[1], c[2], c[3], c[4]);
}

// The text pool with the block's record reset and the linked steps stored.
Table<QString, 0, 20000> FlowchartImport::storedTexts(long long base, int capacity)
{
    Table<QString, 0, 20000> texts = m_.schema.Parametr_Name;
    for (long long j = base; j < base + capacity; ++j)
        texts(j) = QStringLiteral("0");
    for (int o = 1; o <= kStoredSteps; ++o) {
        alg_.Save_Param_Started = 0;
        const long long record = base + alg_.Step_Offset(0, o - 1);
        std::optional<int> yes, no;
        if (alg_.Step_Link(kYesToStep, o) != 0)
            yes = alg_.Step_Link(kYesToStep, o);
        else if (alg_.Step_Link(kYesToBlock, o) != 0)
            yes = alg_.Step_Link(kAfterYesBlock, alg_.Step_Link(kYesToBlock, o));
        if (yes) {
            saveStepRecord(alg_, texts, base, o, 0);
            storeJump(texts, record + entry::YesJumpHigh, *yes);
        }
        if (alg_.Step_Link(kNoToStep, o) != 0)
            no = alg_.Step_Link(kNoToStep, o);
        else if (alg_.Step_Link(kNoToBlock, o) != 0)
            no = alg_.Step_Link(kAfterNoBlock, alg_.Step_Link(kNoToBlock, o));
        if (no) {
            saveStepRecord(alg_, texts, base, o, 1);
            storeJump(texts, record + entry::NoJumpHigh, *no);
        }
    }
    return texts;
}

// A jump names the start of the target step's record, high byte first. A
// block exit wired to no step (target 0) has no record to name.
void FlowchartImport::storeJump(Table<QString, 0, 20000> &texts, long long at, int target) const
{
    const int t = alg_.Step_Offset(0, target - 1);
    texts(at) = QString::number(t / 256);
    texts(at + 1) = QString::number(t % 256);
}

void FlowchartImport::showWarnings() const
{
    for (const QString &net : longNets_)
        showMessage(msg::netTooLong + net, MsgIcon::Exclamation);
    if (!highSteps_.isEmpty())
        showMessage(msg::stepsNotStored + highSteps_.join(QStringLiteral(", ")), MsgIcon::Exclamation);
    if (!unreachedBlocks_.isEmpty())
        showMessage(msg::blocksNotReached + unreachedBlocks_.join(QStringLiteral(", ")), MsgIcon::Exclamation);
}

} // namespace

bool Import_Algorithm_Netlist(ProjectModel &m, const QString &fileName)
{
    if (fileName.isEmpty())
        return false;
    return FlowchartImport(m).run(fileName);
}

} // namespace pelmora::alg
