#include "monitors/monitor_window.h"

#include "core/model/project_model.h"
#include "core/services.h"
#include "ui/main_window_port.h"
#include "ui/window_frame.h"
#include "ui/window_registry.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace pelmora {

TrendMonitorWindow::TrendMonitorWindow(PlotWindow window, ReadoutVariant variant, ProjectModel &m, MainWindowPort &main,
                                       const QString &objectName, const QString &title)
    : QWidget(nullptr), plot(window), timers(variant, m, main.link(), this), m_(m)
{
    setObjectName(objectName);
    new WindowFrame(*this, main.mainWindow(), main.windows(), WindowFrameKind::Modeless);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    // The window works on the main window's model: it goes with the main
    // window's registry, which goes before the model and the link.
    connect(&main.windows(), &QObject::destroyed, this, [this] { delete this; });
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    Timer4.setSingleShot(true);
    Timer4.setInterval(100);
    connect(&Timer4, &QTimer::timeout, this, [this] { Timer4_Timer(); });
    Timer5.setInterval(50);
    connect(&Timer5, &QTimer::timeout, this, [this] { Timer5_Timer(); });
    Timer5.start();

    timers.progress = [this](float v) { ProgressBar1->setValue(static_cast<int>(v * 100.0f)); };
    timers.finished = [this] { readoutEnded(); };

    const PlotLayout &l = plot.layout();
    plot.zoom = l.zoomAtLoad;
    plot.steps = l.stepsAtLoad;
}

TrendMonitorWindow::~TrendMonitorWindow()
{
    timers.stop();
    if (waitUntilPass_)
        QApplication::restoreOverrideCursor();
}

QChar TrendMonitorWindow::decimalPoint() { return QLocale().decimalPoint().front(); }

