#include "monitors/grafik_new.h"

#include "core/model/project_model.h"
#include "core/services.h"
#include "monitors/trend_channels.h"
#include "monitors/trend_cursor.h"
#include "monitors/trend_file.h"
#include "ui/main_window_port.h"
#include "ui/window_registry.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>

namespace pelmora {
namespace {

constexpr std::int32_t kWindowColour = 0xFFC0C0;
constexpr std::int32_t kCellColour = 0x004000;
constexpr std::array<std::int32_t, 3> kLampColours{kLampOff, kLampOn, 0};

// Where cell i stands in Frame3 and how wide it is.
QRect cellRect(int i)
{
    if (i == 0)
        return {88, 6, 45, 23};
    if (i <= 3)
        return {std::array{146, 204, 260}[static_cast<std::size_t>(i - 1)], 8, 41, 19};
    if (i <= 5)
        return {i == 4 ? 397 : 453, 8, 31, 19};
    if (i <= 13)
        return {576 + 17 * (i - 6), 8, 11, 19};
    if (i <= 21)
        return {802 + 17 * (i - 14), 8, 11, 19};
    return {i == 22 ? 998 : 1016, 8, 11, 19};
}

} // namespace

Grafik_NEW::Grafik_NEW(ProjectModel &m, MainWindowPort &main)
    : TrendMonitorWindow(PlotWindow::Tesk, ReadoutVariant::Tesk, m, main, QStringLiteral("Grafik_NEW"),
                         QStringLiteral("Графік Tesk - Virel -")),
      main_(main)
{
    const FileMenu file = addFileMenu("mnu_Save", "mnu_Load");
    mnu_Save = file.save;
    mnu_Load = file.open;
    connect(mnu_Save, &QAction::triggered, this, [this] { mnu_Save_Click(); });
    connect(mnu_Load, &QAction::triggered, this, [this] { mnu_Load_Click(); });
    placeClient();
    paintBackground(*client, kWindowColour);
    buildPlotArea();

    // The strip along the top: scales, time, line style, cursor, lamps, name.
    Curr_Data = new QFrame(client);
    Curr_Data->setObjectName(QStringLiteral("Curr_Data"));
    Curr_Data->setGeometry(18, -2, 1280, 39);
    label(Curr_Data, QStringLiteral("Масштаб Х"), 14, 14);
    Mashtab_X_Y = new QComboBox(Curr_Data);
    Mashtab_X_Y->setObjectName(QStringLiteral("Mashtab_X_Y"));
    Mashtab_X_Y->addItems({QStringLiteral("M1/1"), QStringLiteral("M2/1"), QStringLiteral("M3/1")});
    Mashtab_X_Y->setGeometry(76, 10, 66, 21);
    connect(Mashtab_X_Y, &QComboBox::activated, this, [this] { Mashtab_X_Y_Click(); });
    QLabel *minText = label(Curr_Data, QStringLiteral("Масштаб min"), 156, 14);
    Mashtab_Y_min = box(Curr_Data, "Mashtab_Y_min", QStringLiteral("0"), 226, 11, 56, 19);
    besideLabel(Mashtab_Y_min, minText);
    QLabel *maxText = label(Curr_Data, QStringLiteral("Масштаб max"), 292, 14);
    Mashtab_Y_max = box(Curr_Data, "Mashtab_Y_max", QStringLiteral("1"), 362, 11, 52, 19);
    besideLabel(Mashtab_Y_max, maxText);
    label(Curr_Data, QStringLiteral("Час"), 420, 14);
    Time_ms = box(Curr_Data, "Time_ms", QString(), 446, 11, 52, 19);
    label(Curr_Data, QStringLiteral("мс"), 502, 14);
    label(Curr_Data, QStringLiteral("Тип графіка"), 540, 14);
    Type_Grafik = tick(Curr_Data, "Type_Grafik", 612, 13);
    label(Curr_Data, QStringLiteral("Курсор"), 650, 14);
    Cur_OFF_ON = tick(Curr_Data, "Cur_OFF_ON", 700, 13);
    Cur_OFF_ON->setChecked(true);
    label(Curr_Data, QStringLiteral("dIO"), 740, 14);
    dIO_ON = tick(Curr_Data, "dIO_ON", 766, 13);
    label(Curr_Data, QStringLiteral("Назва I/O"), 800, 14);
    Name_IO = box(Curr_Data, "Name_IO", QString(), 870, 10, 83, 21);
    connectScaleBoxes();
    connect(dIO_ON, &QCheckBox::clicked, this, [this] { dIO_ON_Click(); });
    connect(Name_IO, &QLineEdit::returnPressed, this, [this] { Name_IO_Enter(); });

    // The channel cells over the plot's top.
    Frame3 = new QFrame(client);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setGeometry(66, 46, 1038, 31);
    paintBackground(*Frame3, 0);
    const struct {
        const char *text;
        int x;
    } groups[] = {{"aINP1-4:", 34}, {"aOUT1-2:", 344}, {"dINP1-8:", 526}, {"dOUT1-8:", 744}, {"d9,10:", 962}};
    for (const auto &g : groups)
        paintText(*label(Frame3, QString::fromUtf8(g.text), g.x, 9), 0xFFFFFF);
    for (int i = 0; i < 24; ++i) {
        auto *cell = new ClickLabel(Frame3);
        cell->setObjectName(QStringLiteral("Ekran2_%1").arg(i));
        cell->setGeometry(cellRect(i));
        cell->setAlignment(Qt::AlignCenter);
        paintBackground(*cell, kCellColour);
        cell->clicked = [this, i] { Ekran2_Click(i); };
        cell->doubleClicked = [this, i] { Ekran2_DblClick(i); };
        Ekran2[static_cast<std::size_t>(i)] = cell;
    }

    // The readout strip under the plot.
    auto *strip = new QFrame(client);
    strip->setObjectName(QStringLiteral("readoutStrip"));
    strip->setGeometry(18, 578, 1280, 39);
    Num_Tesk_Net = new QComboBox(strip);
    Num_Tesk_Net->setObjectName(QStringLiteral("Num_Tesk_Net"));
    for (int i = 1; i <= 8; ++i)
        Num_Tesk_Net->addItem(QStringLiteral("Tesk №%1").arg(i));
    Num_Tesk_Net->setGeometry(42, 9, 90, 21);
    Num_COM = new QComboBox(strip);
    Num_COM->setObjectName(QStringLiteral("Num_COM"));
    for (int i = 1; i <= 8; ++i)
        Num_COM->addItem(QStringLiteral("COM%1").arg(i));
    Num_COM->setGeometry(142, 9, 80, 21);
    connect(Num_Tesk_Net, &QComboBox::currentIndexChanged, this, [this] { Num_Tesk_Net_Click(); });
    connect(Num_COM, &QComboBox::activated, this, [this] { Num_COM_Click(); });
    FLASH = new QPushButton(QStringLiteral("Load Tesk"), strip);
    FLASH->setObjectName(QStringLiteral("FLASH"));
    FLASH->setGeometry(234, 6, 110, 27);
    connect(FLASH, &QPushButton::clicked, this, [this] { FLASH_Click(); });
    ProgressBar1 = new QProgressBar(strip);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 15 * 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(360, 11, 400, 17);
    ProgressBar1->hide();

    // The discrete lamp panel, hidden until "dIO" is ticked.
    Grafik_NEW_DIO = new QWidget(client);
    Grafik_NEW_DIO->setObjectName(QStringLiteral("Grafik_NEW_DIO"));
    Grafik_NEW_DIO->setGeometry(250, 90, 809, 55);
    paintBackground(*Grafik_NEW_DIO, 0);
    Grafik_NEW_DIO->installEventFilter(this);
    for (int i = 0; i < 16; ++i) {
        auto *lamp = new QLabel(Grafik_NEW_DIO);
        lamp->setObjectName(QStringLiteral("dIO_%1").arg(i));
        lamp->setGeometry(20 + 50 * i, 10, 12, 12);
        paintBackground(*lamp, kLampOff);
        dIO[static_cast<std::size_t>(i)] = lamp;
        auto *name = new QLabel(QStringLiteral("dINP"), Grafik_NEW_DIO);
        name->setObjectName(QStringLiteral("dIO_Name_%1").arg(i));
        name->setGeometry(50 * i, 30, 50, 16);
        name->setAlignment(Qt::AlignHCenter);
        paintBackground(*name, 0);
        dIO_Name[static_cast<std::size_t>(i)] = name;
    }
    Grafik_NEW_DIO->hide();

    // The channel set-up of the window's load.
    MonitorTables &mon = m_.monitors;
    setTeskChannelDefaults(mon);
    Grafik_Kanal = 1;
    Num_Tesk_Net->setCurrentIndex(0);
    for (int c = 1; c <= kTeskChannels; ++c) {
        paintText(*Ekran2[static_cast<std::size_t>(c - 1)], mon.Grafik_Color(c));
        if (c >= 7)
            paintText(*dIO_Name[static_cast<std::size_t>(c - 7)], mon.Grafik_Color(c));
    }
    for (int i = 0; i < 24; ++i)
        Ekran2[static_cast<std::size_t>(i)]->setToolTip(mon.Grafik_Name(i));
    mirrorCells();
    fillScaleBoxes();

    timers.stoppedByFailures = [this](const QString &why) {
        readoutIdle();
        showMessage(why, MsgIcon::Critical);
    };
    clearPlot();
}

Grafik_NEW &Grafik_NEW::mnuOSC_Click(ProjectModel &m, MainWindowPort &main)
{
    Grafik_NEW &w = main.windows().open<Grafik_NEW>([&] { return new Grafik_NEW(m, main); });
    w.show();
    w.raise();
    return w;
}

Grafik_NEW *Grafik_NEW::loaded(MainWindowPort &main) { return main.windows().find<Grafik_NEW>(); }

void Grafik_NEW::Num_Tesk_Net_Click()
{
    m_.monitors.Grafik_Num_Net = static_cast<std::uint8_t>(Num_Tesk_Net->currentIndex() + 1);
}

void Grafik_NEW::Num_COM_Click() { m_.monitors.Grafik_COM = static_cast<std::uint8_t>(Num_COM->currentIndex() + 1); }

void Grafik_NEW::FLASH_Click()
{
    const TrendReadout::CommandResult r =
        timers.startOrStop(static_cast<std::uint8_t>(Num_Tesk_Net->currentIndex() + 1));
    switch (r.outcome) {
    case ReadoutCommand::Started:
        FLASH->setText(QStringLiteral("End load Tesk"));
        ProgressBar1->setValue(0);
        ProgressBar1->show();
        return;
    case ReadoutCommand::Stopped: // the samples decoded so far stay
        readoutIdle();
        return;
    case ReadoutCommand::Refused:
    case ReadoutCommand::PortError:
        readoutIdle();
        showMessage(r.message);
        return;
    }
}

void Grafik_NEW::stopReadout()
{
    timers.stop();
    readoutIdle();
}

void Grafik_NEW::readoutIdle()
{
    FLASH->setText(QStringLiteral("Load Tesk"));
    ProgressBar1->hide();
}

void Grafik_NEW::readoutEnded()
{
    // The hourglass stays until the drawing pass a timer tick later.
    hourglassUntilPass();
    readoutIdle();
    clearPlot();
    area->Grafik_Tesk->update();
    Grafik_Kanal_First = 1;
    Grafik_Kanal_Last = kTeskChannels;
    Timer4.start();
}

void Grafik_NEW::drawPass() { plot.drawTeskPass(m_.monitors, Grafik_Kanal_First, Grafik_Kanal_Last); }

void Grafik_NEW::fullRedraw()
{
    WaitPointer wait;
    clearPlot();
    Grafik_Kanal_First = 1;
    Grafik_Kanal_Last = kTeskChannels;
    Timer4_Timer();
}

void Grafik_NEW::Mashtab_X_Y_Click()
{
    plot.zoom = zoomForEntry(Mashtab_X_Y->currentIndex());
    fullRedraw();
}

void Grafik_NEW::mnu_Save_Click()
{
    saveTrendFileAs(m_.monitors, plot.background, TrendLayout::Channels22, m_.settings.Name_Project);
}

void Grafik_NEW::mnu_Load_Click()
{
    MonitorTables &mon = m_.monitors;
    std::int32_t background = plot.background;
    if (openTrendFile(mon, background, TrendLayout::Channels22) == TrendOpenResult::Opened) {
        Grafik_Kanal = 1;
        // The lists show the address and port the file names.
        {
            const QSignalBlocker a(Num_Tesk_Net);
            Num_Tesk_Net->setCurrentIndex(mon.Grafik_Num_Net - 1);
        }
        Num_COM->setCurrentIndex(mon.Grafik_COM - 1);
        applyBackground(background);
        for (int c = 1; c <= kTeskChannels; ++c) {
            paintText(*Ekran2[static_cast<std::size_t>(c - 1)], mon.Grafik_Color(c));
            if (c >= 7) {
                paintText(*dIO_Name[static_cast<std::size_t>(c - 7)], mon.Grafik_Color(c));
                dIO_Name[static_cast<std::size_t>(c - 7)]->setText(mon.Grafik_Name(c - 1));
            }
        }
        for (int i = 0; i < 24; ++i)
            Ekran2[static_cast<std::size_t>(i)]->setToolTip(mon.Grafik_Name(i));
        Name_IO->setText(mon.Grafik_Name(0));
        Grafik_Name_Edit = 0;
        fillScaleBoxes();
        for (int i = 0; i < kTeskChannels; ++i)
            frameCell(i, i == 0);
        mirrorCells();
    }
    // Also after a cancelled dialog: the plot is drawn again.
    fullRedraw();
}

void Grafik_NEW::applyBackground(std::int32_t bgr)
{
    plot.background = bgr;
    paintBackground(*Frame3, bgr);
    paintBackground(*Grafik_NEW_DIO, bgr);
    for (int i = 0; i < kTeskChannels; ++i)
        paintBackground(*Ekran2[static_cast<std::size_t>(i)], bgr);
    for (QLabel *name : dIO_Name)
        paintBackground(*name, bgr);
    paintBackground(*area->LineCursor, 0xFFFFFF - bgr);
    mirrorCells();
}

void Grafik_NEW::frameCell(int i, bool on)
{
    QLabel *cell = Ekran2[static_cast<std::size_t>(i)];
    cell->setFrameStyle(on ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    cell->setLineWidth(1);
}

void Grafik_NEW::mirrorCells()
{
    for (int k = 0; k < 2; ++k) {
        QLabel *from = Ekran2[static_cast<std::size_t>(12 + k)];
        QLabel *to = Ekran2[static_cast<std::size_t>(22 + k)];
        to->setText(from->text());
        QPalette p = to->palette();
        p.setColor(QPalette::WindowText, from->palette().color(QPalette::WindowText));
        to->setPalette(p);
        to->setFrameStyle(from->frameStyle());
    }
}

void Grafik_NEW::LineCursor1_MouseDown(QPoint at)
{
    grabCursor(at);
    frameCell(Grafik_Kanal - 1, false);
    mirrorCells();
}

void Grafik_NEW::LineCursor1_MouseMove(QPoint at, bool left)
{
    const std::optional<CursorPlace> place = dragCursorTo(at, left);
    if (!place)
        return;
    const TeskCursorValues v = teskCursorValues(m_.monitors, place->sample, Grafik_Kanal, decimalPoint());
    for (std::size_t i = 0; i < v.cells.size(); ++i)
        Ekran2[i]->setText(v.cells[i]);
    for (std::size_t i = 0; i < v.lamps.size(); ++i)
        paintBackground(*dIO[i], v.lamps[i]);
    Time_ms->setText(v.time);
    const QLabel *selected = Ekran2[static_cast<std::size_t>(Grafik_Kanal - 1)];
    showCaption(v.caption, bgrOf(selected->palette().color(QPalette::WindowText)), place->lineLeft, at.y());
}

void Grafik_NEW::LineCursor1_MouseUp()
{
    frameCell(Grafik_Kanal - 1, true);
    mirrorCells();
    m_.monitors.Cursor_Drag_Flag = 0;
}

void Grafik_NEW::Ekran2_Click(int i)
{
    if (i <= 21) {
        Grafik_Kanal = i + 1;
        fillScaleBoxes();
        for (int k = 0; k < kTeskChannels; ++k)
            frameCell(k, k == i);
        paintText(*Cur_Ekran, bgrOf(Ekran2[static_cast<std::size_t>(i)]->palette().color(QPalette::WindowText)));
    }
    mirrorCells();
    Grafik_Name_Edit = i;
    Name_IO->setText(m_.monitors.Grafik_Name(i));
}

void Grafik_NEW::Ekran2_DblClick(int i)
{
    if (i > 21)
        return;
    MonitorTables &mon = m_.monitors;
    // The dialog starts at the colour of the channel being changed.
    const std::optional<QColor> chosen = Services::colors().choose(colourOf(mon.Grafik_Color(Grafik_Kanal)));
    if (!chosen)
        return; // a cancelled dialog changes nothing
    const std::int32_t colour = bgrOf(*chosen);
    mon.Grafik_Color(Grafik_Kanal) = colour;
    paintText(*Ekran2[static_cast<std::size_t>(Grafik_Kanal - 1)], colour);
    if (Grafik_Kanal > 6)
        paintText(*dIO_Name[static_cast<std::size_t>(Grafik_Kanal - 7)], colour);
    mirrorCells();
    // Only this channel is drawn again, over the picture.
    Grafik_Kanal_First = Grafik_Kanal_Last = Grafik_Kanal;
    Timer4_Timer();
}

void Grafik_NEW::Name_IO_Enter()
{
    if (!renameTeskChannel(m_.monitors, Grafik_Name_Edit, Name_IO->text()))
        return;
    Ekran2[static_cast<std::size_t>(Grafik_Name_Edit)]->setToolTip(Name_IO->text());
    if (Grafik_Name_Edit <= 21)
        dIO_Name[static_cast<std::size_t>(Grafik_Name_Edit - 6)]->setText(Name_IO->text());
}

void Grafik_NEW::dIO_ON_Click() { Grafik_NEW_DIO->setVisible(dIO_ON->isChecked()); }

void Grafik_NEW::Grafik_Tesk_DblClick()
{
    const std::optional<QColor> chosen = Services::colors().choose(colourOf(plot.background));
    if (!chosen)
        return;
    applyBackground(bgrOf(*chosen));
    fullRedraw();
}

bool Grafik_NEW::eventFilter(QObject *watched, QEvent *e)
{
    // The lamp panel follows the pointer while it is dragged by its background.
    if (watched == Grafik_NEW_DIO) {
        if (e->type() == QEvent::MouseButtonPress) {
            panelGrab_ = static_cast<QMouseEvent *>(e)->position().toPoint();
            return true;
        }
        if (e->type() == QEvent::MouseMove) {
            auto *me = static_cast<QMouseEvent *>(e);
            if (me->buttons() & Qt::LeftButton) {
                const QPoint p = me->position().toPoint();
                const PanelPlace to = dragLampPanel({Grafik_NEW_DIO->x(), Grafik_NEW_DIO->y()}, panelGrab_.x(),
                                                    panelGrab_.y(), p.x(), p.y());
                Grafik_NEW_DIO->move(to.left, to.top);
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

void Grafik_NEW::closeEvent(QCloseEvent *e)
{
    if (showMessage(QStringLiteral("Закрити графік?"), MsgIcon::None, MsgButtons::YesNo) != MsgAnswer::Yes) {
        e->ignore();
        return;
    }
    // A readout still running stops with the window and gives the link back.
    timers.stop();
    main_.windows().settle(main_.mainWindow());
    e->accept();
}

} // namespace pelmora
