// "GIF у Orvo" from the phase editor against the controller simulator, over a
// pseudo-terminal pair and over TCP: the picture the controller reassembles is
// phase 0's, pixel for pixel, and every way the transfer ends leaves the
// progress window, the settings dialog and the link as they should be.

#include "element_dialogs/mechanizm_window.h"
#include "link/write_schema.h"
#include "support/fake_services.h"
#include "support/main_window_stand_in.h"
#include "support/mechanism_pictures.h"
#include "support/simulator.h"
#include "support/simulator_line.h"
#include "support/simulator_mechanism.h"
#include "support/simulator_pty.h"
#include "support/timer_watching_messages.h"
#include "ui/window_frame.h"
#include "upload/mechanism_packing.h"
#include "upload/mechanism_upload.h"
#include "upload/packet_sender.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::ControllerSimulator;
using test::MechanismController;
using test::ReplyFault;

const QString kPhases = QStringLiteral(PELMORA_MECHANISM_PHASES);
constexpr int kNet = 5;

using test::Transport;

class MechanismEditorUpload : public test::WithFakes, public ::testing::WithParamInterface<Transport> {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        for (int i = 0; i < 3; ++i) {
            const QString name = QStringLiteral("phase%1.gif").arg(i);
            ASSERT_TRUE(QFile::copy(kPhases + QLatin1Char('/') + name, folder.filePath(name)));
            main.model.pages.Mechanizm_Gif_Name(i) = QLatin1Char('\\') + name;
        }
        main.model.settings.Num_Net = kNet;
        main.model.settings.T_Zapyt = 40;
        line = std::make_unique<test::SimulatorLine>(sim, GetParam(), 1);
        ASSERT_TRUE(line->ok()) << line->error().toStdString();
        line->pointSettings(main.model.settings);
        ASSERT_TRUE(line->connectClient(main.controllerLink));
        // The mechanism dialog, modal over the main window, opens the editor.
        vent = new QWidget;
        ventFrame = new WindowFrame(*vent, main.window, main.registry, WindowFrameKind::Modal);
        main.window.show();
        ventFrame->show();
        editor = &MECHANIZMf::open(main.model, main, *vent, {});
        editor->Combo1->setCurrentIndex(2);
        Services::installMessages(&watcher);
    }
    void TearDown() override
    {
        Services::installMessages(&test::fakes());
        delete editor.data();
        delete vent;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(previous);
    }

    // Presses "GIF у Orvo" and lets the transfer run to its end.
    MechanismUpload &send()
    {
        editor->ZIP__GIF->click();
        MechanismUpload *up = MechanismUpload::find(main);
        EXPECT_NE(up, nullptr);
        watcher.timer = up->MECH_Timer;
        EXPECT_TRUE(ControllerSimulator::waitFor([&] { return !up->running(); }, 30000));
        // Replies carry no packet number: a reply late beyond its wait is taken for
        // the next packet's, and the last packet may then still be on its way.
        ControllerSimulator::waitFor([&] { return controller.complete(); }, 1000);
        return *up;
    }
    void choosePhase0(const QImage &picture)
    {
        const QString file = folder.filePath(QStringLiteral("big.png"));
        ASSERT_TRUE(picture.save(file));
        ui().openPaths = {file};
        editor->Pictur_Mechanizm_Click(0);
    }

    test::MainWindowStandIn main;
    QTemporaryDir folder;
    QString previous;
    ControllerSimulator sim;
    std::unique_ptr<test::SimulatorLine> line;
    MechanismController controller{sim};
    QWidget *vent = nullptr;
    WindowFrame *ventFrame = nullptr;
    QPointer<MECHANIZMf> editor;
    test::TimerWatchingMessages watcher;
};

