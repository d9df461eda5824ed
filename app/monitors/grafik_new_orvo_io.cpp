#include "monitors/grafik_new_orvo_io.h"

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
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>

namespace pelmora {
namespace {

constexpr std::int32_t kSquareAtLoad = 0x404040;
constexpr std::int32_t kReadoutText = 0xFFFF00; // cyan
constexpr std::int32_t kSelectedLabel = 0xFFC0C0;

void resetLabelBackground(QWidget &w)
{
    w.setPalette(QPalette());
    w.setAutoFillBackground(true);
}

} // namespace

Grafik_NEW_Orvo_IO::Grafik_NEW_Orvo_IO(ProjectModel &m, MainWindowPort &main)
    : TrendMonitorWindow(PlotWindow::Orvo, ReadoutVariant::Orvo, m, main, QStringLiteral("Grafik_NEW_Orvo_IO"),
                         QStringLiteral("Монітор Orvo_IO - Virel -"))
{
    const FileMenu file = addFileMenu("mnuSave", "mnuOpen");
    mnuSave = file.save;
    mnuOpen = file.open;
    connect(mnuSave, &QAction::triggered, this, [this] { mnuSave_Click(); });
    connect(mnuOpen, &QAction::triggered, this, [this] { mnuOpen_Click(); });
    mnuL = menuBar->addMenu(QStringLiteral("&Блок IO"));
    mnuL->setObjectName(QStringLiteral("mnuL"));
    MnuNumPort = mnuL->addMenu(QStringLiteral("&COM"));
    MnuNumPort->setObjectName(QStringLiteral("MnuNumPort"));
    for (int n = 1; n <= 8; ++n) {
        QAction *a = MnuNumPort->addAction(QStringLiteral("&Com %1").arg(n));
        a->setObjectName(QStringLiteral("MnuCOM%1").arg(n));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, n] { MnuCOM_Click(n); });
        MnuCOM[static_cast<std::size_t>(n - 1)] = a;
    }
    showPortTick();
    mnuL->addSeparator();
    mnuPeriod = mnuL->addMenu(QStringLiteral("&Цикл Orvo"));
    mnuPeriod->setObjectName(QStringLiteral("mnuPeriod"));
    mnuCyckl_1ms = mnuPeriod->addAction(QStringLiteral("1 ms"));
    mnuCyckl_1ms->setObjectName(QStringLiteral("mnuCyckl_1ms"));
    mnuCyckl_2ms = mnuPeriod->addAction(QStringLiteral("&2 ms"));
    mnuCyckl_2ms->setObjectName(QStringLiteral("mnuCyckl_2ms"));
    mnuCyckl_1ms->setCheckable(true);
    mnuCyckl_2ms->setCheckable(true);
    mnuCyckl_1ms->setChecked(true);
    connect(mnuCyckl_1ms, &QAction::triggered, this, [this] { mnuCyckl_Click(0); });
    connect(mnuCyckl_2ms, &QAction::triggered, this, [this] { mnuCyckl_Click(1); });
    mnuL->addSeparator();
    mnuLoad_I_O = mnuL->addAction(QStringLiteral("&Завантажити IO"));
    mnuLoad_I_O->setObjectName(QStringLiteral("mnuLoad_I_O"));
    connect(mnuLoad_I_O, &QAction::triggered, this, [this] { mnuLoad_I_O_Click(); });

    placeClient();
    // The grey bar behind the state squares.
    auto *bar = new QWidget(client);
    bar->setGeometry(136, 0, 23, client->height());
    paintBackground(*bar, 0x808080);

    buildPlotArea();
    area->Grafik_Tesk->clicked = [this] { Grafik_Tesk_Click(); };

    // One row per column: its name label and its state square; the analog
    // columns also have a value read-out.
    QFont rowFont = font();
    rowFont.setPixelSize(10);
    for (int c = 0; c < kOrvoColumns; ++c) {
        const int i = kOrvoColumns - 1 - c;
        auto *name = new ClickLabel(client);
        name->setObjectName(QStringLiteral("Name_IO_Orvo_%1").arg(i));
        name->setFont(rowFont);
        name->setGeometry(c >= kOrvoFirstAnalog ? 0 : 55, 13 * c + 5, c >= kOrvoFirstAnalog ? 78 : 80, 13);
        resetLabelBackground(*name);
        name->clicked = [this, i] { Name_IO_Orvo_Click(i); };
        name->doubleClicked = [this, i] { Name_IO_Orvo_DblClick(i); };
        Name_IO_Orvo[static_cast<std::size_t>(i)] = name;
        auto *square = new ClickLabel(client);
        square->setObjectName(QStringLiteral("OFF_ON_IO_%1").arg(c));
        square->setGeometry(142, 13 * c + 6, 10, 10);
        paintBackground(*square, kSquareAtLoad);
        square->doubleClicked = [this, c] { OFF_ON_IO_DblClick(c); };
        square->clicked = [] {};
        OFF_ON_IO[static_cast<std::size_t>(c)] = square;
    }
    for (int i = 0; i < 6; ++i) {
        auto *value = new ClickLabel(client);
        value->setObjectName(QStringLiteral("aINP_OUT_%1").arg(i));
        value->setFont(rowFont);
        value->setGeometry(80, 13 * (45 - i) + 5, 54, 13);
        paintBackground(*value, plot.background);
        paintText(*value, kReadoutText);
        value->clicked = [this, i] { aINP_OUT_Click(i); };
        aINP_OUT[static_cast<std::size_t>(i)] = value;
    }
    label(client, QStringLiteral("Час, мс"), 0, 612);
    Time_ms = box(client, "Time_ms", QString(), 48, 608, 84, 21);

    Name_IO_Orvo_Text = new QLineEdit(client);
    Name_IO_Orvo_Text->setObjectName(QStringLiteral("Name_IO_Orvo_Text"));
    Name_IO_Orvo_Text->setFont(rowFont);
    Name_IO_Orvo_Text->hide();
    connect(Name_IO_Orvo_Text, &QLineEdit::returnPressed, this, [this] { Name_IO_Orvo_Text_Enter(); });

    // The scale frame over the plot, shown by a click on an analog name.
    Curr_Data = new QFrame(client);
    Curr_Data->setObjectName(QStringLiteral("Curr_Data"));
    Curr_Data->setGeometry(350, 0, 628, 39);
    Curr_Data->setFrameStyle(QFrame::Box | QFrame::Plain);
    resetLabelBackground(*Curr_Data);
    auto *selected = new ClickLabel(Curr_Data);
    selected->setObjectName(QStringLiteral("Name_IO_Orvo_46"));
    selected->setGeometry(20, 12, 96, 17);
    Name_IO_Orvo[46] = selected;
    QLabel *minText = label(Curr_Data, QStringLiteral("Масштаб min"), 122, 13);
    Mashtab_Y_min = box(Curr_Data, "Mashtab_Y_min", QStringLiteral("0"), 192, 10, 56, 19);
    besideLabel(Mashtab_Y_min, minText);
    QLabel *maxText = label(Curr_Data, QStringLiteral("Масштаб max"), 252, 13);
    Mashtab_Y_max = box(Curr_Data, "Mashtab_Y_max", QStringLiteral("1"), 328, 10, 56, 19);
    besideLabel(Mashtab_Y_max, maxText);
    label(Curr_Data, QStringLiteral("Тип графіка"), 392, 13);
    Type_Grafik = tick(Curr_Data, "Type_Grafik", 466, 12);
    label(Curr_Data, QStringLiteral("Курсор"), 502, 13);
    Cur_OFF_ON = tick(Curr_Data, "Cur_OFF_ON", 550, 12);
    Cur_OFF_ON->setChecked(true);
    Type_Grafik->setChecked(plot.layout().stepsAtLoad);
    Label7 = new ClickLabel(QStringLiteral(" X"), Curr_Data);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setGeometry(604, 11, 18, 17);
    Label7->clicked = [this] { Curr_Data->hide(); };
    connectScaleBoxes();
    Curr_Data->hide();

    // The loading frame under the plot, shown while a readout runs.
    Load_IO = new QFrame(client);
    Load_IO->setObjectName(QStringLiteral("Load_IO"));
    Load_IO->setGeometry(160, 662, 520, 36);
    Load_IO->setFrameStyle(QFrame::Box | QFrame::Plain);
    ProgressBar1 = new QProgressBar(Load_IO);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 10 * 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(8, 9, 470, 18);
    Load_IO_X = new ClickLabel(QStringLiteral(" X "), Load_IO);
    Load_IO_X->setObjectName(QStringLiteral("Load_IO_X"));
    Load_IO_X->setGeometry(488, 9, 24, 18);
    Load_IO_X->clicked = [this] { Load_IO_X_Click(); };
    Load_IO->hide();

    // The channel set-up of the window's load.
    MonitorTables &mon = m_.monitors;
    setOrvoChannelDefaults(mon, m_.schema);
    for (int i = 0; i < kOrvoColumns; ++i)
        Name_IO_Orvo[static_cast<std::size_t>(i)]->setText(mon.Grafik_Name_IO(i));

    timers.stoppedByFailures = [this](const QString &why) {
        Load_IO->hide();
        showMessage(why, MsgIcon::Critical);
    };
    clearPlot();
}

