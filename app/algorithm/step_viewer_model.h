#pragma once
// The step viewer of the ALGORITHM memory editor without its window: decodes
// the stored record of one step of an ALGORITHM block into the texts of the
// viewer's boxes, and follows a branch to its successor step.

#include "core/model/project_model.h"

#include <QString>

#include <array>

namespace pelmora::alg {

// Texts of the viewer's boxes for one step.
struct StepView {
    QString condition;              // Dija_YES_NO(4)
    QString yesOutputs, yesFlags;   // Text2, Text3
    std::array<QString, 4> actions; // Dija_YES_NO(0..3): YES1, YES2, NO1, NO2
    QString noOutputs, noFlags;     // Text9, Text8
    QString yesStep, noStep;        // Text4, Text7
    QString branchCaption;          // Label16: "then" or "RET"
    // Index in Parametr_Name of the block's first text and of the step's entry 0;
    // valid is false when the typed number names no step index 0..500.
    int nameBase = 0;
    int stepStart = 0;
    bool valid = false;
};

// The step index for the text of the step-number box: the nearest whole
// number to |v - 1| (halves to even), v the number the text begins with;
// -1 when it lies outside 0..500.
int stepIndexForText(const QString &text);

// Decodes the step that the text of the step-number box names, in the block
// `block`. Reads only; entries that are missing, lie outside the text pool or
// are no number read as 0. An invalid step number gives empty texts.
StepView decodeStep(const ProjectModel &m, int block, const QString &stepText);

// The step-number text of the successor on branch k (0 YES, 1 NO) of the
// record at stepStart in the block whose texts begin at nameBase: the own
// index stored at that successor's record, plus one.
QString successorStepText(const ProjectModel &m, int nameBase, int stepStart, int k);

// Width in characters of one column of a bit line shown in columns.
inline constexpr int kBitColumnChars = 3;

// A bit line (32 items of four blanks and a code) as the window shows it in a
// fixed-width font: every code right-aligned in a column of kBitColumnChars,
// so that item n stands in column n whatever the width of the codes before it
// ("1" and "0" are one character, "--" and "i " two). Empty stays empty.
QString bitLineColumns(const QString &bitLine);

// The column numbers 1 to 32 in the same columns, for the ruler over the bit lines.
QString bitRulerColumns();

} // namespace pelmora::alg
