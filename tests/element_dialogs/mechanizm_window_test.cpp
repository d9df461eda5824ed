// The phase editor on a stand-in main window, opened over a stand-in of the
// mechanism dialog, with scripted file dialogs and messages.

#include "element_dialogs/mechanizm_window.h"

#include "link/controller_link.h"
#include "link/write_schema.h"
#include "support/fake_services.h"
#include "support/gif_builder.h"
#include "support/main_window_stand_in.h"
#include "support/mechanism_pictures.h"
#include "support/simulator_pty.h"
#include "ui/window_frame.h"
#include "upload/mechanism_upload.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

const QString kPhases = QStringLiteral(PELMORA_MECHANISM_PHASES);

QImage gifPhase(int i) { return QImage(kPhases + QStringLiteral("/phase%1.gif").arg(i)); }

bool samePicture(const QPixmap &a, const QImage &b)
{
    return a.toImage().convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

class MechanizmWindow : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        // The mechanism dialog: modal over the main window.
        vent = new QWidget;
        vent->setWindowTitle(QStringLiteral("Елемент механізм"));
        ventFrame = new WindowFrame(*vent, main.window, main.registry, WindowFrameKind::Modal);
        main.window.show();
        ventFrame->show();
    }
    void TearDown() override
    {
        delete editor.data();
        delete vent;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(previous);
    }

    ElementTables &t() { return main.model.pages; }
    // Copies fixture phase `i` into the current folder as `name`.
    void place(int i, const QString &name)
    {
        ASSERT_TRUE(QFile::copy(kPhases + QStringLiteral("/phase%1.gif").arg(i), folder.filePath(name)));
    }
    MECHANIZMf &open()
    {
        MECHANIZMf &w = MECHANIZMf::open(main.model, main, *vent, [this](const QPixmap &p) {
            handedBack = p;
            ++handBacks;
        });
        w.Timer1->stop(); // the test takes the preview steps
        editor = &w;
        return w;
    }
    // The phases the preview shows in `steps` steps.
    std::vector<int> previewRun(MECHANIZMf &w, int steps)
    {
        std::vector<int> shown;
        for (int s = 0; s < steps; ++s) {
            w.Timer1_Timer();
            const QImage preview = w.Pictur_Mechanizm[MECHANIZMf::kPreview]->pixmap().toImage();
            int phase = -1;
            for (int i = 0; i < MECHANIZMf::kPhases && phase < 0; ++i)
                if (w.phasePicture(i).toImage() == preview)
                    phase = i;
            shown.push_back(phase);
        }
        return shown;
    }

    test::MainWindowStandIn main;
    QTemporaryDir folder;
    QString previous;
    QWidget *vent = nullptr;
    WindowFrame *ventFrame = nullptr;
    QPointer<MECHANIZMf> editor;
    QPixmap handedBack;
    int handBacks = 0;
};

