#pragma once
// The lists a dialog binds its element with: the outputs of the block typed
// into its block-number box, the block's set-points, the control button's
// channels. Each is rebuilt whenever the block number (or the set-point
// choice) changes.
//
// A block number outside 0..100 (only a damaged file can hold one) gives an
// empty list with nothing selected; Ok then stores output 0. So does a block
// whose type lies outside the catalogue.

#include "core/model/project_model.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace pelmora::element {

// A combo box of a dialog: its entries, the selected one (-1: none) and the
// text its edit field shows.
struct ChoiceList {
    QStringList entries;
    int selected = -1;
    QString text;
    bool operator==(const ChoiceList &) const = default;

    // Selects entry i when it exists; false (and nothing changes) otherwise.
    bool select(int i);
    // The selected entry's position as an output field stores it (0 with none).
    int storedPosition() const { return selected >= 0 ? selected : 0; }
};

// An output list holds at most the 33 labels the catalogue keeps per type.
inline constexpr int kOutputListCap = 33;

// The block number of a block-number box, rounded; nullopt outside 0..100.
std::optional<int> blockNumberOf(const QString &blockText);
// The type of block b (0..100), nullopt outside; also nullopt for a type the
// catalogue does not cover.
std::optional<int> blockTypeOf(const ProjectModel &m, long long block);
std::optional<int> blockTypeOf(const ProjectModel &m, const QString &blockText);

// The outputs of the block: " " + label for each of |last - first - f| + 1
// entries (f = 0 for the analog and digital input types 1 and 3, else 1),
// at most 33; entry 0 selected.
ChoiceList outputList(const ProjectModel &m, const QString &blockText);
// As outputList, but when the list is cut at 33 entries nothing is selected
// (the box shows entry 0's text): the warning banner's list.
ChoiceList bannerOutputList(const ProjectModel &m, const QString &blockText);
// The set-points of a block of type t: " 1" .. " k" for k = |Num_Zad_Max(t)| + 1,
// then "PAR1(ADR_SP)" .. "PAR3(ADR_SP)" for type 31 and " SI(SP1)" ..
// " SI(SP32)" for type 45; the edit text "1", nothing selected.
ChoiceList setpointEntries(const ProjectModel &m, int type);
// The set-point list of the block with entry 0 selected.
ChoiceList setpointList(const ProjectModel &m, const QString &blockText);
// The output list, or with `setpoints` the set-point list.
ChoiceList bindingList(const ProjectModel &m, const QString &blockText, bool setpoints);
// The control button's channels: " 1" .. " 255" for a block of type 50,
// " 1" .. " 4" for every other; entry 0 selected.
ChoiceList channelList(const ProjectModel &m, const QString &blockText);

} // namespace pelmora::element
