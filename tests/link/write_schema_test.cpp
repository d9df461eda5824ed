#include "link/write_schema.h"

#include "mainwindow/config_scada.h"
#include "project/config_project.h"
#include "support/fake_services.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

class WriteSchemaWindow : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        main = std::make_unique<Config_SCADA>();
        settings = &main->projectSettings->dialog(); // loaded, hidden
        settings->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    void TearDown() override
    {
        main.reset();
        delete settings.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Lets the window's deferred deletion run.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::unique_ptr<Config_SCADA> main;
    QPointer<Config_Project> settings;
};

TEST_F(WriteSchemaWindow, LoadsHiddenWithItsDesignValues)
{
    ASSERT_EQ(Write_SCHEMA::loaded(*main), nullptr);
    Write_SCHEMA &w = Write_SCHEMA::load(main->model(), *main);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(&Write_SCHEMA::load(main->model(), *main), &w); // one instance
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Запис схеми в Orvo"));
    const std::pair<QLabel *, const char *> labels[] = {
        {w.Label1, "Пакет:"},   {w.Num_Paket_SCADA, "0"}, {w.Label2, "Сторінка:"}, {w.Numb_Sheet_SCADA, "0"},
        {w.Label3, "Помилки:"}, {w.Err_Write_Scada, "0"}, {w.Label4, "T ms:"},     {w.T_msec, "300"},
    };
    for (const auto &[label, text] : labels)
        EXPECT_EQ(label->text(), QString::fromUtf8(text)) << label->objectName().toStdString();
    EXPECT_EQ(w.Write_SCHEMA_ProgressBar->minimum(), 0);
    EXPECT_EQ(w.Write_SCHEMA_ProgressBar->maximum(), 10);
    EXPECT_EQ(w.Write_SCHEMA_ProgressBar->value(), 0);
    EXPECT_EQ(w.Command1->text(), QStringLiteral("Відміна"));
    EXPECT_EQ(main->windows().find<Write_SCHEMA>(), &w);
}

TEST_F(WriteSchemaWindow, CancelEnablesSettingsEndsThePageRangeAndUnloads)
{
    Write_SCHEMA &w = Write_SCHEMA::load(main->model(), *main);
    w.show();
    w.T_msec->setText(QStringLiteral("40"));
    w.Write_SCHEMA_ProgressBar->setValue(6);
    settings->setEnabled(false);
    main->setEnabled(false);
    main->model().link.Save_n_Stranica_Flag = 1;

    QTest::mouseClick(w.Command1, Qt::LeftButton);

    EXPECT_TRUE(settings->isEnabled());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(main->model().link.Save_n_Stranica_Flag, 0);
    EXPECT_EQ(Write_SCHEMA::loaded(*main), nullptr);
    settle();
    EXPECT_EQ(main->windows().find<Write_SCHEMA>(), nullptr);

    // A later write loads a fresh window with the design values again.
    Write_SCHEMA &again = Write_SCHEMA::load(main->model(), *main);
    EXPECT_EQ(again.T_msec->text(), QStringLiteral("300"));
    EXPECT_EQ(again.Write_SCHEMA_ProgressBar->value(), 0);
    EXPECT_FALSE(again.isVisible());
}

// The close box of a window left open by a transfer that has ended gives the
// settings back as "Відміна" does; while a transfer holds the link they stay
// read-only until it ends. The page range is not ended by it either way.
TEST_F(WriteSchemaWindow, CloseBoxEnablesTheSettingsOnlyWhenNoTransferHoldsTheLink)
{
    for (const LinkTransfer holder : {LinkTransfer::None, LinkTransfer::Page, LinkTransfer::Schema}) {
        SCOPED_TRACE(static_cast<int>(holder));
        Write_SCHEMA &w = Write_SCHEMA::load(main->model(), *main);
        w.show();
        settings->setEnabled(false);
        main->setEnabled(false);
        main->model().link.Save_n_Stranica_Flag = 1;
        main->model().link.Transfer_Busy = holder;

        w.close();

        EXPECT_EQ(settings->isEnabled(), holder == LinkTransfer::None);
        EXPECT_TRUE(main->isEnabled());
        EXPECT_EQ(main->model().link.Save_n_Stranica_Flag, 1);
        EXPECT_EQ(Write_SCHEMA::loaded(*main), nullptr);
        settle();
    }
    main->model().link.Transfer_Busy = LinkTransfer::None;
}

TEST_F(WriteSchemaWindow, CancelWithoutASettingsDialogStillUnloads)
{
    delete settings.data();
    Write_SCHEMA &w = Write_SCHEMA::load(main->model(), *main);
    w.show();
    w.Command1_Click();
    EXPECT_EQ(Write_SCHEMA::loaded(*main), nullptr);
    EXPECT_EQ(main->model().link.Save_n_Stranica_Flag, 0);
}

TEST_F(WriteSchemaWindow, UnloadOfAnUnloadedWindowDoesNothing)
{
    main->setEnabled(false);
    Write_SCHEMA::unload(*main); // not loaded: the main window is left as it is
    EXPECT_FALSE(main->isEnabled());
    Write_SCHEMA::load(main->model(), *main);
    Write_SCHEMA::unload(*main);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(Write_SCHEMA::loaded(*main), nullptr);
}

TEST_F(WriteSchemaWindow, MainWindowShutdownUnloadsIt)
{
    QPointer<Write_SCHEMA> w = &Write_SCHEMA::load(main->model(), *main);
    w->show();
    main->Form_Unload();
    settle();
    EXPECT_TRUE(w.isNull());
}

} // namespace
} // namespace pelmora