Grafik_NEW_Orvo_IO &Grafik_NEW_Orvo_IO::mnuOSC_Orvo_Click(ProjectModel &m, MainWindowPort &main)
{
    Grafik_NEW_Orvo_IO &w = main.windows().open<Grafik_NEW_Orvo_IO>([&] { return new Grafik_NEW_Orvo_IO(m, main); });
    w.show();
    w.raise();
    return w;
}

Grafik_NEW_Orvo_IO *Grafik_NEW_Orvo_IO::loaded(MainWindowPort &main)
{
    return main.windows().find<Grafik_NEW_Orvo_IO>();
}

void Grafik_NEW_Orvo_IO::MnuCOM_Click(int n)
{
    m_.monitors.Grafik_COM = static_cast<std::uint8_t>(n);
    showPortTick();
}

void Grafik_NEW_Orvo_IO::showPortTick()
{
    // The tick is the port the readout opens: none until a port is chosen
    // (the port number is 0 then, and a readout says "Помилка № COM?"), so
    // the menu never shows "&Com 1" for a port that is not set.
    for (int k = 1; k <= 8; ++k)
        MnuCOM[static_cast<std::size_t>(k - 1)]->setChecked(k == m_.monitors.Grafik_COM);
}

void Grafik_NEW_Orvo_IO::mnuCyckl_Click(int cikl)
{
    m_.monitors.Grafik_Cikl = static_cast<std::int16_t>(cikl);
    mnuCyckl_1ms->setChecked(cikl == 0);
    mnuCyckl_2ms->setChecked(cikl != 0);
}