TEST_F(MechanizmWindow, WithoutFilesShowsTurnedGearsAndPreviewsPhaseZero)
{
    MECHANIZMf &w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Механізм"));
    EXPECT_TRUE(w.Ok_Vent->isDefault()); // the button Enter presses
    EXPECT_FALSE(vent->isEnabled());
    EXPECT_FALSE(main.window.isEnabled());
    for (int i = 0; i < MECHANIZMf::kPhases; ++i) {
        EXPECT_EQ(w.Pictur_Mechanizm[i]->size(), QSize(40, 40)) << i;
        EXPECT_EQ(w.Label1[i]->text(), QStringLiteral("Фаза %1").arg(i));
    }
    EXPECT_EQ(w.Label1[MECHANIZMf::kPreview]->text(), QStringLiteral("Механізм"));
    // Phases 0 to 3 turn the gear on step by step.
    for (int i = 1; i < 4; ++i)
        EXPECT_NE(w.phasePicture(i).toImage(), w.phasePicture(i - 1).toImage()) << i;
    EXPECT_EQ(w.Combo1->currentIndex(), -1);
    EXPECT_EQ(previewRun(w, 3), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(w.Combo1->currentText(), QStringLiteral("1"));
    EXPECT_EQ(w.Label3->text(), QStringLiteral("Розмір масиву - 0"));
}

TEST_F(MechanizmWindow, PreviewCyclesTheChosenNumberOfPhases)
{
    struct Case {
        const char *what;
        int phases;
        int start;
        std::vector<int> shown;
    };
    const Case cases[] = {
        {"three phases", 3, 0, {0, 1, 2, 0, 1}},
        {"a phase left from an earlier opening, shown once", 3, 5, {5, 0, 1, 2, 0}},
        {"eight phases", 8, 6, {6, 7, 0, 1}},
        {"one phase", 1, 0, {0, 0}},
    };
    // Eight phases that differ from each other.
    for (int i = 0; i < MECHANIZMf::kPhases; ++i) {
        QImage phase(10 + i, 10, QImage::Format_RGB32);
        phase.fill(test::colour565(0x0841 * (i + 1)));
        const QString name = QStringLiteral("p%1.png").arg(i);
        ASSERT_TRUE(phase.save(folder.filePath(name)));
        t().Mechanizm_Gif_Name(i) = QLatin1Char('\\') + name;
    }
    MECHANIZMf &w = open();
    for (const Case &c : cases) {
        w.Combo1->setCurrentIndex(c.phases - 1);
        t().Faza_Preview = static_cast<std::int16_t>(c.start);
        EXPECT_EQ(previewRun(w, static_cast<int>(c.shown.size())), c.shown) << c.what;
    }
    // While phase 0 is being packed the preview stands still.
    w.Combo1->setCurrentIndex(2);
    t().Faza_Preview = 1;
    t().Mechanizm_Upload_Busy = 1;
    w.Timer1_Timer();
    EXPECT_EQ(t().Faza_Preview, 1);
    t().Mechanizm_Upload_Busy = 0;
}

TEST_F(MechanizmWindow, LoadsRecordedPhasesUntilOneIsMissing)
{
    place(0, QStringLiteral("fan0.gif"));
    place(1, QStringLiteral("fan1.gif"));
    place(2, QStringLiteral("fan3.gif"));
    t().Mechanizm_Gif_Name(0) = QStringLiteral("\\fan0.gif");
    t().Mechanizm_Gif_Name(1) = QStringLiteral("\\fan1.gif");
    t().Mechanizm_Gif_Name(2) = QStringLiteral("\\fan2.gif"); // not in the folder
    t().Mechanizm_Gif_Name(3) = QStringLiteral("\\fan3.gif");
    MECHANIZMf &w = open();
    EXPECT_TRUE(samePicture(w.phasePicture(0), gifPhase(0)));
    EXPECT_TRUE(samePicture(w.phasePicture(1), gifPhase(1)));
    EXPECT_EQ(w.Pictur_Mechanizm[0]->size(), QSize(32, 24));
    // The missing file ends the loading: phase 3 keeps its gear though its file is there.
    for (int i = 2; i < MECHANIZMf::kPhases; ++i)
        EXPECT_EQ(w.phasePicture(i).toImage(), MECHANIZMf::placeholder(i).toImage()) << i;
    EXPECT_TRUE(ui().messages.empty());
}

// A GIF that Qt would show with its missing pixels black is refused as one
// that is no picture: the phase and its name stay as they were.
TEST_F(MechanizmWindow, ADamagedOrCutShortGifIsRefused)
{
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("damaged.gif"));
    const QString cut = dir.filePath(QStringLiteral("cut.gif"));
    ASSERT_TRUE(test::writeFile(damaged, test::damagedGif(32, 24)));
    ASSERT_TRUE(test::writeFile(cut, test::truncatedGif(32, 24)));
    t().Mechanizm_Gif_Name(3) = QStringLiteral("\\old.gif");
    MECHANIZMf &w = open();
    ui().openPaths = {damaged, cut};
    w.Pictur_Mechanizm_Click(3);
    w.Pictur_Mechanizm_Click(3);
    EXPECT_EQ(ui().messageTexts(),
              (QStringList{QStringLiteral("Неправильный тип файлу"), QStringLiteral("Неправильный тип файлу")}));
    EXPECT_EQ(t().Mechanizm_Gif_Name(3), QStringLiteral("\\old.gif"));
    EXPECT_EQ(w.phasePicture(3).toImage(), MECHANIZMf::placeholder(3).toImage());
}

