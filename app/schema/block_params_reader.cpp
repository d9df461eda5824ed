#include "schema/block_params_reader.h"

#include "core/numbers.h"
#include "core/services.h"

#include <QRegularExpression>
#include <array>
#include <optional>

namespace pelmora::netlist {
namespace {

using namespace Qt::StringLiterals;

// A saved set-point text must be a number as a whole (blanks around it are
// allowed, either decimal separator).
double wholeNumber(const QString &text)
{
    static const QRegularExpression number(uR"(^\s*[+-]?(\d+([.,]\d*)?|[.,]\d+)([eEdD][+-]?\d+)?\s*$)"_s);
    if (!number.match(text).hasMatch())
        throw ImportStop{};
    return num::leadingNumberAnySeparator(text);
}

// A one-character digit field ("1" to "9" or "0").
int digit(const QString &c)
{
    if (c.size() != 1 || c.at(0) < u'0' || c.at(0) > u'9')
        throw ImportStop{};
    return c.at(0).unicode() - u'0';
}

class BlockReader {
public:
    BlockReader(ImportContext &ctx, int b)
        : s_(ctx.m.schema), c_(ctx.m.catalogue), settings_(ctx.m.settings), b_(b), t_(s_.Block_Type(b)),
          name_(s_.Block_Name(3, b))
    {}

    void read();

private:
    // --- attribute lines ---------------------------------------------------

    // The line of attribute ordinal k; none when the block has no attribute
    // lines or the entry lies outside the table.
    std::optional<long long> lineOf(long long k) const
    {
        const long long start = s_.Attr_Start(b_);
        if (start == 0 || !s_.NetList_Line.inRange(start + k))
            return std::nullopt;
        return start + k;
    }

    // How many "(attr" lines the block has, from its first one on.
    long long attributeLines() const
    {
        const long long start = s_.Attr_Start(b_);
        long long n = 0;
        while (start != 0 && s_.NetList_Line.inRange(start + n) && startsWith(s_.NetList_Line(start + n), u"(attr"))
            ++n;
        return n;
    }

    void searchFailed() const { showMessage(u"Помилка параметра!!!Блок U"_s + QString::number(b_), MsgIcon::Critical); }

    // Attr_Col := the column after the third double quote among columns 5 to
    // 32 of the line. A line without one there has no value column.
    void searchColumn(long long i) const
    {
        const QString &l = s_.NetList_Line(i);
        int quotes = 0;
        const qsizetype last = std::min<qsizetype>(32, l.size());
        for (qsizetype col = 5; col <= last; ++col)
            if (l.at(col - 1) == u'"' && ++quotes == 3) {
                s_.Attr_Col = static_cast<std::int16_t>(col + 1);
                return;
            }
        searchFailed();
    }

    void findNum() const
    {
        const auto i = lineOf(valueN_);
        if (!i || !s_.NetList_Line.inRange(*i - 1)) {
            searchFailed();
            return;
        }
        if (midView(s_.NetList_Line(*i - 1), 16, 5) == u"TOUCH")
            return;
        searchColumn(*i);
    }

    void findStr() const
    {
        const auto i = lineOf(nameN_);
        if (!i) {
            searchFailed();
            return;
        }
        searchColumn(*i);
    }

    // n characters from the value column of the current numeric ordinal's line.
    QStringView readView(long long n) const
    {
        const auto i = lineOf(valueN_);
        if (!i)
            throw ImportStop{};
        return midView(s_.NetList_Line(*i), s_.Attr_Col, n);
    }
    QString readChars(long long n) const { return readView(n).toString(); }

    // --- record stores ------------------------------------------------------

    // V(offset); a store past the end of the record is dropped.
    void setV(long long offset, double v)
    {
        if (offset < 0 || offset >= c_.Parametr_Value_Count(t_))
            return;
        s_.Parametr_Value(s_.Parametr_Value_Start(b_) + offset) = toSingle(v);
    }
    void setEntry(long long ordinal, double v) { setV(c_.Parametr_Value_Slot(t_, ordinal), v); }

    void setT(long long offset, const QString &text)
    {
        if (offset < 0 || offset >= c_.Parametr_Name_Count(t_))
            return;
        s_.Parametr_Name(s_.Parametr_Name_Start(b_) + offset) = text;
    }

    void storeNum()
    {
        setEntry(valueN_, val(readView(7)));
        ++valueN_;
    }

    void storeStr()
    {
        const auto i = lineOf(nameN_);
        if (!i)
            throw ImportStop{};
        const QString chunk = mid(s_.NetList_Line(*i), s_.Attr_Col, 42);
        const qsizetype quote = chunk.indexOf(u'"');
        if (quote < 0) {
            // 42 characters without the closing quote: nothing stored.
            if (chunk.size() < 42)
                throw ImportStop{};
            ++nameN_;
            return;
        }
        QString text = chunk.left(quote);
        if ((t_ == type::S_P || t_ == type::PAN || t_ == type::REP) && text.size() >= 18)
            text.truncate(15);
        setT(c_.Parametr_Name_Slot(t_, nameN_), text);
        ++nameN_;
    }

