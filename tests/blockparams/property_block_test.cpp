#include "blockparams/property_block.h"
#include "support/block_records.h"
#include "support/fake_services.h"
#include "support/main_window_stand_in.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// Readable failure messages for texts.
static void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace pelmora {
namespace {

using test::BlockRecords;

class PropertyBlockWindow : public test::WithFakes {
protected:
    test::MainWindowStandIn main; // the dialog is built without the main window
    std::unique_ptr<BlockRecords> rec;
    QPointer<PropertyBLOCK> w;

    void TearDown() override
    {
        if (w)
            delete w.data();
    }

    BlockRecords &place(int type, int block = 5)
    {
        if (w)
            delete w.data();
        rec = std::make_unique<BlockRecords>(main.model, type, block);
        return *rec;
    }
    // Opens the dialog as the schema view does.
    PropertyBLOCK &open()
    {
        w = new PropertyBLOCK(main.model, main);
        w->open();
        return *w;
    }
    PropertyBLOCK &open(int type, int block = 5)
    {
        place(type, block);
        return open();
    }
    void choose(int row, int item)
    {
        QComboBox *c = w->Value_Combo[row];
        c->setCurrentIndex(item);
        emit c->activated(item);
    }
};

TEST_F(PropertyBlockWindow, EveryWayOutEnablesTheMainWindowAndUnloadsTheDialog)
{
    struct Way {
        const char *name;
        void (*close)(PropertyBLOCK &);
    };
    const Way ways[] = {
        {"Ok", [](PropertyBLOCK &d) { QTest::mouseClick(d.Ok_Property, Qt::LeftButton); }},
        {"Cancel", [](PropertyBLOCK &d) { QTest::mouseClick(d.Cancel_Property, Qt::LeftButton); }},
        {"window frame", [](PropertyBLOCK &d) { d.close(); }},
    };
    for (const Way &way : ways) {
        SCOPED_TRACE(way.name);
        open(type::MUL, 3);
        ASSERT_FALSE(main.window.isEnabled());
        EXPECT_EQ(w->parentWidget(), nullptr);
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Налаштування параметрів"));
        way.close(*w);
        EXPECT_TRUE(main.window.isEnabled());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(w.isNull());
    }
}

TEST_F(PropertyBlockWindow, CancelKeepsTheEditsMade)
{
    open(type::MUL);
    QTest::keyClicks(w->Value_Text[1], "7");
    QTest::mouseClick(w->Cancel_Property, Qt::LeftButton);
    EXPECT_EQ(rec->V(1), 7.0f);
}

// Every type shows the rows, captions and lists of its table.
TEST_F(PropertyBlockWindow, EveryTypeShowsItsRows)
{
    struct Row {
        const char16_t *caption;
        char kind;     // 'N' number, 'S' name, 'L' list
        int items = 0; // list rows: item count, first and last item
        const char16_t *first = u"";
        const char16_t *last = u"";
    };
    auto N = [](const char16_t *c) { return Row{c, 'N'}; };
    auto S = [](const char16_t *c) { return Row{c, 'S'}; };
    auto L = [](const char16_t *c, int n, const char16_t *first, const char16_t *last) {
        return Row{c, 'L', n, first, last};
    };
    const Row network = L(u"№ у мережі", 16, u"1", u"16");
    struct Type {
        int code;
        std::vector<Row> rows;
    };
    // clang-format off
    const std::vector<Type> types = {
        {type::A_I, {network, L(u"№ входу", 4, u"1", u"4"), L(u"Тип входу", 15, u"Выкл.", u"4-20мА"),
                     N(u"Шкала min"), N(u"Шкала max"), N(u"Зміщення"), N(u"Сигнал min"), N(u"Сигнал max"),
                     N(u"Фільтр")}},
        {type::A_O, {network, L(u"№ виходу", 4, u"1", u"4"), L(u"Тип виходу", 5, u"aOUT", u"Ручне"),
                     N(u"Значення")}},
        {type::D_I, {network, L(u"№ входу", 8, u"1", u"8"), N(u"Тип")}},
        {type::D_O, {network, L(u"№ виходу", 8, u"1", u"8"), L(u"Тип", 4, u"Реле", u"Кроковий мотор"),
                     N(u"Прискорення"), N(u"Сповільнення"), N(u"Швидкість Vmin"), N(u"Обмеження а"),
                     N(u"Маштаб"), N(u" ")}},
        {type::RS4, {L(u"№ у мережі", 128, u"1", u"128"), L(u"Тип", 5, u"CONTROL", u"5"),
                     L(u"Швидкість", 6, u"9600", u"230400")}},
        {type::MUL, {N(u"Підсилення 1"), N(u"Підсилення 2"), N(u"Підсилення 3"), N(u"Підсилення 4")}},
        {type::SUM, {N(u"Зміщення"), N(u"k*вхід 1"), N(u"k*вхід 2"), N(u"k*вхід 1"), N(u"k*вхід 2"),
                     N(u"k*вхід 1"), N(u"k*вхід 2"), N(u"k*вхід 1"), N(u"k*вхід 2"),
                     L(u"Тип", 3, u"2 SUM", u"8 SUM")}},
        {type::DIV, {N(u"Підсилення 1"), N(u"Підсилення 2"), N(u"Підсилення 3"), N(u"Підсилення 4")}},
        {type::SQR, {N(u"Підсилення 1"), N(u"Підсилення 2"), N(u"Підсилення 3"), N(u"Підсилення 4")}},
        {type::AND, {L(u"Тип 2-4-8", 3, u"2 AND", u"8 AND")}},
        {type::OR_, {L(u"Тип 2-4-8", 3, u"2 OR", u"8 OR")}},
        {type::REG, {L(u"Тип регістра", 4, u"Фронт", u"Уровень Bit")}},
        {type::S_P, {S(u"Назва задавача 1"), N(u"Задавач 1"), S(u"Назва задавача 2"), N(u"Задавач 2"),
                     S(u"Назва задавача 3"), N(u"Задавач 3"), S(u"Назва задавача 4"), N(u"Задавач 4"),
                     S(u"Назва задавача 5"), N(u"Задавач 5"), S(u"Назва задавача 6"), N(u"Задавач 6"),
                     S(u"Назва задавача 7"), N(u"Задавач 7"), S(u"Назва задавача 8"), N(u"Задавач 8"),
                     S(u"Назва блоку")}},
        {type::PID, {L(u"Тип", 5, u"Аналоговий ПІД 1", u"Реле 2"), N(u"МАХ"), N(u"MIN"), N(u"КП 1"), N(u"ТІ 1"),
                     N(u"ТД 1"), N(u"Масштаб"), N(u"Слідкування"), N(u"Випередження"), N(u"Балансування"),
                     N(u"Вихід PID MIN"), N(u"Вихід PID MAX")}},
        {type::MUX, {L(u"Тип комутатора", 5, u"MUX1-6", u"-------")}},
        {type::PRO, {L(u"Програма\\Крок", 32, u"Програма 1 Крок 1 (1)", u"Програма 4 Крок 8 (32)"), N(u"Набір"),
                     N(u"Витримка"), N(u"Завдання"), L(u"Тип", 4, u"Час", u"СТОП"), L(u"Програма", 4, u"1", u"4")}},
        {type::PAN, {L(u"Тип панелі", 6, u"OFF_ON", u"INC_DEC PID"), S(u"Назва панелі"), S(u"Назва каналу 1"),
                     S(u"Назва каналу 2"), S(u"Назва каналу 3"), S(u"Назва каналу 4"), N(u"Завдання 1"),
                     N(u"Завдання 2"), N(u"Завдання 3"), N(u"Завдання 4"), N(u"Обмеження 1"), N(u"Обмеження 2"),
                     N(u"Обмеження 3"), N(u"Обмеження 4")}},
        {type::RTC, {N(u"Вкл. год"), N(u"Вкл. хв"), N(u"Вкл. сек"), N(u"Викл. год"), N(u"Викл. хв"),
                     N(u"Викл. сек")}},
        {type::COD, {L(u"Крок", 32, u"Крок 1", u"Крок 32"), N(u"Вихід 1"), N(u"Вихід 2"), N(u"Вихід 3"),
                     L(u"Номер блоку", 8, u"1", u"8")}},
        {type::MIN, {L(u"Мінімум/Максимум", 2, u"min", u"max")}},
        {type::LIM, {N(u"Рівень min 1"), N(u"Рівень max 1"), N(u"Рівень min 2"), N(u"Рівень max 2")}},
        {type::CMP, {N(u"Завдання 1"), N(u"Зона 1"), N(u"Гістерезис 1"), N(u"Завдання 2"), N(u"Зона 2"),
                     N(u"Гістерезис 2")}},
        {type::TIM, {L(u"Тип", 4, u"4 канала", u" "), N(u"Завдання 1"), N(u"Завдання 2"), N(u"Завдання 3"),
                     N(u"Завдання 4")}},
        {type::COU, {N(u"Завдання CNT"), N(u"Мінімум CNT"), N(u"Максимум CNT")}},
        {type::OSC, {L(u"Тип", 4, u"Одновібратор 4", u"Мультивібратор 2"), N(u"Імпульс 1"), N(u"Пауза 1"),
                     N(u"Імпульс 2"), N(u"Пауза 2"), N(u"Імпульс 3"), N(u"Пауза 3"), N(u"Імпульс 4"),
                     N(u"Пауза 4")}},
        {type::GRA, {L(u"№ каналу", 32, u"1", u"32"), N(u"Опитування"), S(u"Назва графіка"), N(u"Шкала min "),
                     N(u"Шкала max"), S(u"Назва каналу")}},
        {type::JUR, {L(u"Подія", 32, u"1", u"32"), S(u"Назва"), L(u"Тип події", 16, u"Архів", u"SCADA 8"),
                     N(u"Час"), N(u"Координата Y")}},
        {type::SCA, {L(u"№ сторінки", 8, u"Стор. 1", u"Стор. 8"), L(u"№ кнопки 1-24", 24, u"Кн. 1", u"Кн. 24"),
                     N(u"№ блоку 1-99")}},
        {type::LOG, {L(u"№ каналу", 3, u"1", u"3"), L(u"Тип каналу", 2, u"SP<=IN", u"Timer"), N(u"Параметр"),
                     N(u"Затримка")}},
        {type::UNI, {L(u"Тип", 17, u"Step OFF-ON", u""), N(u"Затримка 1"), N(u"Затримка 2"), N(u"Затримка 3"),
                     N(u"Затримка 4"), N(u"Затримка 5"), N(u"Затримка 6"), N(u"Затримка 7"), N(u"Затримка 8")}},
        {type::REP, {S(u"Назва події 1"), S(u"Назва події 2"), S(u"Назва події 3"), S(u"Назва події 4"),
                     S(u"Назва події 5"), S(u"Назва події 6"), S(u"Назва події 7"), S(u"Назва події 8"),
                     S(u"Назва події 9"), S(u"Назва події 10"), S(u"Назва події 11"), S(u"Назва події 12"),
                     S(u"Назва події 13"), S(u"Назва події 14"), S(u"Назва події 15"), S(u"Назва події 16")}},
        // Types without rows.
        {type::SYS, {}}, {type::ABS, {}}, {type::XOR, {}}, {type::TRI, {}}, {type::MON, {}}, {type::INV, {}},
        {type::TOU, {}}, {7, {}}, {8, {}}, {14, {}}, {15, {}}, {16, {}}, {22, {}}, {23, {}}, {24, {}},
        {32, {}}, {39, {}}, {40, {}},
    };
    // clang-format on
    const QColor white(255, 255, 255), lightCyan(192, 255, 255);
    for (const Type &t : types) {
        SCOPED_TRACE(testing::Message() << "type " << t.code);
        open(t.code);
        const int n = static_cast<int>(t.rows.size());
        for (int r = 0; r < blockparams::kRowCount; ++r) {
            SCOPED_TRACE(testing::Message() << "row " << r);
            QLabel *caption = w->Set_ParametrLabel[r];
            QComboBox *list = w->Value_Combo[r];
            QLineEdit *text = w->Value_Text[r];
            if (r >= n) {
                EXPECT_FALSE(caption->isVisible());
                EXPECT_FALSE(list->isVisible());
                EXPECT_FALSE(text->isVisible());
                continue;
            }
            const Row &e = t.rows[static_cast<std::size_t>(r)];
            EXPECT_TRUE(caption->isVisible());
            EXPECT_EQ(caption->text(), QString::fromUtf16(e.caption));
            EXPECT_EQ(list->isVisible(), e.kind == 'L');
            EXPECT_EQ(text->isVisible(), e.kind != 'L');
            if (e.kind == 'L') {
                ASSERT_EQ(list->count(), e.items);
                EXPECT_EQ(list->itemText(0), QString::fromUtf16(e.first));
                EXPECT_EQ(list->itemText(e.items - 1), QString::fromUtf16(e.last));
            } else {
                EXPECT_EQ(text->palette().color(QPalette::Base), e.kind == 'S' ? lightCyan : white);
            }
        }
        // 1700 twips for a type without rows, 330 more per row; buttons 1100 above the lower edge.
        const int height = 1700 + 330 * n;
        EXPECT_EQ(w->formHeight(), height);
        EXPECT_EQ(w->Ok_Property->y(), (height - 1100) / 15);
        EXPECT_EQ(w->Cancel_Property->y(), (height - 1100) / 15);
        EXPECT_TRUE(w->Blok_Image->isVisible());
        EXPECT_TRUE(w->Num_Block_Label->isVisible());
    }
    EXPECT_TRUE(ui().messages.empty());
}

TEST_F(PropertyBlockWindow, BlockNumberHasALeadingZeroOrABlank)
{
    struct Case {
        int block;
        const char *shown;
    };
    for (const Case &c : {Case{7, "07"}, Case{12, " 12"}, Case{96, " 96"}, Case{1, "01"}}) {
        open(type::MUL, c.block);
        EXPECT_EQ(w->Num_Block_Label->text(), c.shown);
        EXPECT_EQ(w->Num_Block_Label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }
}

TEST_F(PropertyBlockWindow, BlockPictureOfTheBlocksType)
{
    open(type::PID);
    const QPixmap expected(QStringLiteral(":/blocks/block_26.png"));
    EXPECT_EQ(w->Bl_Image->pixmap().isNull(), expected.isNull());
    if (!expected.isNull()) {
        EXPECT_EQ(w->Bl_Image->pixmap().toImage(), expected.toImage());
    }
}

TEST_F(PropertyBlockWindow, TypedKeysAreStoredOneByOne)
{
    open(type::MUL);
    QLineEdit *box = w->Value_Text[2];
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_1);
    EXPECT_EQ(rec->V(2), 1.0f);
    QTest::keyClick(box, Qt::Key_2);
    EXPECT_EQ(rec->V(2), 12.0f);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(rec->V(2), 1.0f);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "");
    EXPECT_EQ(rec->V(2), 1.0f);
}

// Deleting with the Delete key and pasting change the text as typing does.
TEST_F(PropertyBlockWindow, DeletingAndPastingAreStoredToo)
{
    rec.reset();
    place(type::MUL).V(0) = 125.0f;
    open();
    QLineEdit *box = w->Value_Text[0];
    box->setFocus();
    box->setCursorPosition(0);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(rec->V(0), 25.0f);
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    box->setCursorPosition(0);
    box->paste();
    EXPECT_EQ(rec->V(0), 725.0f);
}

TEST_F(PropertyBlockWindow, ListChoicesAreStoredAndRefreshTheRows)
{
    auto &a = place(type::A_I);
    a.V(2) = 4.0f;
    a.V(26) = 0.75f;
    open();
    EXPECT_EQ(w->Value_Text[8]->text(), "0");
    choose(1, 1);
    EXPECT_EQ(w->Value_Combo[2]->currentIndex(), 4);
    EXPECT_EQ(w->Value_Text[8]->text(), "0.75");
    QLineEdit *filter = w->Value_Text[8];
    filter->selectAll();
    QTest::keyClicks(filter, "2.5");
    EXPECT_EQ(rec->V(26), 2.5f);
    EXPECT_EQ(rec->V(25), 0.0f);
    choose(2, 13);
    EXPECT_EQ(rec->V(2), 13.0f);
}

TEST_F(PropertyBlockWindow, AChoiceByKeyboardIsStoredOnce)
{
    place(type::TIM).V(0) = 1.0f;
    open();
    QComboBox *list = w->Value_Combo[0];
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(rec->V(0), 0.0f);
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(rec->V(0), 3.0f);
}

TEST_F(PropertyBlockWindow, CaptionsFollowTheVariantChosen)
{
    open(type::SUM);
    choose(9, 1);
    EXPECT_EQ(w->Set_ParametrLabel[3]->text(), "Зміщення 2");
    EXPECT_EQ(rec->V(9), 1.0f);
}

TEST_F(PropertyBlockWindow, RowsPastTheRecordAreDisabled)
{
    open(type::SCA);
    EXPECT_FALSE(w->Value_Text[2]->isEnabled());
    open(type::A_O);
    EXPECT_FALSE(w->Value_Text[3]->isEnabled());
    EXPECT_TRUE(w->Value_Combo[2]->isEnabled());
}

TEST_F(PropertyBlockWindow, FailedLoadingShowsItsMessageAndTheDialogStillOpens)
{
    place(type::A_I).V(0) = 16.0f;
    open();
    ASSERT_EQ(ui().messageTexts(), QStringList{"Помилка параметра!!!"});
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Value_Combo[0]->currentIndex(), -1);
    EXPECT_EQ(w->Value_Text[3]->text(), "");
}

