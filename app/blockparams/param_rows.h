#pragma once
// The vocabulary of the block parameter dialog: for every block type the rows
// it shows (caption, kind, list) and the entry of the block's records that each
// row shows and stores, the named lists, and the caption sets of the variant
// blocks SUM, PID and UNI. One data table; the editor (param_store.h) reads it.

#include "core/model/catalogue.h"
#include "core/table.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace pelmora::blockparams {

constexpr int kRowCount = 17; // parameter rows 0..16

enum class RowKind : std::uint8_t { None = 0, Number = 1, List = 2, Name = 3 };

// The lists a list row offers. Counting is "1", "2", ...; Sensor and Speed come
// from the catalogue; the others are built by namedList().
enum class ListId : std::uint8_t {
    None,
    Counting,
    Sensor_Type_Names,
    Speed_List,
    AO_Type_List,
    DO_Type_List,
    RS4_Mode_List,
    SUM_Type_List,
    AND_Type_List,
    OR_Type_List,
    REG_Type_List,
    PID_Type_List,
    MUX_Type_List,
    PRO_Step_List,
    PRO_Step_Type_List,
    PRO_Program_List,
    PAN_Type_List,
    COD_Step_List,
    MIN_Type_List,
    TIM_Type_List,
    OSC_Type_List,
    JUR_Event_Type_List,
    SCA_Page_List,
    SCA_Button_List,
    LOG_Channel_Type_List,
    UNI_Kind_List,
};

// Where a row's value lives: a pool (V numeric, T text), an offset, and what is
// added to the offset.
enum class Pool : std::uint8_t {
    None, // the row has no entry
    V,    // Parametr_Value record of the block
    T,    // Parametr_Name record of the block
    Krok, // Krok_Select (the COD step row), kept outside any record
};
enum class By : std::uint8_t {
    Fixed,      // the offset itself
    Input,      // + n, the input or output 1.. chosen in row 1
    Row0,       // + the item chosen in row 0 (step s, channel c, event e)
    PanelD,     // + d: 0 when V(0) is exactly 5, else 1
    PageButton, // + 24 p + q, page p chosen in row 0, button q in row 1
};
struct Entry {
    Pool pool = Pool::None;
    int offset = 0;
    By by = By::Fixed;
};

enum class Role : std::uint8_t {
    Stores,   // shows its entry; a user's change is written to it
    ShowOnly, // shows its entry; changes are not written
    Selector, // picks which input/step/channel/... the rows after it show;
              // its entry, if any, is where the choice is kept and where it opens
};

struct RowDef {
    const char16_t *caption = u"";
    RowKind kind = RowKind::None;
    ListId list = ListId::None;
    int last = 0; // highest item index offered by the list
    Entry entry;
    Role role = Role::Stores;
    std::vector<int> reloads; // rows shown again, in this order, after a choice in this row
    int storedWith = -1;      // ShowOnly row that is written when that row is chosen
};

// The rows of a variant type follow one of several caption sets, chosen in the
// switching row: caption of row r := Parametr_Row_Name(type, K * choice + r).
struct CaptionSwitch {
    int row = -1;
    int K = 0;
    int first = 0, last = -1;
    std::vector<std::vector<const char16_t *>> sets; // set v: captions of rows first..last
};

struct TypeDef {
    int type = 0;
    std::vector<RowDef> rows;
    std::vector<int> loadOrder;  // rows loaded after the common part, in order
    bool storesTogether = false; // a typed change stores every storing text row
    CaptionSwitch captions;
};

// The whole table, one entry per type code that has rows.
const std::vector<TypeDef> &typeDefs();
// The entry of a type code, or nullptr when the type has no rows.
const TypeDef *typeDef(int type);

// The items of a list, all of them (the row offers items 0..last).
QStringList namedList(ListId id, const Catalogue &c);

// The three tables the dialog's load handler fills.
struct RowTables {
    Table2<std::uint8_t, 0, 50, 0, 32> Parametr_Row_Kind;
    Table2<QString, 1, 60, 0, 140> Parametr_Row_Name;
    Table2<std::uint8_t, 1, 50, 0, 17> Parametr_Row_List;
};
void fillRowTables(RowTables &t);

// Types 1..5 open with the network number in row 0 and item 0 in row 1.
bool hasNetworkPart(int type);

} // namespace pelmora::blockparams
