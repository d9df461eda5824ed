#pragma once
// The block parameter dialog without its widgets: the state of its 17 rows and
// the rules that load them from the edited block's records, store a user's
// choice or typed value into the records at once, and refresh the rows that
// depend on a selector. The window mirrors this state into its controls.

#include "blockparams/param_rows.h"
#include "core/model/project_model.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace pelmora::blockparams {

// A number typed into a number row: blanks around it, an optional sign, digits
// with '.' or ',' as the decimal point, an optional exponent. nullopt for an
// empty text, a lone sign or point, letters, or a value beyond single precision.
std::optional<float> numberFromText(const QString &text);
// The same reading in double precision, for numbers that are checked before they are stored.
std::optional<double> doubleFromText(const QString &text);

// The item a stored value selects in a list of `count` items: the value rounded
// to the nearest whole number, halves to even. -1 means no selection. nullopt
// when the rounded value is below -1, not below count, or not a 16-bit integer.
std::optional<int> listIndexOf(float value, int count);

// What one row shows.
struct RowView {
    RowKind kind = RowKind::None; // None: the row is hidden
    QString caption;
    QStringList items;   // list rows: the items offered
    int index = -1;      // list rows: the selected item, -1 none
    QString text;        // number and name rows
    bool enabled = true; // false for a row whose entry lies past the block's record
};

inline const QString kParameterError = QStringLiteral("Помилка параметра!!!");

class ParamEditor {
public:
    explicit ParamEditor(ProjectModel &m);

    // Lays out the rows of block Num_Block_Edit of type Type_Block_Edit, fills
    // the lists and loads the stored values. A stored value that a row cannot
    // show stops the loading with "Помилка параметра!!!" (returns false); the
    // rows loaded before keep what they got.
    bool load();

    // The user chose item `index` in row r's list.
    void choose(int r, int index);
    // The user changed the text of row r's text box to `text`.
    void edit(int r, const QString &text);

    const RowView &row(int r) const { return rows_.at(static_cast<std::size_t>(r)); }
    // Rows before the first row of kind 0.
    int rowCount() const { return rowCount_; }
    int type() const { return type_; }
    int block() const { return block_; }
    const RowTables &tables() const { return tables_; }

private:
    enum class Reach { None, Past, Ok };
    Reach resolve(const Entry &e, long long &index) const;
    float &value(long long index);
    QString &text(long long index);

    void show(int r);   // loads row r from its entry (a list row then runs its choice)
    void chosen(int r); // what a choice in row r does; its failures end it silently
    void storeChoice(int r);
    void storeText(int r);
    void applyCaptionSet(int set);

    ProjectModel &m_;
    RowTables tables_;
    const TypeDef *def_ = nullptr;
    int type_ = 0;
    int block_ = 0;
    int rowCount_ = 0;
    std::array<RowView, kRowCount> rows_;
};

} // namespace pelmora::blockparams