TEST_P(MechanismEditorUpload, ControllerReassemblesPhaseZero)
{
    struct Case {
        const char *what;
        QImage phase0; // null: the recorded GIF file
        int packets;
    };
    const Case cases[] = {
        {"the three-phase GIF mechanism", QImage(), 1},
        {"a phase of many packets", test::alternatingPicture(120, 60), 8},
    };
    for (const Case &c : cases) {
        if (!c.phase0.isNull())
            choosePhase0(c.phase0);
        const QImage expected = (c.phase0.isNull() ? QImage(kPhases + QStringLiteral("/phase0.gif")) : c.phase0)
                                    .convertToFormat(QImage::Format_RGB32);
        sim.clearRecords();
        MechanismUpload &up = send();

        EXPECT_TRUE(ui().messages.empty()) << c.what << ": " << ui().messageTexts().join(u'|').toStdString();
        EXPECT_TRUE(controller.complete())
            << c.what << ": " << controller.problems().join(QStringLiteral("; ")).toStdString();
        EXPECT_EQ(controller.picture(), expected) << c.what;
        EXPECT_EQ(static_cast<int>(sim.frames().size()), c.packets) << c.what;
        for (const auto &f : sim.frames()) {
            EXPECT_EQ(static_cast<int>(f.bytes.at(0)), kNet) << c.what;
            EXPECT_EQ(f.kind, 'D') << c.what;
        }
        const mechanism::PackedPicture packed = mechanism::packMechanism(expected);
        EXPECT_EQ(controller.image(), packed.image) << c.what;
        EXPECT_EQ(editor->Label3->text(), QStringLiteral("Розмір масиву GIF - %1").arg(packed.length)) << c.what;
        // Done: the progress window gone, the settings dialog and the link free
        // again; the main window stays disabled under the mechanism dialog.
        EXPECT_FALSE(up.MECH_Timer->isActive()) << c.what;
        EXPECT_EQ(Write_SCHEMA::loaded(main), nullptr) << c.what;
        EXPECT_TRUE(main.settingsEnabled) << c.what;
        EXPECT_EQ(main.model.link.Transfer_Busy, LinkTransfer::None) << c.what;
        EXPECT_FALSE(main.window.isEnabled()) << c.what;
        EXPECT_FALSE(vent->isEnabled()) << c.what;
    }
}

TEST_P(MechanismEditorUpload, RunsOnAfterTheEditorCloses)
{
    editor->ZIP__GIF->click();
    MechanismUpload *up = MechanismUpload::find(main);
    ASSERT_NE(up, nullptr);
    EXPECT_TRUE(up->running());
    EXPECT_FALSE(main.settingsEnabled);
    EXPECT_EQ(main.model.link.Transfer_Busy, LinkTransfer::Mechanism);
    editor->Ok_Vent_Click();
    delete vent;
    vent = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ControllerSimulator::waitFor([&] { return !up->running(); }, 30000));
    EXPECT_TRUE(controller.complete()) << controller.problems().join(QStringLiteral("; ")).toStdString();
    EXPECT_EQ(controller.picture(),
              QImage(kPhases + QStringLiteral("/phase0.gif")).convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(main.window.isEnabled());
}

TEST_P(MechanismEditorUpload, PressedAgainStartsOver)
{
    const QImage picture = test::alternatingPicture(120, 60);
    choosePhase0(picture);
    editor->ZIP__GIF->click();
    ASSERT_TRUE(sim.waitForFrames(2));
    MechanismUpload &up = send();
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u'|').toStdString();
    EXPECT_TRUE(controller.complete()) << controller.problems().join(QStringLiteral("; ")).toStdString();
    EXPECT_EQ(controller.picture(), picture);
    // The image went again from its first packet.
    const auto &frames = sim.frames();
    ASSERT_GE(frames.size(), 10u);
    EXPECT_EQ(static_cast<int>(frames[frames.size() - 8].bytes.at(3)), 1);
    EXPECT_FALSE(up.running());
    EXPECT_EQ(Write_SCHEMA::loaded(main), nullptr);
    EXPECT_TRUE(main.settingsEnabled);
    EXPECT_EQ(main.model.link.Transfer_Busy, LinkTransfer::None);
}