void Grafik_NEW_Orvo_IO::mnuLoad_I_O_Click()
{
    const TrendReadout::CommandResult r = timers.startOrStop(1);
    switch (r.outcome) {
    case ReadoutCommand::Started:
        ProgressBar1->setValue(0);
        Load_IO->show();
        return;
    case ReadoutCommand::Stopped:
        showMessage(r.message);
        Load_IO->hide();
        return;
    case ReadoutCommand::Refused:
    case ReadoutCommand::PortError:
        Load_IO->hide();
        showMessage(r.message);
        return;
    }
}

void Grafik_NEW_Orvo_IO::Load_IO_X_Click() { cancelReadout(); }

void Grafik_NEW_Orvo_IO::stopReadout()
{
    timers.stop();
    Load_IO->hide(); // its progress panel goes, as when the readout ends
}

void Grafik_NEW_Orvo_IO::cancelReadout()
{
    stopReadout();
    showMessage(QString::fromUtf16(kReadoutCancelled));
}

void Grafik_NEW_Orvo_IO::readoutEnded()
{
    hourglassUntilPass();
    Load_IO->hide();
    clearPlot();
    area->Grafik_Tesk->update();
    Timer4.start();
}

int Grafik_NEW_Orvo_IO::scaleChannel() const { return m_.monitors.Grafik_Kanal_IO; }