TEST_F(MechanizmWindow, ChoosingAFileRecordsItsBareName)
{
    QTemporaryDir elsewhere;
    const QString chosen = elsewhere.filePath(QStringLiteral("лопать.gif"));
    ASSERT_TRUE(QFile::copy(kPhases + QStringLiteral("/phase1.gif"), chosen));
    const QString text = elsewhere.filePath(QStringLiteral("notes.gif"));
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
    }
    t().Mechanizm_Gif_Name(2) = QStringLiteral("\\old.gif");
    MECHANIZMf &w = open();

    // Cancelled, and a file that is not a picture: nothing changes.
    ui().openPaths = {std::nullopt, text};
    w.Pictur_Mechanizm_Click(2);
    w.Pictur_Mechanizm_Click(2);
    EXPECT_EQ(ui().messageTexts(), QStringList{QStringLiteral("Неправильный тип файлу")});
    EXPECT_EQ(t().Mechanizm_Gif_Name(2), QStringLiteral("\\old.gif"));
    EXPECT_EQ(w.phasePicture(2).toImage(), MECHANIZMf::placeholder(2).toImage());
    ASSERT_EQ(ui().fileRequests.size(), 2u);
    EXPECT_EQ(ui().fileRequests[0].filter, QStringLiteral("gif file|*.gif"));
    EXPECT_TRUE(ui().fileRequests[0].defaultName.isEmpty());

    // A file from another folder: shown at its size, recorded by its bare name.
    ui().openPaths = {chosen, chosen};
    w.Pictur_Mechanizm_Click(2);
    EXPECT_EQ(t().Mechanizm_Gif_Name(2), QStringLiteral("\\лопать.gif"));
    // Where it came from, for the copy beside the project at the next save.
    EXPECT_EQ(t().Mechanizm_Gif_Source(2), QFileInfo(chosen).absoluteFilePath());
    EXPECT_TRUE(samePicture(w.phasePicture(2), gifPhase(1)));
    EXPECT_EQ(w.Pictur_Mechanizm[2]->size(), QSize(32, 24));
    // The preview picture's choice goes to entry 8; the next preview step shows a phase again.
    w.Pictur_Mechanizm_Click(MECHANIZMf::kPreview);
    EXPECT_EQ(t().Mechanizm_Gif_Name(8), QStringLiteral("\\лопать.gif"));
    EXPECT_EQ(previewRun(w, 1), std::vector<int>{0});

    // Cancel keeps the names and hands nothing back.
    w.Cancel_Vent_Click(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editor.isNull());
    EXPECT_EQ(handBacks, 0);
    EXPECT_EQ(t().Mechanizm_Gif_Name(2), QStringLiteral("\\лопать.gif"));
    EXPECT_TRUE(vent->isEnabled());
    EXPECT_FALSE(main.window.isEnabled()); // still under the mechanism dialog
    EXPECT_EQ(main.registry.find<MECHANIZMf>(), nullptr);
}

TEST_F(MechanizmWindow, ScrollBarShiftsTheRow)
{
    MECHANIZMf &w = open();
    struct Case {
        int value;
        int phase0, phase7, preview;
    };
    const Case cases[] = {
        {0, 273, 2023, 6},
        {1, 223, 1973, -43},
        {22, -826, 923, -1093},
        {32, -1326, 423, -1593},
    };
    EXPECT_EQ(w.HScroll1->maximum(), 32);
    for (const Case &c : cases) {
        w.HScroll1->setValue(c.value);
        EXPECT_EQ(w.Pictur_Mechanizm[0]->x(), c.phase0) << c.value;
        EXPECT_EQ(w.Pictur_Mechanizm[7]->x(), c.phase7) << c.value;
        EXPECT_EQ(w.Label1[7]->x(), c.phase7) << c.value;
        EXPECT_EQ(w.Pictur_Mechanizm[MECHANIZMf::kPreview]->x(), c.preview) << c.value;
        EXPECT_EQ(w.Pictur_Mechanizm[7]->y(), 30);
        EXPECT_EQ(w.Label1[7]->y(), 8);
    }
    // Phase 7 comes fully into the window at 22.
    w.HScroll1->setValue(22);
    EXPECT_LE(w.Pictur_Mechanizm[7]->geometry().right(), w.width());
}

TEST_F(MechanizmWindow, OkHandsPhaseZeroBack)
{
    struct Case {
        const char *what;
        bool chosen;
    };
    for (const Case c : {Case{"the gear when no file is chosen", false}, Case{"the chosen file", true}}) {
        handBacks = 0;
        t().Mechanizm_Gif_Name(0).clear();
        MECHANIZMf &w = open();
        if (c.chosen) {
            place(2, QStringLiteral("p.gif"));
            ui().openPaths = {folder.filePath(QStringLiteral("p.gif"))};
            w.Pictur_Mechanizm_Click(0);
        }
        w.Ok_Vent_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(editor.isNull()) << c.what;
        EXPECT_EQ(handBacks, 1) << c.what;
        if (c.chosen) {
            EXPECT_TRUE(samePicture(handedBack, gifPhase(2))) << c.what;
        } else {
            EXPECT_EQ(handedBack.toImage(), MECHANIZMf::placeholder(0).toImage()) << c.what;
        }
        EXPECT_TRUE(vent->isEnabled()) << c.what;
        QFile::remove(folder.filePath(QStringLiteral("p.gif")));
    }
}

TEST_F(MechanizmWindow, OpeningAgainBringsTheOpenEditorForward)
{
    MECHANIZMf &first = open();
    MECHANIZMf &again = MECHANIZMf::open(main.model, main, *vent, {});
    EXPECT_EQ(&first, &again);
    // Its close box re-enables the mechanism dialog too.
    first.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(vent->isEnabled());
}

