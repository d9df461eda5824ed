#include "blockparams/param_store.h"

#include "core/numbers.h"
#include "core/services.h"

#include <QRegularExpression>
#include <cfloat>
#include <cmath>
#include <exception>

namespace pelmora::blockparams {

std::optional<double> doubleFromText(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*([+-]?(?:\d+[.,]?\d*|[.,]\d+)(?:[eEdD][+-]?\d+)?)\s*$)"));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QString s = match.captured(1);
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    s.replace(QLatin1Char('d'), QLatin1Char('e'));
    s.replace(QLatin1Char('D'), QLatin1Char('e'));
    bool ok = false;
    const double v = s.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<float> numberFromText(const QString &text)
{
    const auto v = doubleFromText(text);
    if (!v || std::fabs(*v) > FLT_MAX)
        return std::nullopt;
    return static_cast<float>(*v);
}

std::optional<int> listIndexOf(float value, int count)
{
    const auto i = num::toInt16(value);
    if (!i || *i < -1 || *i >= count)
        return std::nullopt;
    return *i;
}

namespace {

// A stored value that a row cannot show; ends the loading or a choice.
struct RowFailure {};

} // namespace

ParamEditor::ParamEditor(ProjectModel &m) : m_(m) {}

ParamEditor::Reach ParamEditor::resolve(const Entry &e, long long &index) const
{
    if (e.pool == Pool::None)
        return Reach::None;
    if (e.pool == Pool::Krok) {
        index = 0;
        return Reach::Ok;
    }
    const auto &s = m_.schema;
    long long k = e.offset;
    switch (e.by) {
    case By::Fixed: break;
    case By::Input:
        if (rows_[1].index < 0)
            return Reach::None;
        k += rows_[1].index + 1;
        break;
    case By::Row0:
        if (rows_[0].index < 0)
            return Reach::None;
        k += rows_[0].index;
        break;
    case By::PanelD: k += s.Parametr_Value(s.Parametr_Value_Start(block_)) == 5.0f ? 0 : 1; break;
    case By::PageButton:
        if (rows_[0].index < 0 || rows_[1].index < 0)
            return Reach::None;
        k += 24LL * rows_[0].index + rows_[1].index;
        break;
    }
    // Record sizes are part of the controller's layout: an entry past the
    // block's record belongs to the next block and is neither shown nor stored.
    const auto &c = m_.catalogue;
    if (e.pool == Pool::V) {
        if (k >= c.Parametr_Value_Count(type_))
            return Reach::Past;
        index = s.Parametr_Value_Start(block_) + k;
    } else {
        if (k >= c.Parametr_Name_Count(type_))
            return Reach::Past;
        index = s.Parametr_Name_Start(block_) + k;
    }
    return Reach::Ok;
}

float &ParamEditor::value(long long index) { return m_.schema.Parametr_Value(index); }

QString &ParamEditor::text(long long index) { return m_.schema.Parametr_Name(index); }

bool ParamEditor::load()
{
    fillRowTables(tables_);
    type_ = m_.settings.Type_Block_Edit;
    block_ = m_.settings.Num_Block_Edit;
    def_ = typeDef(type_);
    rows_ = {};
    rowCount_ = 0;

    // Rows: those before the first row of kind 0.
    if (type_ >= 1 && type_ <= 50) {
        for (int r = 0; r < kRowCount; ++r) {
            const auto kind = static_cast<RowKind>(tables_.Parametr_Row_Kind(type_, r));
            if (kind == RowKind::None)
                break;
            rows_[r].kind = kind;
            rows_[r].caption = tables_.Parametr_Row_Name(type_, r);
            rowCount_ = r + 1;
        }
    }
    if (!def_)
        return true;

    // Lists.
    for (int r = 0; r < rowCount_; ++r) {
        const int last = tables_.Parametr_Row_List(type_, r);
        if (last > 0)
            rows_[r].items = namedList(def_->rows[static_cast<std::size_t>(r)].list, m_.catalogue).mid(0, last + 1);
    }

    // Values.
    try {
        if (hasNetworkPart(type_)) {
            show(0);
            rows_[1].index = 0;
            chosen(1);
        }
        for (int r : def_->loadOrder)
            show(r);
    } catch (...) {
        showMessage(kParameterError, MsgIcon::Critical);
        return false;
    }
    return true;
}

void ParamEditor::show(int r)
{
    const RowDef &d = def_->rows[static_cast<std::size_t>(r)];
    RowView &v = rows_[r];
    long long at = 0;
    Reach reach = Reach::None;
    try {
        reach = resolve(d.entry, at);
        if (d.kind != RowKind::List) {
            v.enabled = reach == Reach::Ok;
            v.text = reach != Reach::Ok ? QString() : d.kind == RowKind::Number ? num::shortText(value(at)) : text(at);
            return;
        }
        int index = 0;
        if (d.entry.pool == Pool::Krok) {
            index = m_.settings.Krok_Select;
            if (index > d.last)
                throw RowFailure{};
        } else if (reach == Reach::Ok) {
            const auto i = listIndexOf(value(at), d.last + 1);
            if (!i)
                throw RowFailure{};
            index = *i;
        } else if (d.role != Role::Selector) {
            index = -1;
        }
        v.index = index;
    } catch (const std::exception &) {
        throw RowFailure{};
    }
    chosen(r);
}

void ParamEditor::chosen(int r)
{
    const RowDef &d = def_->rows[static_cast<std::size_t>(r)];
    try {
        const int li = rows_[r].index;
        if (d.role == Role::Stores) {
            storeChoice(r);
            for (int w = 0; w < static_cast<int>(def_->rows.size()); ++w)
                if (def_->rows[static_cast<std::size_t>(w)].storedWith == r)
                    storeChoice(w);
            if (def_->captions.row == r && li >= 0)
                applyCaptionSet(li);
        } else if (d.role == Role::Selector && li >= 0) {
            long long at = 0;
            if (resolve(d.entry, at) == Reach::Ok) {
                if (d.entry.pool == Pool::Krok)
                    m_.settings.Krok_Select = static_cast<std::uint8_t>(li);
                else
                    value(at) = static_cast<float>(li);
            }
        }
        for (int dependant : d.reloads)
            show(dependant);
    } catch (...) {
        // A value the refresh cannot show ends it: the rows after keep what they showed.
    }
}

void ParamEditor::storeChoice(int r)
{
    const RowDef &d = def_->rows[static_cast<std::size_t>(r)];
    const int li = rows_[r].index;
    long long at = 0;
    if (li >= 0 && resolve(d.entry, at) == Reach::Ok && d.entry.pool == Pool::V)
        value(at) = static_cast<float>(li);
}

void ParamEditor::applyCaptionSet(int set)
{
    const CaptionSwitch &cs = def_->captions;
    for (int r = cs.first; r <= cs.last; ++r)
        rows_[r].caption = tables_.Parametr_Row_Name(type_, cs.K * set + r);
}

void ParamEditor::choose(int r, int index)
{
    if (!def_ || r < 0 || r >= rowCount_ || rows_[r].kind != RowKind::List)
        return;
    rows_[r].index = index;
    chosen(r);
}

void ParamEditor::edit(int r, const QString &newText)
{
    if (!def_ || r < 0 || r >= rowCount_ || rows_[r].kind == RowKind::List || rows_[r].kind == RowKind::None)
        return;
    rows_[r].text = newText;
    if (!def_->storesTogether) {
        storeText(r);
        return;
    }
    // One change stores every text row of the type; a row whose text is not a
    // number is skipped and the others are still stored.
    for (int k = 0; k < rowCount_; ++k)
        if (rows_[k].kind == RowKind::Number || rows_[k].kind == RowKind::Name)
            storeText(k);
}

void ParamEditor::storeText(int r)
{
    const RowDef &d = def_->rows[static_cast<std::size_t>(r)];
    if (d.role != Role::Stores)
        return;
    try {
        long long at = 0;
        if (resolve(d.entry, at) != Reach::Ok)
            return;
        const QString &t = rows_[r].text;
        if (d.kind == RowKind::Name) {
            text(at) = t;
            return;
        }
        const auto v = numberFromText(t);
        // A text that still reads as the stored value leaves it alone, so the
        // rows stored together lose no digits beyond the seven shown.
        if (!v || t == num::shortText(value(at)))
            return;
        value(at) = *v;
    } catch (const std::exception &) {
        // an entry outside the pools: nothing is stored
    }
}

} // namespace pelmora::blockparams