// A length limit set before the dialog is shown keeps a longer stored name whole;
// the user cannot make it longer but can shorten it.
TEST_F(PropertyBlockWindow, LengthLimitNeverCutsAStoredName)
{
    const QString longName = QStringLiteral("Котельня, панель насосів 1");
    ASSERT_GT(longName.size(), 17);
    place(type::PAN).T(0) = longName;
    w = new PropertyBLOCK(main.model, main);
    w->Value_Text[1]->setMaxLength(17);
    w->show();
    QLineEdit *box = w->Value_Text[1];
    EXPECT_EQ(box->text(), longName);
    box->setFocus();
    box->end(false);
    QTest::keyClick(box, Qt::Key_X);
    EXPECT_EQ(box->text(), longName);
    EXPECT_EQ(rec->T(0), longName);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(rec->T(0), longName.left(longName.size() - 1));
    // Typing into another row stores that row and leaves the long name alone.
    QTest::keyClicks(w->Value_Text[13], "9");
    EXPECT_EQ(rec->T(0), longName.left(longName.size() - 1));

    // A short text box takes at most 17 characters, the journal's first row 40.
    open(type::MUL);
    QTest::keyClicks(w->Value_Text[0], "123456789012345678901");
    EXPECT_EQ(w->Value_Text[0]->text().size(), 17);
    open(type::JUR);
    w->Value_Text[1]->selectAll();
    QTest::keyClicks(w->Value_Text[1], QString(45, QLatin1Char('a')));
    EXPECT_EQ(w->Value_Text[1]->text().size(), 40);
    EXPECT_EQ(rec->T(0), QString(40, QLatin1Char('a')));
}

} // namespace
} // namespace pelmora