TEST_P(MechanismEditorUpload, BadRepliesAreAnsweredOrEndTheTransfer)
{
    ReplyFault badCrc, refused, silent;
    badCrc.badCrc = true;
    refused.status = 1;
    silent.silent = true;
    struct Case {
        const char *what;
        std::deque<ReplyFault> faults;
        QString message; // empty: the picture arrives
        int sends;
    };
    const Case cases[] = {
        {"two garbled replies, then good ones", {badCrc, badCrc}, QString(), 3},
        {"seven refusals and a good reply", std::deque<ReplyFault>(7, refused), QString(), 8},
        {"eight garbled replies", std::deque<ReplyFault>(8, badCrc), QString::fromUtf16(kAckChecksumError), 8},
        {"eight refusals", std::deque<ReplyFault>(8, refused), QString::fromUtf16(kAckStatusError), 8},
        {"no reply at all", std::deque<ReplyFault>(8, silent), QString::fromUtf16(kAckChecksumError), 8},
    };
    for (const Case &c : cases) {
        ui().reset();
        sim.clearRecords();
        main.settingsEnabled = true;
        sim.nextFaults = c.faults;
        MechanismUpload &up = send();
        EXPECT_EQ(static_cast<int>(sim.frames().size()), c.sends) << c.what;
        EXPECT_FALSE(watcher.timerActiveAtMessage) << c.what;
        EXPECT_EQ(main.model.link.Transfer_Busy, LinkTransfer::None) << c.what;
        if (c.message.isEmpty()) {
            EXPECT_TRUE(ui().messages.empty()) << c.what << ": " << ui().messageTexts().join(u'|').toStdString();
            EXPECT_TRUE(controller.complete()) << c.what;
            EXPECT_EQ(Write_SCHEMA::loaded(main), nullptr) << c.what;
            EXPECT_TRUE(main.settingsEnabled) << c.what;
            continue;
        }
        ASSERT_EQ(ui().messages.size(), 1u) << c.what;
        EXPECT_EQ(ui().messages[0].text, c.message) << c.what;
        EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical) << c.what;
        // The progress window stays with its figures, the settings dialog
        // disabled, until its "Відміна".
        Write_SCHEMA *w = Write_SCHEMA::loaded(main);
        ASSERT_NE(w, nullptr) << c.what;
        EXPECT_EQ(w->Err_Write_Scada->text(), QStringLiteral("8")) << c.what;
        EXPECT_FALSE(main.settingsEnabled) << c.what;
        EXPECT_FALSE(up.MECH_Timer->isActive()) << c.what;
        w->Command1_Click();
        EXPECT_TRUE(main.settingsEnabled) << c.what;
        EXPECT_FALSE(main.window.isEnabled()) << c.what; // the mechanism dialog is still open
        sim.nextFaults.clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

INSTANTIATE_TEST_SUITE_P(Transports, MechanismEditorUpload, ::testing::Values(Transport::Pty, Transport::Tcp),
                         [](const auto &info) { return test::transportName(info.param); });

// A TCP client that is not connected: the first packet cannot leave.
TEST(MechanismEditorUploadPort, UnconnectedClientIsAPortFailure)
{
    test::fakes().reset();
    test::MainWindowStandIn main;
    main.model.settings.Num_COM_Link = 9;
    QWidget vent;
    WindowFrame frame(vent, main.window, main.registry, WindowFrameKind::Modal);
    frame.show();
    MECHANIZMf &w = MECHANIZMf::open(main.model, main, vent, {});
    w.ZIP__GIF_Click();
    MechanismUpload *up = MechanismUpload::find(main);
    ASSERT_NE(up, nullptr);
    EXPECT_TRUE(ControllerSimulator::waitFor([&] { return !up->running(); }, 5000));
    EXPECT_EQ(test::fakes().messageTexts(), QStringList{QString::fromUtf16(kNoAnswerPortError)});
    EXPECT_EQ(Write_SCHEMA::loaded(main), nullptr);
    EXPECT_TRUE(main.settingsEnabled);
    EXPECT_EQ(main.model.link.Transfer_Busy, LinkTransfer::None);
    EXPECT_FALSE(main.window.isEnabled());
    delete &w;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
} // namespace pelmora
