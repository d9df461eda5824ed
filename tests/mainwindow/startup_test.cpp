#include "mainwindow/config_scada.h"
#include "monitors/calculiator.h"
#include "support/fake_services.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <gtest/gtest.h>

using namespace pelmora;

namespace {

class StartUp : public test::WithFakes {
protected:
    Config_SCADA w;
    ProjectModel &m = w.model();
};

} // namespace

TEST_F(StartUp, DefaultsOfTheModel)
{
    const auto &s = m.settings;
    EXPECT_EQ(s.T_Zapyt, 5);
    EXPECT_EQ(s.ALGORITHM_Last_Step, 1);
    EXPECT_EQ(s.Stranica_Stop, 1);
    EXPECT_EQ(s.Format_Version, 6);
    EXPECT_EQ(m.pages.Pending_Element_Kind, 0);
    EXPECT_EQ(m.pages.Setka_Razmer, 1);
    EXPECT_EQ(m.pages.Setka_Razmer_Menu, 1);
    EXPECT_EQ(m.pages.Control_Grid, 0);
    EXPECT_EQ(m.pages.Control_Grid_Menu, 0);
    EXPECT_EQ(s.Num_COM_Link, 1);
    EXPECT_EQ(s.Num_Net, 1);
    EXPECT_EQ(s.Type_Block_Edit, 1);
    EXPECT_EQ(m.pages.Num_Stranica_SCADA, 0);
    EXPECT_EQ(s.Name_Schema, QStringLiteral("Пусто"));
    EXPECT_EQ(s.Stranica_Count, 0);
    EXPECT_EQ(m.schema.Parametr_Name(0), QStringLiteral("0"));
    EXPECT_EQ(m.schema.Parametr_Name(9999), QStringLiteral("0"));
    EXPECT_EQ(m.schema.Parametr_Name(10000), QString());
    EXPECT_EQ(m.schema.Parametr_Name(20000), QString());
    EXPECT_EQ(m.schema.ALGORITHM_Block_Line(0, 0), QString());
    EXPECT_EQ(m.schema.ALGORITHM_Block_Line(0, 1), QStringLiteral("0"));
    EXPECT_EQ(m.schema.ALGORITHM_Block_Line(0, 129), QStringLiteral("0"));
    EXPECT_EQ(m.schema.ALGORITHM_Block_Line(1, 1), QString());
}

TEST_F(StartUp, CapacityTakesTheStartUpVersionValues)
{
    // The ALGORITHM capacity and the counts that follow it are those of 5.71
    // from the first moment, as saving would set them.
    EXPECT_EQ(m.settings.ALGORITHM_Statement_Max, 224);
    EXPECT_EQ(m.settings.Alg_Name_Count, 9184);
    EXPECT_EQ(m.settings.Comment_Count, 2464);
    EXPECT_EQ(m.catalogue.Parametr_Name_Count(type::ALG), 9184);
    EXPECT_EQ(m.catalogue.Parametr_Value_Count(type::TOU), 1);
    EXPECT_EQ(m.catalogue.Parametr_Name_Count(type::RS4), 48);
}

TEST_F(StartUp, FontSizesOnlyOnPageZero)
{
    for (int n = 0; n <= 32; ++n) {
        EXPECT_EQ(m.pages.Parametr_Font_Size(0, n), 8) << n;
        EXPECT_EQ(m.pages.Text_Signal_Font_Size(0, n), 10) << n;
        for (int p = 1; p <= 16; ++p) {
            EXPECT_EQ(m.pages.Parametr_Font_Size(p, n), 0);
            EXPECT_EQ(m.pages.Text_Signal_Font_Size(p, n), 0);
        }
    }
    for (int p = 0; p <= 16; ++p)
        EXPECT_TRUE(m.pages.Stranica_Name(p).isEmpty());
}

TEST_F(StartUp, WindowCaptionLogoAndImages)
{
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Конфігуратор Velkor 5.71"));
    EXPECT_EQ(w.size(), QSize(810, 570));
    // The layout is fixed: the window cannot be shrunk over the schema.
    EXPECT_EQ(w.minimumSize(), QSize(810, 570));
    EXPECT_EQ(w.maximumSize(), QSize(810, 570));
    EXPECT_EQ(w.Logo->geometry(), QRect(168, 92, 457, 179));
    EXPECT_FALSE(w.Logo->isHidden());
    EXPECT_EQ(w.Logo->pixmap().size(), QSize(457, 179));
    for (int i = 0; i <= 104; ++i) {
        ASSERT_NE(w.Block_IMAGE[i], nullptr) << i;
        EXPECT_TRUE(w.Block_IMAGE[i]->isHidden()) << i;
        EXPECT_EQ(w.Block_IMAGE[i]->size(), QSize(40, 40));
    }
    EXPECT_EQ(w.Varning_Text->size(), QSize(400, 19));
    EXPECT_EQ(w.Varning_Text->text(), QStringLiteral("Попередження"));
    EXPECT_TRUE(w.Varning_Text->isHidden());
}