    void numPair()
    {
        findNum();
        storeNum();
    }
    void numPairs(int n)
    {
        while (n-- > 0)
            numPair();
    }
    void strPair()
    {
        findStr();
        storeStr();
    }

    // The network number that opens the I/O blocks: "1" is stored as 0.
    void networkNumber()
    {
        findNum();
        setEntry(0, val(readChars(3)) - 1);
        valueN_ = 1;
    }

    // The value code of the component name in a list of names; none when the
    // name is not listed.
    template <std::size_t N> std::optional<int> variant(const std::array<const char *, N> &names) const
    {
        for (std::size_t k = 0; k < N; ++k)
            if (name_ == QLatin1StringView(names[k]))
                return static_cast<int>(k);
        return std::nullopt;
    }
    template <std::size_t N> void variantAt(long long offset, const std::array<const char *, N> &names)
    {
        if (const auto v = variant(names))
            setV(offset, *v);
    }

    void setSlot(long long ordinal, int offset)
    {
        c_.Parametr_Value_Slot(t_, ordinal) = static_cast<std::int16_t>(offset);
    }

    void readAI();
    std::optional<int> readSensor();
    void readDO();
    void readRS4();
    void readPAN();
    void readCOD();
    void readAutomaton();
    void readOSC();
    void readFixedInputs(long long firstOffset);
    void readALG();

