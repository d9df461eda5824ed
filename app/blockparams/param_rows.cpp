#include "blockparams/param_rows.h"

namespace pelmora::blockparams {
namespace {

// Entries: V(k) the k-th value of the block's numeric record, T(k) its k-th text.
Entry V(int k) { return {Pool::V, k, By::Fixed}; }
Entry T(int k) { return {Pool::T, k, By::Fixed}; }
Entry V_n(int k) { return {Pool::V, k, By::Input}; }       // V(k + n)
Entry V_s(int k) { return {Pool::V, k, By::Row0}; }        // V(k + s), V(k + c), V(k + e)
Entry T_s(int k) { return {Pool::T, k, By::Row0}; }        // T(k + c), T(k + e)
Entry V_d(int k) { return {Pool::V, k, By::PanelD}; }      // V(k + d)
Entry V_pq(int k) { return {Pool::V, k, By::PageButton}; } // V(k + 24p + q)
const Entry none{};
const Entry krok{Pool::Krok, 0, By::Fixed};

RowDef row(const char16_t *caption, RowKind kind, ListId l, int last, Entry e, Role role, std::vector<int> reloads)
{
    RowDef r;
    r.caption = caption;
    r.kind = kind;
    r.list = l;
    r.last = last;
    r.entry = e;
    r.role = role;
    r.reloads = std::move(reloads);
    return r;
}
RowDef number(const char16_t *caption, Entry e)
{
    return row(caption, RowKind::Number, ListId::None, 0, e, Role::Stores, {});
}
RowDef name(const char16_t *caption, Entry e)
{
    return row(caption, RowKind::Name, ListId::None, 0, e, Role::Stores, {});
}
RowDef list(const char16_t *caption, ListId l, int last, Entry e, std::vector<int> reloads = {})
{
    return row(caption, RowKind::List, l, last, e, Role::Stores, std::move(reloads));
}
RowDef selector(const char16_t *caption, ListId l, int last, Entry keptIn, std::vector<int> reloads)
{
    return row(caption, RowKind::List, l, last, keptIn, Role::Selector, std::move(reloads));
}
RowDef shown(RowDef r, int storedWith = -1)
{
    r.role = Role::ShowOnly;
    r.storedWith = storedWith;
    return r;
}

using enum ListId;
constexpr bool together = true, separate = false;

std::vector<TypeDef> buildTable()
{
    const CaptionSwitch noSets;
    // clang-format off
    return {
        // Each type: its rows in row order; the order in which they are loaded (for
        // types 1 to 5 after rows 0 and 1); whether a typed change stores every text
        // row of the type or only its own; the caption sets.
        {type::A_I, {
            list(u"№ у мережі", Counting, 15, V(0)),
            selector(u"№ входу", Counting, 3, none, {2, 3, 4, 5, 6, 7, 8}),
            list(u"Тип входу", Sensor_Type_Names, 14, V_n(0)),
            number(u"Шкала min", V_n(4)),
            number(u"Шкала max", V_n(8)),
            number(u"Зміщення", V_n(12)),
            number(u"Сигнал min", V_n(16)),
            number(u"Сигнал max", V_n(20)),
            number(u"Фільтр", V_n(24)),
        }, {2, 3, 4, 5, 6, 7, 8}, separate, noSets},

        {type::A_O, {
            list(u"№ у мережі", Counting, 15, V(0)),
            selector(u"№ виходу", Counting, 3, none, {2, 3}),
            list(u"Тип виходу", AO_Type_List, 4, V_n(0)),
            number(u"Значення", V_n(4)), // past the record for every output
        }, {2, 3}, separate, noSets},

        {type::D_I, {
            list(u"№ у мережі", Counting, 15, V(0)),
            selector(u"№ входу", Counting, 7, none, {2}),
            number(u"Тип", V_n(0)),
        }, {2}, separate, noSets},

        {type::D_O, {
            list(u"№ у мережі", Counting, 15, V(0)),
            selector(u"№ виходу", Counting, 7, none, {2}),
            list(u"Тип", DO_Type_List, 3, V_n(0)),
            shown(number(u"Прискорення", V(2))),
            shown(number(u"Сповільнення", V(3))),
            shown(number(u"Швидкість Vmin", V(4))),
            shown(number(u"Обмеження а", V(5))),
            shown(number(u"Маштаб", V(6))),
            shown(number(u" ", V(7))),
        }, {2, 3, 4, 5, 6, 7, 8}, separate, noSets},

        {type::RS4, {
            shown(list(u"№ у мережі", Counting, 127, V(0))),
            shown(list(u"Тип", RS4_Mode_List, 4, V(1))),
            shown(list(u"Швидкість", Speed_List, 5, V(2))),
        }, {1, 2}, separate, noSets},

        {type::MUL, {
            number(u"Підсилення 1", V(0)),
            number(u"Підсилення 2", V(1)),
            number(u"Підсилення 3", V(2)),
            number(u"Підсилення 4", V(3)),
        }, {0, 1, 2, 3}, separate, noSets},

        {type::SUM, {
            number(u"Зміщення", V(8)),
            number(u"k*вхід 1", V(0)),
            number(u"k*вхід 2", V(1)),
            number(u"k*вхід 1", V(2)),
            number(u"k*вхід 2", V(3)),
            number(u"k*вхід 1", V(4)),
            number(u"k*вхід 2", V(5)),
            number(u"k*вхід 1", V(6)),
            number(u"k*вхід 2", V(7)),
            list(u"Тип", SUM_Type_List, 2, V(9)),
        }, {1, 2, 3, 4, 5, 6, 7, 8, 0, 9}, separate,
        // chosen by row 9; set v gives rows 0 to 8
        {9, 10, 0, 8, {
            {u"Зміщення", u"k*вхід 1", u"k*вхід 2", u"k*вхід 1", u"k*вхід 2", u"k*вхід 1", u"k*вхід 2", u"k*вхід 1", u"k*вхід 2"},
            {u"Зміщення 1", u"k*вхід 1", u"k*вхід 2", u"Зміщення 2", u"k*вхід 1", u"k*вхід 2", u"Зміщення 3", u"k*вхід 1", u"k*вхід 2"},
            {u"Зміщення", u"k*вхід 1", u"k*вхід 2", u"k*вхід 3", u"k*вхід 4", u"k*вхід 5", u"k*вхід 6", u"k*вхід 7", u"k*вхід 8"},
        }}},

        {type::DIV, {
            number(u"Підсилення 1", V(0)),
            number(u"Підсилення 2", V(1)),
            number(u"Підсилення 3", V(2)),
            number(u"Підсилення 4", V(3)),
        }, {0, 1, 2, 3}, separate, noSets},

        {type::SQR, {
            number(u"Підсилення 1", V(0)),
            number(u"Підсилення 2", V(1)),
            number(u"Підсилення 3", V(2)),
            number(u"Підсилення 4", V(3)),
        }, {0, 1, 2, 3}, separate, noSets},

        {type::AND, {list(u"Тип 2-4-8", AND_Type_List, 2, V(0))}, {0}, separate, noSets},
        {type::OR_, {list(u"Тип 2-4-8", OR_Type_List, 2, V(0))}, {0}, separate, noSets},
        {type::REG, {list(u"Тип регістра", REG_Type_List, 3, V(0))}, {0}, separate, noSets},

        {type::S_P, {
            name(u"Назва задавача 1", T(0)),
            number(u"Задавач 1", V(0)),
            name(u"Назва задавача 2", T(1)),
            number(u"Задавач 2", V(1)),
            name(u"Назва задавача 3", T(2)),
            number(u"Задавач 3", V(2)),
            name(u"Назва задавача 4", T(3)),
            number(u"Задавач 4", V(3)),
            name(u"Назва задавача 5", T(4)),
            number(u"Задавач 5", V(4)),
            name(u"Назва задавача 6", T(5)),
            number(u"Задавач 6", V(5)),
            name(u"Назва задавача 7", T(6)),
            number(u"Задавач 7", V(6)),
            name(u"Назва задавача 8", T(7)),
            number(u"Задавач 8", V(7)),
            name(u"Назва блоку", T(8)),
        }, {1, 3, 5, 7, 9, 11, 13, 15, 0, 2, 4, 6, 8, 10, 12, 14, 16}, separate, noSets},

        {type::PID, {
            list(u"Тип", PID_Type_List, 4, V(0)),
            number(u"МАХ", V(4)),
            number(u"MIN", V(11)),
            number(u"КП 1", V(1)),
            number(u"ТІ 1", V(2)),
            number(u"ТД 1", V(3)),
            number(u"Масштаб", V(12)),
            number(u"Слідкування", V(13)),
            number(u"Випередження", V(14)),
            number(u"Балансування", V(7)),
            number(u"Вихід PID MIN", V(16)),
            number(u"Вихід PID MAX", V(17)),
        }, {0, 1, 2, 3, 6, 4, 7, 5, 8, 9, 10, 11}, together,
        // chosen by row 0; set v gives rows 1 to 11
        {0, 11, 1, 11, {
            {u"МАХ", u"MIN", u"КП 1", u"ТІ 1", u"ТД 1", u"Масштаб", u"Слідкування", u"Випередження", u"Балансування", u"Вихід PID MIN", u"Вихід PID MAX"},
            {u"Період", u"Обмеження л", u"КП 1", u"ТІ 1", u"ТД 1", u"КП 2", u"ТІ 2", u"ТД 2", u"-------- ", u"-------- ", u"-------- "},
            {u"Т механізма", u"Масштаб", u"КП 1", u"ТІ 1", u"ТД 1", u"Зона", u"Слідкування", u"Випередження", u"Балансування", u"-------- ", u"-------- "},
            {u"Т механизма", u"Масштаб", u"КП 1", u"ТИ 1", u"ТД 1", u"Зона", u"Слідкування", u"Випередження", u"Балансування", u"-------- ", u"-------- "},
            {u"Завдання 1", u"Зона 1", u"Завдання 2", u"Зона 2", u"Завдання 3", u"Зона 3", u"Завдання 4", u"Зона 4", u"-------- ", u"-------- ", u"-------- "},
        }}},

        {type::MUX, {list(u"Тип комутатора", MUX_Type_List, 4, V(0))}, {0}, separate, noSets},

        {type::PRO, {
            selector(u"Програма\\Крок", PRO_Step_List, 31, V(0), {4, 5, 1, 2, 3}),
            number(u"Набір", V_s(4)),
            number(u"Витримка", V_s(36)),
            number(u"Завдання", V_s(68)),
            list(u"Тип", PRO_Step_Type_List, 3, V_s(100)),
            shown(list(u"Програма", PRO_Program_List, 3, V(136)), /*written with row*/ 4),
        }, {5, 0, 4, 1, 2, 3}, together, noSets},

        {type::PAN, {
            // a new panel type moves the set-points, so rows 6 to 9 are shown again
            list(u"Тип панелі", PAN_Type_List, 5, V(0), {6, 7, 8, 9}),
            name(u"Назва панелі", T(0)),
            name(u"Назва каналу 1", T(1)),
            name(u"Назва каналу 2", T(2)),
            name(u"Назва каналу 3", T(3)),
            name(u"Назва каналу 4", T(4)),
            number(u"Завдання 1", V_d(2)),
            number(u"Завдання 2", V_d(4)),
            number(u"Завдання 3", V_d(6)),
            number(u"Завдання 4", V_d(8)),
            number(u"Обмеження 1", V(10)),
            number(u"Обмеження 2", V(11)),
            number(u"Обмеження 3", V(12)),
            number(u"Обмеження 4", V(13)),
        }, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, together, noSets},

        {type::RTC, {
            number(u"Вкл. год", V(0)),
            number(u"Вкл. хв", V(1)),
            number(u"Вкл. сек", V(2)),
            number(u"Викл. год", V(3)),
            number(u"Викл. хв", V(4)),
            number(u"Викл. сек", V(5)),
        }, {0, 1, 2, 3, 4, 5}, separate, noSets},

        {type::COD, {
            selector(u"Крок", COD_Step_List, 31, krok, {4, 1, 2, 3}),
            number(u"Вихід 1", V_s(4)),
            number(u"Вихід 2", V_s(36)),
            number(u"Вихід 3", V_s(68)),
            list(u"Номер блоку", Counting, 7, V(0)),
        }, {0, 4, 1, 2, 3}, together, noSets},

        {type::MIN, {list(u"Мінімум/Максимум", MIN_Type_List, 1, V(0))}, {0}, separate, noSets},

        {type::LIM, {
            number(u"Рівень min 1", V(0)),
            number(u"Рівень max 1", V(1)),
            number(u"Рівень min 2", V(2)),
            number(u"Рівень max 2", V(3)),
        }, {0, 1, 2, 3}, separate, noSets},

        {type::CMP, {
            number(u"Завдання 1", V(0)),
            number(u"Зона 1", V(1)),
            number(u"Гістерезис 1", V(2)),
            number(u"Завдання 2", V(3)),
            number(u"Зона 2", V(4)),
            number(u"Гістерезис 2", V(5)),
        }, {0, 1, 2, 3, 4, 5}, separate, noSets},

        {type::TIM, {
            list(u"Тип", TIM_Type_List, 3, V(0)),
            number(u"Завдання 1", V(1)),
            number(u"Завдання 2", V(2)),
            number(u"Завдання 3", V(3)),
            number(u"Завдання 4", V(4)),
        }, {0, 1, 2, 3, 4}, separate, noSets},

        {type::COU, {
            number(u"Завдання CNT", V(0)),
            number(u"Мінімум CNT", V(1)),
            number(u"Максимум CNT", V(2)),
        }, {0, 1, 2}, separate, noSets},

        {type::OSC, {
            list(u"Тип", OSC_Type_List, 3, V(0)),
            number(u"Імпульс 1", V(1)),
            number(u"Пауза 1", V(2)),
            number(u"Імпульс 2", V(3)),
            number(u"Пауза 2", V(4)),
            number(u"Імпульс 3", V(5)),
            number(u"Пауза 3", V(6)),
            number(u"Імпульс 4", V(7)),
            number(u"Пауза 4", V(8)),
        }, {0, 1, 2, 3, 4, 5, 6, 7, 8}, together, noSets},

        {type::GRA, {
            selector(u"№ каналу", Counting, 31, V(33), {3, 4, 5}),
            number(u"Опитування", V(0)),
            name(u"Назва графіка", T(33)),
            number(u"Шкала min ", V_s(34)),
            number(u"Шкала max", V_s(67)),
            name(u"Назва каналу", T_s(1)),
        }, {0, 3, 4, 5, 2, 1}, together, noSets},

        {type::JUR, {
            selector(u"Подія", Counting, 31, none, {2, 1, 3, 4}),
            name(u"Назва", T_s(0)),
            list(u"Тип події", JUR_Event_Type_List, 15, V_s(10)),
            number(u"Час", V(50)),
            number(u"Координата Y", V_s(51)), // event 32 lies past the record
        }, {0, 2, 1, 3, 4}, together, noSets},

        {type::SCA, {
            selector(u"№ сторінки", SCA_Page_List, 7, none, {2}),
            selector(u"№ кнопки 1-24", SCA_Button_List, 23, none, {2}),
            number(u"№ блоку 1-99", V_pq(8)), // past the one-value record
        }, {0, 1, 2}, separate, noSets},

        {type::LOG, {
            selector(u"№ каналу", Counting, 2, none, {1, 2, 3}),
            list(u"Тип каналу", LOG_Channel_Type_List, 1, V_s(0)),
            number(u"Параметр", V_s(3)),
            number(u"Затримка", V_s(6)),
        }, {0, 1, 2, 3}, together, noSets},

        // ALG blocks open the memory editor; the row only completes the tables.
        {type::ALG, {shown(number(u"Номер блоку", none))}, {0}, separate, noSets},

        {type::UNI, {
            list(u"Тип", UNI_Kind_List, 16, V(0)),
            number(u"Затримка 1", V(1)),
            number(u"Затримка 2", V(2)),
            number(u"Затримка 3", V(3)),
            number(u"Затримка 4", V(4)),
            number(u"Затримка 5", V(5)),
            number(u"Затримка 6", V(6)),
            number(u"Затримка 7", V(7)),
            number(u"Затримка 8", V(8)),
        }, {0, 1, 2, 3, 4, 5, 6, 7, 8}, together,
        // chosen by row 0; set v gives rows 1 to 8
        {0, 8, 1, 8, {
            /*  0 Step OFF-ON  */ {u"Затримка 1", u"Затримка 2", u"Затримка 3", u"Затримка 4", u"Затримка 5", u"Затримка 6", u"Затримка 7", u"Затримка 8"},
            /*  1 Меню         */ {u"Номер блоку  ", u"Немає параметра", u"Немає параметра", u"Немає параметра", u"Немає параметра", u"Немає параметра", u"Немає параметра", u"Немає параметра"},
            /*  2 If_Then      */ {u"Номер 1", u"Компаратор 1", u"Зона 1", u"Затримка 1", u"Номер 2", u"Компаратор 2", u"Зона 2", u"Затримка 2"},
            /*  3 If_Then_Else */ {u"Номер 1", u"Компаратор 1", u"Зона 1", u"Затримка 1", u"Номер 2", u"Компаратор 2", u"Зона 2", u"Затримка 2"},
            /*  4 Розрядка ГА  */ {u"Таймер 0", u"Таймер 7", u"", u"", u"", u"", u"", u""},
            /*  5 DEC_HEX      */ {u"", u"", u"", u"", u"", u"", u"", u""},
            /*  6 РЕВЕРС       */ {u"Тип таймера", u"Час ON", u"Час OFF", u"Час паузи", u"", u"", u"", u""},
            /*  7 Шибер_Клапан */ {u"Аварія MAX", u"Аварія MIN", u"Клапан затримки", u"Клапан вкл.", u"Клапан викл.", u"", u"", u""},
            /*  8 Таймер RTC   */ {u"", u"", u"", u"", u"", u"", u"", u""},
            /*  9 FILTER       */ {u"Зона 1", u"Таймер 1", u"Зона 2", u"Таймер 2", u"Зона 3", u"Таймер 3", u"Зона 4", u"Таймер 4"},
            /* 10 ПУСК/СТОП    */ {u"", u"", u"", u"", u"", u"", u"", u""},
            /* 11 ALG_INP      */ {u"", u"", u"", u"", u"", u"", u"", u""},
            /* 12 ALG_OUT      */ {u"", u"", u"", u"", u"", u"", u"", u""},
            /* 13 ALG_SYS      */ {u"", u"", u"", u"", u"", u"", u"", u""},
            /* 14 ALG_MOTOR_F  */ {u"", u"Прискорення", u"Сповільнення", u"Швидкість Vmin", u"", u"Маштаб", u"", u""},
            /* 15 TIMER_FIFO   */ {u"Номер ", u"Довжина", u"Таймер", u"", u"", u"", u"", u""},
            /* 16 (empty)      */ {u"", u"", u"", u"", u"", u"", u"", u""},
        }}},

        {type::REP, {
            name(u"Назва події 1", T(0)),
            name(u"Назва події 2", T(1)),
            name(u"Назва події 3", T(2)),
            name(u"Назва події 4", T(3)),
            name(u"Назва події 5", T(4)),
            name(u"Назва події 6", T(5)),
            name(u"Назва події 7", T(6)),
            name(u"Назва події 8", T(7)),
            name(u"Назва події 9", T(8)),
            name(u"Назва події 10", T(9)),
            name(u"Назва події 11", T(10)),
            name(u"Назва події 12", T(11)),
            name(u"Назва події 13", T(12)),
            name(u"Назва події 14", T(13)),
            name(u"Назва події 15", T(14)),
            name(u"Назва події 16", T(15)),
        }, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, separate, noSets},
    };
    // clang-format on
}

QStringList fromUtf16(std::initializer_list<const char16_t *> items)
{
    QStringList l;
    for (const char16_t *s : items)
        l << QString::fromUtf16(s);
    return l;
}

// "Програма 1 Крок 1 (1)" .. "Програма 4 Крок 8 (32)".
QStringList programSteps()
{
    QStringList l;
    for (int k = 1; k <= 32; ++k)
        l << QStringLiteral("Програма %1 Крок %2 (%3)").arg((k - 1) / 8 + 1).arg((k - 1) % 8 + 1).arg(k);
    return l;
}

QStringList numbered(const QString &prefix, int count)
{
    QStringList l;
    for (int k = 1; k <= count; ++k)
        l << prefix + QString::number(k);
    return l;
}

} // namespace

const std::vector<TypeDef> &typeDefs()
{
    static const std::vector<TypeDef> table = buildTable();
    return table;
}

const TypeDef *typeDef(int type)
{
    for (const TypeDef &d : typeDefs())
        if (d.type == type)
            return &d;
    return nullptr;
}

bool hasNetworkPart(int type) { return type >= type::A_I && type <= type::RS4; }

QStringList namedList(ListId id, const Catalogue &c)
{
    switch (id) {
    case None: return {};
    case Counting: return numbered(QString(), 128);
    case Sensor_Type_Names: {
        QStringList l;
        for (const QString &s : c.Sensor_Type_Names)
            l << s;
        return l;
    }
    case Speed_List: {
        QStringList l;
        for (const QString &s : c.Speed_List)
            l << s;
        return l;
    }
    case AO_Type_List: return fromUtf16({u"aOUT", u"aOUT_PWM", u"0-20 мА", u"4-20 мА", u"Ручне"});
    case DO_Type_List: return fromUtf16({u"Реле", u"ШІМ", u"Універсальний", u"Кроковий мотор"});
    case RS4_Mode_List: return fromUtf16({u"CONTROL", u"Ludan-01", u"MODBUS", u"4", u"5", u"6", u"7", u"Інше"});
    case SUM_Type_List: return fromUtf16({u"2 SUM", u"2 sum", u"8 SUM"});
    case AND_Type_List: return fromUtf16({u"2 AND", u"4 AND", u"8 AND"});
    case OR_Type_List: return fromUtf16({u"2 OR", u"4 OR", u"8 OR"});
    case REG_Type_List: return fromUtf16({u"Фронт", u"Уровень", u"Фронт Bit", u"Уровень Bit"});
    case PID_Type_List:
        return fromUtf16(
            {u"Аналоговий ПІД 1", u"Аналоговий ПІД 2", u"Імпульсний ПІД 1", u"Імпульсний ПІД 2", u"Реле 2"});
    case MUX_Type_List: return fromUtf16({u"MUX1-6", u"MUX2-3", u"DMUX1-8", u"DMUX2-4", u"-------"});
    case PRO_Step_List: return programSteps();
    case PRO_Step_Type_List: return fromUtf16({u"Час", u"Завдання", u"Час-Завдання", u"СТОП"});
    case PRO_Program_List: return fromUtf16({u"1", u"2", u"3", u"4"});
    case PAN_Type_List: return fromUtf16({u"OFF_ON", u"OFF_ON2", u"AUT_HND", u"SRT_STP", u"INC_DEC", u"INC_DEC PID"});
    case COD_Step_List: return numbered(QStringLiteral("Крок "), 32);
    case MIN_Type_List: return fromUtf16({u"min", u"max"});
    case TIM_Type_List: return fromUtf16({u"4 канала", u"2 канала", u" ", u" "});
    case OSC_Type_List:
        return fromUtf16({u"Одновібратор 4", u"Мультивібратор 4", u"Одновібратор 2", u"Мультивібратор 2"});
    case JUR_Event_Type_List:
        return fromUtf16({u"Архів", u"Попередження", u"Небезпека 1", u"Небезпека 2", u"Аварія 1", u"Аварія 2",
                          u"ALR SCADA", u"Сигнал", u"SCADA 1", u"SCADA 2", u"SCADA 3", u"SCADA 4", u"SCADA 5",
                          u"SCADA 6", u"SCADA 7", u"SCADA 8"});
    case SCA_Page_List: return numbered(QStringLiteral("Стор. "), 8);
    case SCA_Button_List: return numbered(QStringLiteral("Кн. "), 24);
    case LOG_Channel_Type_List: return fromUtf16({u"SP<=IN", u"Timer"});
    case UNI_Kind_List:
        return fromUtf16({u"Step OFF-ON", u"Меню", u"If_Then", u"If_Then_Else", u"Розрядка ГА", u"DEC_HEX", u"РЕВЕРС",
                          u"Шибер_Клапан", u"Таймер RTC", u"FILTER", u"Графік ПУСК/СТОП", u"Алгоритм ALG_INP",
                          u"Алгоритм ALG_OUT", u"Алгоритм ALG_SYS", u"Алгоритм ALG_MOTOR_F", u"ALG_TIMER_FIFO", u""});
    }
    return {};
}

void fillRowTables(RowTables &t)
{
    t.Parametr_Row_Kind.fill(0);
    t.Parametr_Row_Name.fill(QString());
    t.Parametr_Row_List.fill(0);
    for (const TypeDef &d : typeDefs()) {
        for (int r = 0; r < static_cast<int>(d.rows.size()); ++r) {
            const RowDef &row = d.rows[static_cast<std::size_t>(r)];
            t.Parametr_Row_Kind(d.type, r) = static_cast<std::uint8_t>(row.kind);
            t.Parametr_Row_Name(d.type, r) = QString::fromUtf16(row.caption);
            if (row.kind == RowKind::List)
                t.Parametr_Row_List(d.type, r) = static_cast<std::uint8_t>(row.last);
        }
        const CaptionSwitch &cs = d.captions;
        for (int v = 0; v < static_cast<int>(cs.sets.size()); ++v) {
            const auto &set = cs.sets[static_cast<std::size_t>(v)];
            for (int r = cs.first; r <= cs.last; ++r)
                t.Parametr_Row_Name(d.type, cs.K * v + r) =
                    QString::fromUtf16(set[static_cast<std::size_t>(r - cs.first)]);
            // A switching row below its set repeats its own caption in every set (SUM's "Тип").
            if (cs.row > cs.last)
                t.Parametr_Row_Name(d.type, cs.K * v + cs.row) =
                    QString::fromUtf16(d.rows[static_cast<std::size_t>(cs.row)].caption);
        }
    }
}

} // namespace pelmora::blockparams
