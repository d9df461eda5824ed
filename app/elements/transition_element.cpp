#include "elements/transition_element.h"

#include "elements/box_numbers.h"
#include "elements/element_codec.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

namespace pelmora::element {

namespace {

constexpr int kPageBlock = 97;
constexpr int kGraphBlock = 98;
constexpr int kTextSignallingBlock = 0;

bool oneOf(std::optional<int> type, std::initializer_list<int> types)
{
    if (!type)
        return false;
    for (int t : types)
        if (*type == t)
            return true;
    return false;
}

// Types whose set-points a process target lists when the block is typed; a
// tick on "Процес" lists those of type 4 as well.
bool listsSetpoints(std::optional<int> type) { return oneOf(type, {25, 26, 28, 31, 35, 36, 38, 45, 46}); }
bool tickListsSetpoints(std::optional<int> type) { return type == 4 || listsSetpoints(type); }

long long typedBlock(const TransitionFields &f) { return wholeNumber(boxNumber(f.block)); }

void showSetpoints(const ProjectModel &m, TransitionFields &f, int type)
{
    f.list = setpointEntries(m, type);
    f.listShown = true;
    f.listLabel = QStringLiteral("Номер задавача");
}

ChoiceList numbers(int count)
{
    ChoiceList list;
    for (int i = 1; i <= count; ++i)
        list.entries.push_back(QLatin1Char(' ') + QString::number(i));
    list.text = QStringLiteral("1");
    return list;
}

void setBlock(const ProjectModel &m, TransitionFields &f, const QString &text)
{
    if (f.block == text)
        return;
    f.block = text;
    transitionBlockChanged(m, f);
}

void setProcess(const ProjectModel &m, TransitionFields &f, bool process)
{
    if (f.process == process)
        return;
    f.process = process;
    transitionProcessClicked(m, f);
}

} // namespace

TransitionFields designTransition()
{
    TransitionFields f;
    for (int i = 1; i <= 8; ++i)
        f.list.entries.push_back(QString::number(i));
    f.list.text = QStringLiteral("1");
    f.list.select(0);
    return f;
}

void transitionBlockChanged(const ProjectModel &m, TransitionFields &f)
{
    const long long b = typedBlock(f);
    f.list = numbers(b == kPageBlock && m.settings.Stranica_Count == 16 ? 16 : 8);
    if (b == kPageBlock) {
        f.listLabel = QStringLiteral("Сторінка SCADA");
        f.listShown = true;
        f.list.select(0);
    } else if (b == kGraphBlock) {
        f.listLabel = QStringLiteral("Група графіків");
        f.listShown = true;
        f.list.select(0);
    } else if (b == kTextSignallingBlock) {
        f.listLabel = QStringLiteral("Текстова сигналізація");
        f.listShown = true;
        f.list = numbers(32);
    } else {
        f.listShown = false;
        f.list.select(0);
    }
    const auto type = blockTypeOf(m, b);
    if (f.process && listsSetpoints(type))
        showSetpoints(m, f, *type);
}

void transitionProcessClicked(const ProjectModel &m, TransitionFields &f)
{
    if (f.process) {
        f.processCaption = QStringLiteral("Параметри");
        const auto type = blockTypeOf(m, typedBlock(f));
        if (tickListsSetpoints(type))
            showSetpoints(m, f, *type);
    } else {
        f.listShown = false;
    }
}

Opened<TransitionFields> prefillTransition(const ProjectModel &m, int page, int slot)
{
    const PageTables &t = m.pages;
    Opened<TransitionFields> o{designTransition(), {}};
    TransitionFields &f = o.fields;
    const int code = t.Go_Block_Target(page, slot);
    const int param = t.Go_Block_Param(page, slot);
    const int pages = m.settings.Stranica_Count == 8 ? 8 : 16;
    f.doubleField = transitionDoubleField(t.Go_Block_Used(page, slot)) != 0;

    const Target target = transitionTarget(code, pages);
    bool failed = false;
    switch (target.kind) {
    case TargetKind::Block:
    case TargetKind::Process:
        f.listShown = false;
        setBlock(m, f, QString::number(target.number));
        setProcess(m, f, target.kind == TargetKind::Process);
        break;
    case TargetKind::Page:
        f.listShown = true;
        setBlock(m, f, QString::number(kPageBlock));
        failed = !f.list.select(target.number);
        break;
    case TargetKind::GraphGroup:
        f.listShown = true;
        setBlock(m, f, QString::number(kGraphBlock));
        failed = !f.list.select(target.number);
        break;
    case TargetKind::TextSignalling:
        f.listShown = true;
        setBlock(m, f, QString::number(kTextSignallingBlock));
        failed = !f.list.select(transitionParamPosition(param, 0));
        break;
    case TargetKind::None: break;
    }
    if (!failed) {
        f.number = QString::number(slot);
        const int type = blockTypeOf(m, typedBlock(f)).value_or(0);
        failed = !f.list.select(transitionParamPosition(param, type));
    }
    if (failed) {
        o.notices.push_back(critical(kBlockError));
        return o;
    }
    f.lock = param / 128 != 0;
    return o;
}

TransitionView storeTransition(ProjectModel &m, int page, const SlotChoice &slot, TransitionFields &f, QPoint viewPos)
{
    PageTables &t = m.pages;
    const int n = slot.slot;
    if (f.list.selected < 0)
        f.list.select(0);
    const long long b = std::llabs(typedBlock(f));
    const int position = f.list.storedPosition();
    const int pages = m.settings.Stranica_Count;
    t.Go_Block_Target(page, n) = int16Field(static_cast<double>(
        transitionTargetPack(static_cast<int>(std::min<long long>(b, 32767)), f.process, position, pages)));
    t.Go_Block_Used(page, n) = static_cast<std::int16_t>(transitionUsedPack(f.doubleField));
    t.Go_Block_Coord_X(page, n) = int16Field(viewPos.x());
    t.Go_Block_Coord_Y(page, n) = int16Field(viewPos.y());
    const int type = blockTypeOf(m, b).value_or(0);
    t.Go_Block_Param(page, n) = static_cast<std::int16_t>(transitionParamPack(f.lock, position, type));

    TransitionView v;
    v.viewIndex = slot.viewIndex;
    v.width = transitionWidth(f.doubleField);
    v.caption = QString::number(b);
    return v;
}

void resetTransition(PageTables &t, int page, int slot)
{
    t.Go_Block_Used(page, slot) = 0;
    t.Go_Block_Coord_X(page, slot) = 0;
    t.Go_Block_Coord_Y(page, slot) = 0;
    t.Go_Block_Target(page, slot) = 0;
}

} // namespace pelmora::element