    SchemaTables &s_;
    Catalogue &c_;
    Settings &settings_;
    const int b_;
    const int t_;
    const QString name_;
    long long valueN_ = 0; // Attr_Value_N
    long long nameN_ = 0;  // Attr_Name_N
};

// The sensor of the current ordinal's line: the index of the first sensor name
// its four characters begin (a quote as the fourth character reads as a
// blank); none when no name matches. The ordinal advances.
std::optional<int> BlockReader::readSensor()
{
    findNum();
    QString sensor = readChars(4);
    if (sensor.size() < 4)
        throw ImportStop{};
    if (sensor.at(3) == u'"')
        sensor[3] = u' ';
    ++valueN_;
    for (int k = 0; k <= 14; ++k)
        if (c_.Sensor_Type_Names(k).left(sensor.size()) == sensor)
            return k;
    return std::nullopt;
}

// Analog inputs: the network number, then per channel the sensor type and its
// values. The record holds seven groups of four channel values: V(1 + c) the
// sensor of channel c, then scale min, scale max, offset, signal min, signal
// max and filter at V(5 + c), V(9 + c), ..., V(25 + c).
//
// A block of 25 attribute lines is drawn with five values a channel (no
// filter): its values go to their places in that record and the filter is 0.
// Any other block is read with six values a channel, ordinals 0 to 28, which
// the slot map lays out in the same record.
void BlockReader::readAI()
{
    const bool fiveValues = attributeLines() == 25;
    networkNumber();
    for (int channel = 0; channel < 4; ++channel) {
        const long long sensorOrdinal = valueN_;
        const std::optional<int> sensor = readSensor();
        if (!fiveValues) {
            if (sensor)
                setEntry(sensorOrdinal, *sensor);
            numPairs(6);
            continue;
        }
        if (sensor)
            setV(1 + channel, *sensor);
        for (int j = 0; j < 5; ++j) {
            findNum();
            setV(5 + 4 * j + channel, val(readView(7)));
            ++valueN_;
        }
        setV(25 + channel, 0);
    }
    s_.Num_Block_AI = static_cast<std::int16_t>(b_);
}

void BlockReader::readDO()
{
    networkNumber();
    findNum(); // the value of the first search is not used
    for (int k = 0; k < 7; ++k) {
        findNum();
        const QString t = readChars(6);
        const QString head = t.left(3);
        if (head == u"Рел"_s)
            setEntry(valueN_, 0);
        else if (head == u"ШІМ"_s)
            setEntry(valueN_, 1);
        else if (head == u"Уни"_s)
            setEntry(valueN_, 2);
        else if (head == u"Шаг"_s || head == u"Кро"_s || head == u"3"_s)
            setEntry(valueN_, 3);
        if (valueN_ >= 2)
            setEntry(valueN_, val(leftView(t, t.size() - 1)));
        ++valueN_;
    }
}

void BlockReader::readRS4()
{
    // Reading an RS4 block restores its output range.
    c_.Num_OUT_First(type::RS4) = 9;
    c_.Num_OUT_Last(type::RS4) = 17;
    networkNumber();
    variantAt(1, std::array{"RS485_CONTROL", "RS485_Ludan_01", "RS485"});
    findNum();
    // The speed by its first four digits.
    const double speed = val(readChars(4));
    const int speeds[] = {9600, 1920, 3840, 5760, 1152, 2304};
    for (int k = 0; k < 6; ++k)
        if (speed == speeds[k])
            setV(2, k);
    valueN_ = 2;
}

void BlockReader::readPAN()
{
    if (name_ == u"PAN_OFF_ON"_s) {
        setV(0, 0);
    } else if (name_ == u"PAN_OFF_ON2"_s) {
        setV(0, 1);
    } else if (name_ == u"PAN_HAND_AUT"_s) {
        setV(0, 2);
    } else if (name_ == u"PAN_INC_DEC"_s) {
        setV(0, 4);
        valueN_ = 5;
        for (int i = 0; i < 4; ++i) {
            setSlot(valueN_, 10 + i);
            numPair();
        }
    } else if (name_ == u"PAN_INC_DEC_REG"_s) {
        setV(0, 5);
        valueN_ = 5;
        for (int i = 0; i < 4; ++i) {
            setSlot(valueN_, 2 + 2 * i);
            numPair();
        }
        for (int v = 10; v <= 13; ++v) {
            setSlot(valueN_, v);
            numPair();
        }
    }
    for (int k = 0; k < 5; ++k)
        strPair();
}

void BlockReader::readCOD()
{
    if (name_ == u"CODE"_s || name_ == u"CODE_SP"_s) {
        findNum();
        const int d = digit(readChars(1)) - 1;
        setV(0, d >= 0 && d <= 3 ? d : 0);
        valueN_ = 1;
        numPairs(96);
    } else if (name_ == u"CODE_AUTOMAT_128"_s) {
        findNum();
        const int d = digit(readChars(1)) + 3;
        setV(0, d >= 4 && d <= 7 ? d : 4);
        valueN_ = 1;
        readAutomaton();
    }
}

// 384 table values, twelve a state (four triples); value f of triple q is the
// two-bit digit q of field f of the state.
void BlockReader::readAutomaton()
{
    std::array<int, 384> temp{}; // Attr_Temp
    for (int i = 0; i < 384; ++i) {
        findNum();
        const auto v = num::toInt16(val(readView(7)));
        if (!v)
            throw ImportStop{};
        temp[static_cast<std::size_t>(i)] = *v;
        ++valueN_;
    }
    for (int k = 0; k < 32; ++k)
        for (int f = 0; f < 3; ++f) {
            double sum = 0;
            double weight = 1;
            for (int q = 0; q < 4; ++q, weight *= 4)
                sum += temp[static_cast<std::size_t>(12 * k + 3 * q + f)] * weight;
            setV(4 + 32 * f + k, sum);
        }
}

void BlockReader::readOSC()
{
    struct Variant {
        const char16_t *name;
        int code;
        int pairs;
        int step; // slot of pair i: step * i + 1
    };
    static const Variant variants[] = {
        {u"OSC4_ONE", 0, 4, 2}, {u"OSC4_GEN", 1, 8, 1}, {u"OSC2_ONE", 2, 2, 2}, {u"OSC2_GEN", 3, 4, 1}};
    for (const auto &v : variants)
        if (name_ == QStringView(v.name)) {
            setV(0, v.code);
            for (int i = 0; i < v.pairs; ++i) {
                setSlot(valueN_, v.step * i + 1);
                numPair();
            }
            return;
        }
}

// GRA and JUR: the first number, 32 pairs of channel values (ordinals 2 and 3,
// 5 and 6, ..., 95 and 96) and 33 texts (ordinals 1, 4, ..., 97).
void BlockReader::readFixedInputs(long long firstOffset)
{
    findNum();
    setV(firstOffset, val(readChars(3)));
    valueN_ = 2;
    for (int k = 0; k < 32; ++k) {
        numPair();
        numPair();
        ++valueN_;
    }
    nameN_ = 1;
    for (int k = 0; k < 33; ++k) {
        strPair();
        nameN_ += 2;
    }
}

// The block number from the netlist, then the stored program: set-points
// SP1 to SP128 and the program texts.
void BlockReader::readALG()
{
    numPair();
    for (int k = 1; k <= 128; ++k)
        setV(k, wholeNumber(s_.ALGORITHM_Block_Line(0, k)));
    valueN_ += 128;
    const int texts = settings_.Alg_Name_Count;
    for (int j = 0; j < texts; ++j)
        setT(j, s_.ALGORITHM_Parametr(0, j));
    s_.ALGORITHM_Param_Base = s_.Parametr_Name_Start(b_);
    nameN_ += texts;
}

void BlockReader::read()
{
    switch (t_) {
    case type::A_I: readAI(); break;
    case type::A_O:
        networkNumber();
        setV(c_.Parametr_Value_Slot(t_, 0) + 1, name_ == u"A_OUT"_s ? 0 : 1);
        break;
    case type::D_I: {
        networkNumber();
        const long long B = c_.Parametr_Value_Slot(t_, 1);
        auto zeros = [&] {
            for (int k = 1; k <= 5; ++k)
                setV(B + k, 0);
        };
        if (name_ == u"D_INPUT_ENCODER"_s) {
            zeros();
            for (int k = 6; k <= 8; ++k)
                setV(B + k, 1);
        } else if (name_ == u"D_INPUT_ENCODER1"_s) {
            zeros();
            setV(B + 6, 2);
        } else if (name_ == u"D_INP8_ENCODER_OUT"_s) {
            zeros();
            setV(B + 6, 3);
        } else {
            setV(B + 6, 0);
        }
        break;
    }
    case type::D_O: readDO(); break;
    case type::RS4: readRS4(); break;
    case type::MUL:
    case type::DIV:
    case type::SQR:
    case type::LIM: numPairs(4); break;
    case type::SUM:
        variantAt(9, std::array{"SUM2_4", "SUM2_3", "SUM8_1"});
        numPairs(9);
        break;
    case type::AND: variantAt(0, std::array{"AND2_4", "AND4_2", "AND8_1"}); break;
    case type::OR_: variantAt(0, std::array{"OR_2_4", "OR_4_2", "OR_8_1"}); break;
    case type::REG: {
        findNum();
        const QString edge = readChars(5);
        setEntry(0, (name_ == u"REG_4"_s ? 0 : 2) + (edge == u"Фронт"_s ? 0 : 1));
        valueN_ = 1;
        break;
    }
    case type::S_P:
        valueN_ = 2;
        for (int k = 0; k < 8; ++k) {
            numPair();
            ++valueN_;
        }
        strPair();
        for (int k = 0; k < 8; ++k) {
            strPair();
            ++nameN_;
        }
        break;
    case type::PID:
        variantAt(0, std::array{"PID_ANALOG1", "PID_ANALOG2", "PID_IMPULS", "PID_IMPULS1", "PID_RELAY"});
        numPairs(11);
        break;
    case type::MUX: variantAt(0, std::array{"MUX1_6", "MUX2_3", "MUXD1_8", "MUXD2_4"}); break;
    case type::PRO: {
        findNum();
        const int d = digit(readChars(1)) - 1;
        setEntry(0, d >= 0 && d <= 3 ? d : 0);
        valueN_ = 1;
        numPairs(128);
        break;
    }
    case type::PAN: readPAN(); break;
    case type::RTC:
    case type::CMP: numPairs(6); break;
    case type::COD: readCOD(); break;
    case type::MIN: variantAt(0, std::array{"MIN_MAX_MIN", "MIN_MAX_MAX"}); break;
    case type::TIM:
        if (name_ == u"TIMER_2"_s) {
            setV(0, 1);
            numPairs(2);
        } else if (name_ == u"TIMER_4"_s) {
            setV(0, 0);
            numPairs(4);
        }
        break;
    case type::COU: numPairs(3); break;
    case type::OSC: readOSC(); break;
    case type::GRA: readFixedInputs(0); break;
    case type::JUR: readFixedInputs(50); break;
    case type::LOG:
        for (int k = 0; k < 3; ++k) {
            findNum();
            setEntry(valueN_, readChars(5).left(2) == u"SP"_s ? 0 : 1);
            ++valueN_;
            numPairs(2);
        }
        break;
    case type::ALG: readALG(); break;
    case type::UNI:
        if (const auto code = variant(std::array{"UNI_STEP_OFF_ON", "UNI_MENU", "UNI_IF_THEN", "UNI_IF_THEN_ELSE",
                                                 "UNI_ZARIADKA_GA", "UNI_DEC_HEX", "UNI_REVERS", "UNI_SHIBER_KLAPAN",
                                                 "UNI_RTC", "UNI_FILTER_4", "UNI_GRAPH_START_STOP", "UNI_ALG_INP",
                                                 "UNI_ALG_OUT", "UNI_SYS", "UNI_MOTOR_F", "UNI_TIMER_FIFO"})) {
            setV(0, *code);
            for (int i = 0; i < 8; ++i) {
                setSlot(valueN_, i + 1);
                numPair();
            }
        }
        break;
    case type::REP:
        for (int k = 0; k < 16; ++k)
            strPair();
        break;
    default: break; // SYS, ABS, XOR, TRI, SCA, MON, INV, TOU and the unused codes read nothing
    }
}

} // namespace

void readBlockParameters(ImportContext &ctx, int b) { BlockReader(ctx, b).read(); }

} // namespace pelmora::netlist