int Grafik_NEW_Orvo_IO::gridCycle() const { return m_.monitors.Grafik_Cikl; }

void Grafik_NEW_Orvo_IO::drawPass()
{
    WaitPointer wait;
    plot.drawOrvoPass(m_.monitors);
}

void Grafik_NEW_Orvo_IO::fullRedraw()
{
    WaitPointer wait;
    clearPlot();
    Timer4_Timer();
}

void Grafik_NEW_Orvo_IO::mnuSave_Click()
{
    saveTrendFileAs(m_.monitors, plot.background, TrendLayout::Channels46, m_.settings.Name_Project);
}

void Grafik_NEW_Orvo_IO::mnuOpen_Click()
{
    MonitorTables &mon = m_.monitors;
    std::int32_t background = plot.background;
    if (openTrendFile(mon, background, TrendLayout::Channels46) == TrendOpenResult::Opened) {
        showPortTick();
        plot.background = background;
        paintBackground(*area->LineCursor, 0xFFFFFF - background);
        mnuCyckl_1ms->setChecked(mon.Grafik_Cikl == 0);
        mnuCyckl_2ms->setChecked(mon.Grafik_Cikl != 0);
        for (int i = 0; i < kOrvoColumns; ++i) {
            paintBackground(*OFF_ON_IO[static_cast<std::size_t>(i)], background);
            Name_IO_Orvo[static_cast<std::size_t>(i)]->setText(mon.Grafik_Name_IO(i));
        }
        for (int i = 0; i < 6; ++i) {
            paintText(*aINP_OUT[static_cast<std::size_t>(i)], mon.Grafik_Color(45 - i));
            paintBackground(*OFF_ON_IO[static_cast<std::size_t>(45 - i)], mon.Grafik_Color(45 - i));
        }
    }
    // Also after a cancelled dialog: the plot is drawn again.
    WaitPointer wait;
    clearPlot();
    showSquaresAtCursor();
    Curr_Data->hide();
    Timer4_Timer();
}

void Grafik_NEW_Orvo_IO::showSquaresAtCursor()
{
    const int sample = cursorSample(area->LineCursor->x(), plot.zoom);
    for (int c = 0; c < kOrvoFirstAnalog; ++c)
        paintBackground(*OFF_ON_IO[static_cast<std::size_t>(c)],
                        m_.monitors.Grafik_Data(std::clamp(sample, 0, 5100), c) != 0.0f ? m_.monitors.Grafik_Color(c)
                                                                                        : plot.background);
}

void Grafik_NEW_Orvo_IO::LineCursor1_MouseDown(QPoint at)
{
    grabCursor(at);
    Curr_Data->hide();
}

void Grafik_NEW_Orvo_IO::LineCursor1_MouseMove(QPoint at, bool left)
{
    const std::optional<CursorPlace> place = dragCursorTo(at, left);
    if (!place)
        return;
    const std::optional<OrvoCursorValues> v =
        orvoCursorValues(m_.monitors, place->lineLeft, plot.zoom, plot.background, decimalPoint());
    if (!v)
        return; // beyond the recorded samples nothing is read
    for (std::size_t c = 0; c < v->squares.size(); ++c)
        paintBackground(*OFF_ON_IO[c], v->squares[c]);
    for (std::size_t i = 0; i < v->analog.size(); ++i)
        aINP_OUT[i]->setText(v->analog[i]);
    Time_ms->setText(v->time);
    showCaption(v->caption, v->captionColour, place->lineLeft, at.y());
}

void Grafik_NEW_Orvo_IO::LineCursor1_MouseUp() { m_.monitors.Cursor_Drag_Flag = 0; }

void Grafik_NEW_Orvo_IO::markAnalogLabel(int i)
{
    for (int k = 0; k < 6; ++k)
        resetLabelBackground(*Name_IO_Orvo[static_cast<std::size_t>(k)]);
    if (i >= 0)
        paintBackground(*Name_IO_Orvo[static_cast<std::size_t>(i)], kSelectedLabel);
}