TEST_F(StartUp, MenuTree)
{
    // name, caption, visible, enabled, checked
    const struct {
        const char *name;
        const char16_t *caption;
        bool visible, enabled, checked;
    } rows[] = {
        {"mnuFile", u"&Файл", true, true, false},
        {"mnuNEW", u"&Створити проект", true, true, false},
        {"mnuLoad", u"&Відкрити проект", true, true, false},
        {"mnuSave", u"&Зберегти проект", true, false, false},
        {"mnu5", u"", false, true, false},
        {"mnuNetlist", u"&Відкрити Netlist P-CAD", false, true, false},
        {"mnu1", u"", true, true, false},
        {"mnuExit", u"&Вихід", true, true, false},
        {"mnuConfig", u"&Конфігуратор", false, true, false},
        {"mnuSchema", u"&Схема", true, true, false},
        {"MnuSCADA", u"&SCADA", true, true, false},
        {"mmnu", u"", true, true, false},
        {"mnuNastrojki", u"&Налаштування", true, true, false},
        {"MnuSCADA1", u"&SCADA", false, true, false},
        {"MnuInsertFonSCADA", u"&Встановити фон SCADA", true, true, false},
        {"MnuColorFonSCADA", u"&Колір фону", true, true, false},
        {"mnuBlockSCADA", u"&Блокування елементів", true, true, true},
        {"MnuCoordNetSCADA", u"&Координатна сітка", true, true, false},
        {"MnuLine", u"&Лінія", true, false, false},
        {"MnuFigura", u"&Фігура", true, true, false},
        {"MnuMenuSCADA", u"&Меню", true, true, false},
        {"mnuText", u"&Текст", true, true, false},
        {"MnuGotoBlockSCADA", u"&Перехід у блок", true, true, false},
        {"MnuParametrSCADA", u"&Параметр", true, true, false},
        {"MnuLevelSCADA", u"&Рівень", true, true, false},
        {"mnuManometr", u"&Манометр", false, true, false},
        {"MnuSignalSCADA", u"&Сигналізація", true, true, false},
        {"MnuTextSignal", u"&Текстова сигналізація", true, true, false},
        {"mnuVent", u"&Механізм", true, true, false},
        {"MnuControl", u"&Керування", true, true, false},
        {"MnuJurnSignal", u"&Попередження", true, true, false},
        {"MnuClockSCADA", u"&Годинник", true, true, false},
        {"MnuOrvo", u"&Контролер Orvo_Tesk", false, true, false},
        {"MnuSaveOrvo", u"&Записати схему в Orvo_Tesk", true, true, false},
        {"MnuSaveOrvoSCADA", u"&Записати сторінку SCADA у Orvo", false, true, false},
        {"MnuAllSaveOrvoSCADA", u"&Записати сторінки SCADA у Orvo ...", false, true, false},
        {"mnuTesk", u"&Додатки", true, true, false},
        {"mnuCalculiator", u"&Калькулятор", true, true, false},
        {"mnuOSC", u"&Монітор Tesk", false, true, false},
        {"mnuOSC_Orvo", u"&Монітор Orvo", true, true, false},
        {"mnuHelp", u"&Довідка", true, true, false},
        {"mnuHelp5", u"&Версія 5.71  (01/11/25) ", true, true, true},
        {"mnuHelp4", u"&Версія 4.5  (01/07/19) ", true, true, false},
        {"mnuHelp3", u"&Версія 4.2  (01/04/17) ", true, true, false},
        {"mnuHelp1", u"&Версія 3.0  (01/06/15) ", true, true, false},
        {"mnuHelp2", u"&Версія 1.3  (01/01/15) ", true, true, false},
        {"mnuEdit", u"&Редагувати", false, true, false},
        {"mnuCopy", u"&Копіювати", true, true, false},
        {"mnuPaste", u"&Вставити", true, true, false},
        {"mnuDelete", u"&Видалити", true, true, false},
    };
    ASSERT_EQ(w.menuItems.size(), static_cast<qsizetype>(std::size(rows)));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto &r = rows[i];
        SCOPED_TRACE(r.name);
        QAction *a = w.menuItems[static_cast<qsizetype>(i)];
        EXPECT_EQ(a->objectName(), QLatin1String(r.name)); // menu order
        if (!a->isSeparator()) {
            EXPECT_EQ(a->text(), QString::fromUtf16(r.caption));
        }
        EXPECT_EQ(a->isVisible(), r.visible);
        if (r.visible) { // Qt reports a hidden action as disabled
            EXPECT_EQ(a->isEnabled(), r.enabled);
        }
        EXPECT_EQ(a->isChecked(), r.checked);
    }
}

TEST_F(StartUp, ClosingLeavesWindowsOffTheUnloadListOpen)
{
    // A window off the list (as the trend monitors are) and one on it.
    auto *monitor = new QWidget;
    monitor->setAttribute(Qt::WA_DeleteOnClose);
    w.windows().add(monitor);
    Calculiator &dialog = Calculiator::mnuCalculiator_Click(w);
    QPointer<QWidget> dialogAlive(&dialog);
    monitor->show();
    w.show();
    w.mnuExit_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(monitor->isVisible());
    EXPECT_TRUE(dialogAlive.isNull());
    monitor->close();
}
