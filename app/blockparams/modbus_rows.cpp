#include "blockparams/modbus_rows.h"

#include "blockparams/param_store.h"
#include "core/numbers.h"
#include "core/services.h"

#include <cmath>

namespace pelmora::blockparams {

QStringList modbusFunctionList() { return {"1", "2", "3", "4", "5", "6", "15", "16"}; }

QStringList modbusDataTypeList()
{
    QStringList l{"unsigned int16", "signed int16",    "unsigned int32", "signed int32",
                  "IEEE float32",   "discrete on/off", "HB-C float32"};
    for (int n = 1; n <= 8; ++n)
        l << QStringLiteral("%1 SP float32").arg(n);
    for (int n = 1; n <= 16; ++n)
        l << QStringLiteral("%1 - reg uint16").arg(n);
    for (int n = 1; n <= 16; ++n)
        l << QStringLiteral("%1 - reg sint16").arg(n);
    return l;
}

QStringList modbusSetPointList()
{
    QStringList l;
    for (int n = 1; n <= 96; ++n)
        l << QStringLiteral("SP%1").arg(n);
    return l;
}

bool opensModbusRequests(const ProjectModel &m, QString *why)
{
    const int b = m.settings.Num_Block_Edit;
    if (m.settings.Type_Block_Edit != type::RS4)
        return false;
    try {
        if (m.catalogue.Parametr_Value_Count(type::RS4) < 2 ||
            m.schema.Parametr_Value(m.schema.Parametr_Value_Start(b) + 1) != static_cast<float>(kModbusMode))
            return false;
    } catch (const std::exception &) {
        return false;
    }
    if (m.catalogue.Parametr_Name_Count(type::RS4) < kModbusTexts) {
        if (why)
            *why = kNoModbusRecord;
        return false;
    }
    return true;
}

namespace {

// A stored value the dialog cannot show.
struct FillFailure {};

// |number at the start of the text|, to the nearest whole number.
int entryOf(const QString &text, int count)
{
    const auto v = num::roundToInteger(std::fabs(num::leadingNumber(text)), 0, count - 1);
    if (!v)
        throw FillFailure{};
    return static_cast<int>(*v);
}

QString numberText(long long v) { return QString::number(v); }

} // namespace

ModbusTerminal::ModbusTerminal(ProjectModel &m) : m_(m), block_(m.settings.Num_Block_Edit) {}

QString &ModbusTerminal::T(int k) { return m_.schema.Parametr_Name(m_.schema.Parametr_Name_Start(block_) + k); }

float ModbusTerminal::V(int k) const { return m_.schema.Parametr_Value(m_.schema.Parametr_Value_Start(block_) + k); }

bool ModbusTerminal::open()
{
    filled_ = 0;
    title = QStringLiteral("MODBUS RTU Блок №") + QString::number(block_);
    bool ok = true;
    try {
        networkLabel = QStringLiteral("№ у мережі ") + num::shortText(V(0) + 1.0f);
        const auto speed = num::roundToInteger(V(2), 0, 5);
        if (!speed)
            throw FillFailure{};
        speedLabel = QStringLiteral("Швидкість ") + m_.catalogue.Speed_List(*speed);
        for (int i = 0; i < kModbusRequests; ++i) {
            fillRequest(i);
            filled_ = i + 1;
        }
    } catch (...) {
        ok = false;
    }
    // Filling a request's boxes un-greys numbers that an earlier request holds;
    // each ticked box now keeps its I/O number from the other requests of its
    // direction, whatever order the requests were filled in.
    for (int i = 0; i < kModbusRequests; ++i)
        for (int j = 0; j < 8; ++j)
            if (rows_[i].io[j] && !rows_[i].setPointShown)
                in_out_Click(8 * i + j);
    if (!ok)
        showMessage(kRs485Error);
    return ok;
}

void ModbusTerminal::fillRequest(int i)
{
    ModbusRowView &r = rows_[i];
    // The switch, the function and the data type.
    r.check = entryOf(T(i), 3);
    Check1_Click(i);
    r.function = entryOf(T(8 + i), 8);
    Num_FUNC_Click(i);
    r.dataType = entryOf(T(16 + i), 47);
    Type_data_Click(i);
    // The mask or set-point, a number without anything else.
    const auto stored = numberFromText(T(24 + i));
    if (!stored)
        throw FillFailure{};
    double v = std::fabs(*stored);
    // Bit types spread the mask over the eight I/O boxes; the others name a set-point.
    if (r.dataType <= 6) {
        for (int j = 0; j < 8; ++j) {
            const auto bit = num::mod(v, 2);
            const auto rest = num::intDiv(v, 2);
            if (!bit || !rest)
                throw FillFailure{};
            r.io[j] = *bit != 0;
            v = static_cast<double>(*rest);
            in_out_Click(8 * i + j);
        }
    } else {
        const auto sp = num::roundToInteger(v, 0, 95);
        if (!sp)
            throw FillFailure{};
        r.setPoint = static_cast<int>(*sp);
        r.setPointShown = true;
    }
    // The address from its two bytes.
    r.address = num::shortText(
        static_cast<float>(num::leadingNumber(T(32 + 2 * i)) * 256.0 + num::leadingNumber(T(33 + 2 * i))));
}

void ModbusTerminal::Check1_Click(int i)
{
    ModbusRowView &r = rows_[i];
    const bool on = r.on();
    r.rowEnabled = on;
    for (int j = 0; j < 8; ++j) {
        r.ioEnabled[j] = on;
        r.io[j] = false;
    }
}

void ModbusTerminal::Num_FUNC_Click(int i)
{
    ModbusRowView &r = rows_[i];
    r.direction = r.function < 4 ? QStringLiteral("Вихід") : QStringLiteral("Вхід");
}

void ModbusTerminal::Type_data_Click(int i)
{
    ModbusRowView &r = rows_[i];
    r.setPointShown = r.dataType >= 7;
}

void ModbusTerminal::in_out_Click(int x)
{
    const int i = x / 8, j = x % 8;
    const bool ticked = rows_[i].io[j];
    const bool reads = rows_[i].reads();
    for (ModbusRowView &other : rows_)
        if (other.reads() == reads)
            other.ioEnabled[j] = !ticked;
    rows_[i].ioEnabled[j] = true;
}

void ModbusTerminal::setCheck(int i, bool on)
{
    rows_.at(static_cast<std::size_t>(i)).check = on ? 1 : 0;
    Check1_Click(i);
}

void ModbusTerminal::chooseFunction(int i, int entry)
{
    rows_.at(static_cast<std::size_t>(i)).function = entry;
    Num_FUNC_Click(i);
}

void ModbusTerminal::chooseDataType(int i, int entry)
{
    rows_.at(static_cast<std::size_t>(i)).dataType = entry;
    Type_data_Click(i);
}

void ModbusTerminal::setIo(int i, int j, bool ticked)
{
    rows_.at(static_cast<std::size_t>(i)).io.at(static_cast<std::size_t>(j)) = ticked;
    in_out_Click(8 * i + j);
}

void ModbusTerminal::chooseSetPoint(int i, int entry) { rows_.at(static_cast<std::size_t>(i)).setPoint = entry; }

void ModbusTerminal::setAddress(int i, const QString &text) { rows_.at(static_cast<std::size_t>(i)).address = text; }

void ModbusTerminal::store()
{
    // A list without a selection stores its first entry.
    auto entry = [](int index) { return index < 0 ? 0 : index; };
    for (int i = 0; i < filled_; ++i) {
        const ModbusRowView &r = rows_[i];
        T(i) = numberText(r.check);
        T(8 + i) = numberText(entry(r.function));
        T(16 + i) = numberText(entry(r.dataType));
        if (entry(r.dataType) > 6) {
            T(24 + i) = numberText(entry(r.setPoint));
        } else {
            int mask = 0;
            for (int j = 0; j < 8; ++j)
                if (r.io[j])
                    mask |= 1 << j;
            T(24 + i) = numberText(mask);
        }
        const auto x = doubleFromText(r.address);
        if (x && *x >= 0.0 && *x <= 65535.0) {
            const long long n = static_cast<long long>(num::roundHalfEven(*x));
            T(32 + 2 * i) = numberText(n / 256);
            T(33 + 2 * i) = numberText(n % 256);
        } else {
            showMessage(kAddressError);
        }
    }
}

} // namespace pelmora::blockparams