void Grafik_NEW_Orvo_IO::Name_IO_Orvo_Click(int i)
{
    Name_IO_Orvo_Text->hide();
    if (i >= 6)
        return;
    MonitorTables &mon = m_.monitors;
    markAnalogLabel(i);
    mon.Grafik_Kanal_IO = static_cast<std::int16_t>(45 - i);
    Curr_Data->show();
    Curr_Data->raise();
    fillScaleBoxes();
    Name_IO_Orvo[46]->setText(mon.Grafik_Name_IO(i));
}

void Grafik_NEW_Orvo_IO::Name_IO_Orvo_DblClick(int i)
{
    if (i > 45)
        return;
    QLabel *name = Name_IO_Orvo[static_cast<std::size_t>(i)];
    Name_IO_Orvo_Text->setGeometry(name->x(), name->y(), std::max(name->width(), 80), 16);
    Name_IO_Orvo_Text->setText(name->text());
    Name_IO_Orvo_Text->show();
    Name_IO_Orvo_Text->raise();
    Name_IO_Orvo_Text->setFocus();
    Grafik_Name_Edit_IO = i;
}

void Grafik_NEW_Orvo_IO::Name_IO_Orvo_Text_Enter()
{
    const QString text = Name_IO_Orvo_Text->text();
    Name_IO_Orvo[static_cast<std::size_t>(Grafik_Name_Edit_IO)]->setText(text);
    m_.monitors.Grafik_Name_IO(Grafik_Name_Edit_IO) = text;
    Name_IO_Orvo_Text->hide();
}

void Grafik_NEW_Orvo_IO::aINP_OUT_Click(int i)
{
    markAnalogLabel(i);
    m_.monitors.Grafik_Kanal_IO = static_cast<std::int16_t>(45 - i);
    Curr_Data->hide();
}

void Grafik_NEW_Orvo_IO::OFF_ON_IO_DblClick(int c)
{
    QLabel *square = OFF_ON_IO[static_cast<std::size_t>(c)];
    const std::optional<QColor> chosen = Services::colors().choose(square->palette().color(QPalette::Window));
    if (!chosen)
        return; // a cancelled dialog changes nothing
    const std::int32_t colour = bgrOf(*chosen);
    m_.monitors.Grafik_Color(c) = colour;
    paintBackground(*square, colour);
    WaitPointer wait;
    if (c < kOrvoFirstAnalog) {
        plot.drawOrvoRow(m_.monitors, c); // over the picture, without clearing it
        area->Grafik_Tesk->update();
    } else {
        Timer4_Timer();
        paintText(*aINP_OUT[static_cast<std::size_t>(45 - c)], colour);
    }
}

void Grafik_NEW_Orvo_IO::Form_Click()
{
    Name_IO_Orvo_Text->hide();
    markAnalogLabel(-1);
    m_.monitors.Grafik_Kanal_IO = 0;
    Curr_Data->hide();
}

void Grafik_NEW_Orvo_IO::Grafik_Tesk_Click()
{
    Name_IO_Orvo_Text->hide();
    Curr_Data->hide();
}

void Grafik_NEW_Orvo_IO::Grafik_Tesk_DblClick()
{
    Name_IO_Orvo_Text->hide();
    const std::optional<QColor> chosen = Services::colors().choose(colourOf(plot.background));
    if (!chosen)
        return;
    plot.background = bgrOf(*chosen);
    paintBackground(*area->LineCursor, 0xFFFFFF - plot.background);
    for (QLabel *value : aINP_OUT)
        paintBackground(*value, plot.background);
    fullRedraw();
}

void Grafik_NEW_Orvo_IO::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        Form_Click();
}

void Grafik_NEW_Orvo_IO::closeEvent(QCloseEvent *e)
{
    // A readout still running stops with the window and gives the link back.
    timers.stop();
    e->accept();
}

} // namespace pelmora