QLabel *TrendMonitorWindow::label(QWidget *parent, const QString &text, int x, int y)
{
    auto *l = new QLabel(text, parent);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QLineEdit *TrendMonitorWindow::box(QWidget *parent, const char *name, const QString &text, int x, int y, int w, int h)
{
    auto *b = new QLineEdit(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(x, y, w, h);
    return b;
}

void TrendMonitorWindow::besideLabel(QWidget *box, const QLabel *text)
{
    const int right = text->geometry().right() + 4;
    if (box->x() < right)
        box->setGeometry(right, box->y(), std::max(box->width() - (right - box->x()), 36), box->height());
}

QCheckBox *TrendMonitorWindow::tick(QWidget *parent, const char *name, int x, int y)
{
    auto *c = new QCheckBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setGeometry(x, y, 16, 16);
    return c;
}

TrendMonitorWindow::FileMenu TrendMonitorWindow::addFileMenu(const char *saveName, const char *openName)
{
    menuBar = new QMenuBar(this);
    QMenu *file = menuBar->addMenu(QStringLiteral("&Файл"));
    FileMenu f{file->addAction(QStringLiteral("&Зберегти")), file->addAction(QStringLiteral("&Відкрити"))};
    f.save->setObjectName(QLatin1String(saveName));
    f.open->setObjectName(QLatin1String(openName));
    return f;
}

void TrendMonitorWindow::placeClient()
{
    const int menuHeight = menuBar->sizeHint().height();
    const PlotLayout &l = plot.layout();
    const QSize size(l.windowWidthTwips / 15, l.windowHeightTwips / 15);
    menuBar->setGeometry(0, 0, size.width(), menuHeight);
    setFixedSize(size.width(), size.height() + menuHeight);
    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setGeometry(0, menuHeight, size.width(), size.height());
}

void TrendMonitorWindow::buildPlotArea()
{
    area = std::make_unique<PlotArea>(plot, client);
    connect(area->HScroll1, &QScrollBar::valueChanged, this, [this](int v) { HScroll1_Scroll(v); });
    area->Grafik_Tesk->doubleClicked = [this] { Grafik_Tesk_DblClick(); };
    area->LineCursor1->pressed = [this](QPoint p) { LineCursor1_MouseDown(p); };
    area->LineCursor1->moved = [this](QPoint p, bool left) { LineCursor1_MouseMove(p, left); };
    area->LineCursor1->released = [this] { LineCursor1_MouseUp(); };
    Cur_Ekran = new QLabel(area->Grafik_Tesk);
    Cur_Ekran->setObjectName(QStringLiteral("Cur_Ekran"));
    Cur_Ekran->hide();
    for (const TextAt &t : percentLabels(plot.window()))
        label(client, t.text, t.x, t.y);
}

void TrendMonitorWindow::connectScaleBoxes()
{
    connect(Type_Grafik, &QCheckBox::clicked, this, [this] { Type_Grafik_Click(); });
    connect(Cur_OFF_ON, &QCheckBox::clicked, this, [this] { Cur_OFF_ON_Click(); });
    connect(Mashtab_Y_min, &QLineEdit::textChanged, this, [this] { Mashtab_Y_Change(Mashtab_Y_min); });
    connect(Mashtab_Y_max, &QLineEdit::textChanged, this, [this] { Mashtab_Y_Change(Mashtab_Y_max); });
    connect(Mashtab_Y_min, &QLineEdit::returnPressed, this, [this] { Mashtab_Y_Enter(false); });
    connect(Mashtab_Y_max, &QLineEdit::returnPressed, this, [this] { Mashtab_Y_Enter(true); });
}

void TrendMonitorWindow::fillScaleBoxes()
{
    Mashtab_Y_min->setText(cursorValueText(m_.monitors.Grafik_Min(scaleChannel()), decimalPoint()));
    Mashtab_Y_max->setText(cursorValueText(m_.monitors.Grafik_Max(scaleChannel()), decimalPoint()));
}

void TrendMonitorWindow::clearPlot()
{
    plot.clear();
    plot.drawTimeGrid(gridCycle());
}

void TrendMonitorWindow::hourglassUntilPass()
{
    if (!std::exchange(waitUntilPass_, true))
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TrendMonitorWindow::Timer4_Timer()
{
    Timer4.stop();
    drawPass();
    area->Grafik_Tesk->update();
    if (std::exchange(waitUntilPass_, false))
        QApplication::restoreOverrideCursor();
}

void TrendMonitorWindow::Type_Grafik_Click()
{
    plot.steps = Type_Grafik->isChecked();
    fullRedraw();
}

void TrendMonitorWindow::HScroll1_Scroll(int value) { area->scrollTo(value); }

void TrendMonitorWindow::grabCursor(QPoint at)
{
    grabX_ = at.x();
    m_.monitors.Cursor_Drag_Flag = 1;
    area->LineCursor->show();
}

std::optional<CursorPlace> TrendMonitorWindow::dragCursorTo(QPoint at, bool left)
{
    if (!left) {
        Cur_Ekran->hide();
        return std::nullopt;
    }
    const CursorPlace place = dragCursor(area->LineCursor1->x(), grabX_, at.x(), plot.zoom);
    area->placeCursor(place.handleLeft, place.lineLeft);
    return place;
}

void TrendMonitorWindow::showCaption(const QString &text, std::int32_t colour, int lineLeft, int y)
{
    const CaptionPlace cap = captionPlace(plot.window(), lineLeft, y);
    Cur_Ekran->setText(text);
    paintText(*Cur_Ekran, colour);
    Cur_Ekran->adjustSize();
    Cur_Ekran->move(cap.left, cap.top);
    Cur_Ekran->show();
    Cur_Ekran->raise();
}

void TrendMonitorWindow::Timer5_Timer()
{
    if (const std::optional<bool> visible = cursorBlinkTick(m_.monitors))
        area->LineCursor->setVisible(*visible);
}

void TrendMonitorWindow::Cur_OFF_ON_Click()
{
    const bool on = Cur_OFF_ON->isChecked();
    area->LineCursor->setVisible(on);
    area->LineCursor1->setVisible(on);
    if (on)
        Timer5.start();
    else
        Timer5.stop();
}

void TrendMonitorWindow::Mashtab_Y_Change(QLineEdit *box)
{
    if (scaleTextWarns(box->text()))
        showMessage(QString::fromUtf16(kScaleWarning), MsgIcon::Exclamation);
}

void TrendMonitorWindow::Mashtab_Y_Enter(bool max)
{
    const std::optional<float> v = scaleTextValue((max ? Mashtab_Y_max : Mashtab_Y_min)->text());
    if (!v)
        return;
    (max ? m_.monitors.Grafik_Max : m_.monitors.Grafik_Min)(scaleChannel()) = *v;
    fullRedraw();
}

} // namespace pelmora
