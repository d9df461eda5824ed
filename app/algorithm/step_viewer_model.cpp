#include "algorithm/step_viewer_model.h"

#include "algorithm/step_decoder.h"
#include "core/numbers.h"

#include <QStringList>

#include <cmath>

namespace pelmora::alg {
namespace {

constexpr int kLastText = 20000;
constexpr int kLastStepIndex = 500;
constexpr int kRecordHeadSize = 11;

// The number in text `index` of the pool; 0 outside the pool.
double entryNumber(const ProjectModel &m, long long index)
{
    if (index < 0 || index > kLastText)
        return 0;
    return num::leadingNumber(m.schema.Parametr_Name(static_cast<int>(index)));
}

// The same as a whole number (halves to even), bounded so that the
// arithmetic of the decoder cannot overflow.
int entryInt(const ProjectModel &m, long long index)
{
    const double v = num::roundHalfEven(entryNumber(m, index));
    if (!(v > -1e6))
        return -1000000;
    if (v > 1e6)
        return 1000000;
    return static_cast<int>(v);
}

QString numberText(double v)
{
    if (v == std::floor(v) && std::fabs(v) < 1e15)
        return QString::number(static_cast<long long>(v));
    return num::shortText(static_cast<float>(v));
}

} // namespace

int stepIndexForText(const QString &text)
{
    const double v = num::leadingNumber(text);
    const double i = num::roundHalfEven(std::fabs(v - 1));
    if (!(i >= 0 && i <= kLastStepIndex))
        return -1;
    return static_cast<int>(i);
}

StepView decodeStep(const ProjectModel &m, int block, const QString &stepText)
{
    StepView view;
    if (block < 0 || block > 100)
        return view;
    const int i = stepIndexForText(stepText);
    if (i < 0)
        return view;
    view.nameBase = m.schema.Parametr_Name_Start(block);
    view.stepStart = view.nameBase + m.alg.Step_Offset(0, i);
    view.valid = true;
    const long long s = view.stepStart;
    auto entry = [&](int e) { return entryInt(m, s + e); };

    const int parts = entry(9);
    const int e0 = entry(0);
    const int cls = e0 / 8;
    view.condition = conditionHead(e0, entry(1));
    if (cls == 17 || cls == 18) {
        view.branchCaption = QStringLiteral("RET");
    } else {
        // The compared operand lies at entries 2 and 3.
        view.condition += operatorText(entry(4)) + sourceOperand(entry(2), entry(3)) + QStringLiteral(" then");
        view.branchCaption = QStringLiteral("then");
    }
    if (cls >= 23)
        view.condition = absentActionText();

    QString *const bitBoxes[] = {&view.yesOutputs, &view.yesFlags, &view.noOutputs, &view.noFlags};
    int cursor = 0;
    int bitBox = 0, action = 0;
    for (int p = 0; p < 8; ++p) {
        const int bit = 1 << p;
        const bool isBlock = (p % 4) < 2;
        const bool present = (parts & bit) != 0;
        const long long first = s + kRecordHeadSize + cursor;
        if (isBlock) {
            QString &box = *bitBoxes[bitBox++];
            if (present) {
                std::array<int, 8> bytes{};
                for (int k = 0; k < 8; ++k)
                    bytes[k] = entryInt(m, first + k);
                box = bitLine(bytes);
                cursor += 8;
            } else {
                box = absentBitLineText();
            }
        } else {
            QString &box = view.actions[action++];
            if (present) {
                box = actionTarget(entryInt(m, first), entryInt(m, first + 1)) +
                      sourceOperand(entryInt(m, first + 2), entryInt(m, first + 3));
                cursor += 4;
            } else {
                box = absentActionText();
            }
        }
    }
    view.yesStep = successorStepText(m, view.nameBase, view.stepStart, 0);
    view.noStep = successorStepText(m, view.nameBase, view.stepStart, 1);
    return view;
}

QString successorStepText(const ProjectModel &m, int nameBase, int stepStart, int k)
{
    const long long hi = entryInt(m, static_cast<long long>(stepStart) + 5 + 2 * k);
    const long long lo = entryInt(m, static_cast<long long>(stepStart) + 6 + 2 * k);
    const long long t = static_cast<long long>(nameBase) + 256 * hi + lo + 10;
    return numberText(entryNumber(m, t) + 1);
}

QString bitLineColumns(const QString &bitLine)
{
    QString shown;
    // The codes are the words of the line: "i " loses its trailing blank.
    const QStringList codes = bitLine.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &code : codes)
        shown += code.rightJustified(kBitColumnChars, QLatin1Char(' '));
    return shown;
}

QString bitRulerColumns()
{
    QString shown;
    for (int n = 1; n <= 32; ++n)
        shown += QString::number(n).rightJustified(kBitColumnChars, QLatin1Char(' '));
    return shown;
}

} // namespace pelmora::alg
