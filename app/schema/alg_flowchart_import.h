#pragma once
// The ALGORITHM flowchart import: a P-CAD netlist of step components A<n>,
// YES and NO blocks Y<m> and N<m> and a start marker S is read, its nets are
// turned into the links between the steps, every statement is compiled into
// Step_Code, the step records are laid out and stored into the text record of
// block Num_Block_Edit.

#include "core/model/project_model.h"

#include <QString>

namespace pelmora::alg {

// Imports the flowchart in `fileName` into block Num_Block_Edit. An empty
// name (a cancelled dialog) changes nothing. The program is stored only when
// the import succeeds and fits the block's text record; every error the import
// reports (a file without a start component S, a net with two entries, a
// statement that cannot be compiled) ends it and leaves the block's program,
// its set-points and the record layout as they were. Warnings (numbers in
// parentheses, an unknown timer unit, what the controller would not get) do
// not stop it. A stored program is also kept as the stored program record
// (ALGORITHM_Parametr), which a later schema import puts back into the block.
// Returns true when the program was stored.
bool Import_Algorithm_Netlist(ProjectModel &m, const QString &fileName);

namespace msg {
inline const QString fileUnreadable = QStringLiteral("Помилка зчитування файлу!!!");
inline const QString fileNotNetlist = QStringLiteral("Помилка ім'я файлу!!!");
inline const QString attributes = QStringLiteral("Помилка -Attributes- блок ");
inline const QString twoEntries = QStringLiteral("Помилка з'єднання виходів!!!");
inline const QString noStartMarker =
    QStringLiteral("Файл не є блок-схемою АЛГОРИТМ: у ньому немає компонента S. Програму не змінено.");
// Reports of what the controller would not get.
inline const QString programTooLarge = QStringLiteral(
    "Програма не вміщується в пам'ять блоку <АЛГОРИТМ>: потрібно %1 комірок, є %2. Програму не збережено.");
inline const QString netTooLong = QStringLiteral("Ланцюг має понад 129 вузлів, решту вузлів не враховано: ");
inline const QString stepsNotStored = QStringLiteral("Кроки з номером понад 256 не зберігаються: ");
inline const QString blocksNotReached = QStringLiteral("Блоки, до яких не веде жоден крок, не зберігаються: ");
} // namespace msg

} // namespace pelmora::alg