// "GIF у Orvo" refusals: each message with its title and the error icon, the
// editor restored, nothing sent and the link left free.
TEST_F(MechanizmWindow, GifToOrvoRefusals)
{
    const QString missingDevice = folder.filePath(QStringLiteral("no-such-port"));
    test::ScopedEnv com3("PELMORA_COM3", missingDevice);
    struct Case {
        const char *what;
        QImage picture; // phase 0; null: the gear
        int linkKind;
        LinkTransfer busy;
        QString message;
        QString title;
        MsgIcon icon;
        QString label;
    };
    QImage many(20, 15, QImage::Format_RGB32);
    for (int i = 0; i < 300; ++i)
        many.setPixel(i % 20, i / 20, test::colour565(i * 7 + 1));
    const QString noLabel = QStringLiteral("Розмір масиву - 0");
    const Case cases[] = {
        {"a picture wider than 800", QImage(801, 480, QImage::Format_RGB32), 9, LinkTransfer::None,
         QStringLiteral("Размер Х x Y должен быть меньше = 800 x 480"), QStringLiteral("Ошибка !!!"), MsgIcon::Critical,
         noLabel},
        {"more colours than the palette holds", many, 9, LinkTransfer::None,
         QStringLiteral("Палитра больше 256 цветов!"), QStringLiteral("Ошибка !!!"), MsgIcon::Critical, noLabel},
        {"codes over 16 KB", test::alternatingPicture(200, 100), 9, LinkTransfer::None,
         QStringLiteral("Розмір GIF більше 16 Кб!"), QStringLiteral("Помилка !!!"), MsgIcon::Critical, noLabel},
        {"codes within 16 KB, the palette past it: the size is shown", test::alternatingPicture(115, 138, 3), 9,
         LinkTransfer::None, QStringLiteral("Розмір GIF більше 16 Кб!"), QStringLiteral("Помилка !!!"),
         MsgIcon::Critical, QStringLiteral("Розмір масиву GIF - 16014")},
        {"a serial port that does not open", QImage(), 3, LinkTransfer::None, QStringLiteral("COM"),
         QStringLiteral("Помилка !!!"), MsgIcon::Critical, QStringLiteral("Розмір масиву GIF - 698")},
        {"the TCP server link", QImage(), 10, LinkTransfer::None, QString::fromUtf16(kTcpServerNoUpload), QString(),
         MsgIcon::Exclamation, QStringLiteral("Розмір масиву GIF - 698")},
        {"another transfer on the link", QImage(), 9, LinkTransfer::OrvoReadout, QString::fromUtf16(kLinkBusy),
         QString(), MsgIcon::Exclamation, noLabel},
    };
    for (const Case &c : cases) {
        ui().reset();
        main.settingsEnabled = true;
        main.model.settings.Num_COM_Link = static_cast<std::int16_t>(c.linkKind);
        main.model.link.Transfer_Busy = c.busy;
        MECHANIZMf &w = open();
        if (!c.picture.isNull()) {
            const QString file = folder.filePath(QStringLiteral("phase0.png"));
            ASSERT_TRUE(c.picture.save(file)) << c.what;
            ui().openPaths = {file};
            w.Pictur_Mechanizm_Click(0);
        }
        w.ZIP__GIF_Click();
        ASSERT_EQ(ui().messages.size(), 1u) << c.what;
        EXPECT_EQ(ui().messages[0].text, c.message) << c.what;
        EXPECT_EQ(ui().messages[0].title, c.title) << c.what;
        EXPECT_EQ(ui().messages[0].icon, c.icon) << c.what;
        EXPECT_EQ(w.Label3->text(), c.label) << c.what;
        MechanismUpload *up = MechanismUpload::find(main);
        ASSERT_NE(up, nullptr);
        EXPECT_FALSE(up->running()) << c.what;
        EXPECT_FALSE(up->MECH_Timer->isActive()) << c.what;
        EXPECT_EQ(Write_SCHEMA::loaded(main), nullptr) << c.what;
        EXPECT_EQ(main.model.link.Transfer_Busy, c.busy) << c.what;
        EXPECT_TRUE(main.settingsEnabled) << c.what;
        EXPECT_EQ(t().Mechanizm_Upload_Busy, 0) << c.what;
        EXPECT_FALSE(w.Pictur_Mechanizm[MECHANIZMf::kPreview]->isHidden()) << c.what;
        EXPECT_TRUE(w.ProgressBar1->isHidden()) << c.what;
        EXPECT_FALSE(main.controllerLink.serialIsOpen()) << c.what;
        delete editor.data();
        t().Mechanizm_Gif_Name(0).clear();
        main.model.link.Transfer_Busy = LinkTransfer::None;
    }
}

} // namespace
} // namespace pelmora
