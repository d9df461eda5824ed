#include "pages/page_view.h"

#include "core/model/project_model.h"
#include "core/services.h"
#include "ui/main_window_port.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QToolButton>

namespace pelmora {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kTabControlLeft = 1, kTabControlTop = 1, kTabControlWidth = 803, kTabControlHeight = 520;
constexpr int kCanvasLeft = 15 / kTwipsPerPixel, kCanvasTop = 615 / kTwipsPerPixel;
constexpr int kCanvasWidth = 12000 / kTwipsPerPixel, kCanvasHeight = 7200 / kTwipsPerPixel;
constexpr int kExitLeft = 10, kExitTop = 440, kExitSize = 31;
constexpr int kUserMechanismPicture = 22;

const char16_t kPage16Inactive[] = u"Сторінка 16 неактивна!!!";

// The exit picture: an arrow leaving through a door.
QPixmap exitPicture()
{
    QPixmap pm(kExitSize, kExitSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 60), 1));
    p.setBrush(QColor(255, 250, 220));
    p.drawRoundedRect(QRectF(0.5, 0.5, kExitSize - 1, kExitSize - 1), 4, 4);
    p.setPen(QPen(QColor(90, 60, 30), 2));
    p.setBrush(QColor(200, 160, 110));
    p.drawRect(QRectF(17, 5, 9, 21));
    p.setPen(QPen(QColor(170, 20, 20), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(19, 15.5), QPointF(6, 15.5));
    p.drawPolyline(QPolygonF() << QPointF(11, 10.5) << QPointF(6, 15.5) << QPointF(11, 20.5));
    return pm;
}

} // namespace

std::optional<QString> parameterEntryCaption(int slot, int digitCode)
{
    if (digitCode < 0 || digitCode > 4)
        return std::nullopt;
    return QStringLiteral("%1").arg(slot, digitCode + 2, 10, QLatin1Char('0'));
}

PageTabControl::PageTabControl(QWidget *parent) : QWidget(parent)
{
    // The control covers the schema view drawn beneath it.
    setAutoFillBackground(true);
    for (int t = 0; t < kTabs; ++t) {
        auto *b = new QToolButton(this);
        b->setObjectName(QStringLiteral("SCADA_SSTab_tab_%1").arg(t));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, t] {
            const int previous = tab_;
            if (t == previous) {
                tabs_[static_cast<std::size_t>(t)]->setChecked(true);
                return;
            }
            setTab(t);
            emit tabClicked(previous);
        });
        tabs_[static_cast<std::size_t>(t)] = b;
        setTabCaption(t, QStringLiteral("Сторінка %1").arg(t + 1));
    }
    tabs_[0]->setChecked(true);
    layoutTabs();
}

void PageTabControl::setTab(int tab)
{
    if (tab < 0 || tab >= kTabs)
        return;
    tab_ = tab;
    for (int t = 0; t < kTabs; ++t) {
        const auto i = static_cast<std::size_t>(t);
        tabs_[i]->setChecked(t == tab);
        if (pages_[i])
            pages_[i]->setVisible(t == tab);
    }
}

QString PageTabControl::TabCaption(int tab) const
{
    if (tab < 0 || tab >= kTabs)
        return QString();
    return captions_[static_cast<std::size_t>(tab)];
}

void PageTabControl::setTabCaption(int tab, const QString &caption)
{
    if (tab < 0 || tab >= kTabs)
        return;
    // A tool button reads '&' as a shortcut marker; a page name shows as typed.
    QString shown = caption;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    tabs_[static_cast<std::size_t>(tab)]->setText(shown);
    captions_[static_cast<std::size_t>(tab)] = caption;
}

void PageTabControl::setPage(int tab, QWidget *page)
{
    if (tab < 0 || tab >= kTabs)
        return;
    pages_[static_cast<std::size_t>(tab)] = page;
    page->setVisible(tab == tab_);
}

void PageTabControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutTabs();
}

void PageTabControl::layoutTabs()
{
    const int w = width() / kTabsPerRow;
    for (int t = 0; t < kTabs; ++t) {
        const int row = t / kTabsPerRow, col = t % kTabsPerRow;
        tabs_[static_cast<std::size_t>(t)]->setGeometry(col * w, row * kTabHeight, w, kTabHeight);
    }
}

PageView::PageView(ProjectModel &m, MainWindowPort &main) : m_(m), surface_(main.surface())
{
    setObjectName(QStringLiteral("PageView"));
    SCADA_SSTab = new PageTabControl(surface_.Client);
    SCADA_SSTab->setObjectName(QStringLiteral("SCADA_SSTab"));
    SCADA_SSTab->setGeometry(kTabControlLeft, kTabControlTop, kTabControlWidth, kTabControlHeight);
    SCADA_SSTab->hide();

    const auto &pages = m.pages;
    const QPixmap exit = exitPicture();
    for (int p = 0; p < kPages; ++p) {
        const auto i = static_cast<std::size_t>(p);
        auto *canvas = new QLabel(SCADA_SSTab);
        canvas->setObjectName(QStringLiteral("SCADA_Picture_%1").arg(p));
        canvas->setGeometry(kCanvasLeft, kCanvasTop, kCanvasWidth, kCanvasHeight);
        canvas->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        canvas->setAutoFillBackground(true);
        const std::int32_t bgr = pages.Stranica_Fon_Color(p);
        QPalette pal = canvas->palette();
        pal.setColor(QPalette::Window, QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF));
        canvas->setPalette(pal);
        SCADA_Picture[i] = canvas;
        SCADA_SSTab->setPage(p, canvas);

        auto *img = new QLabel(canvas);
        img->setObjectName(QStringLiteral("Exit_SCADA_%1").arg(p));
        img->setPixmap(exit);
        img->setGeometry(kExitLeft, kExitTop, kExitSize, kExitSize);
        img->setCursor(Qt::PointingHandCursor);
        img->installEventFilter(this);
        Exit_SCADA[i] = img;
    }
    connect(SCADA_SSTab, &PageTabControl::tabClicked, this, &PageView::SCADA_SSTab_Click);

    Signal_Timer_Miganie_SCADA = new QTimer(this);
    Signal_Timer_Miganie_SCADA->setObjectName(QStringLiteral("Signal_Timer_Miganie_SCADA"));
    Signal_Timer_Miganie_SCADA->setInterval(500);
    connect(Signal_Timer_Miganie_SCADA, &QTimer::timeout, this, &PageView::Signal_Timer_Miganie_SCADA_Timer);
}

PageView::~PageView() = default;

void PageView::SCADA_SSTab_Click(int /*previousTab*/)
{
    ProjectModel &m = m_;
    auto &pg = m.pages;
    const int tab = SCADA_SSTab->Tab();
    pg.Num_Stranica_SCADA = static_cast<std::int16_t>(tab);
    // Page 16 cannot show mechanisms drawn from the user's phase pictures.
    if (tab == 15 && m.settings.Load_Project_Flag == 0)
        for (int p = 0; p <= 15; ++p)
            for (int n = 0; n <= 32; ++n)
                if (pg.Vent_Picture_Num(p, n) == kUserMechanismPicture)
                    showMessage(QString::fromUtf16(kPage16Inactive), MsgIcon::Information);
    QLabel *exit = Exit_SCADA[static_cast<std::size_t>(tab)];
    exit->move(kExitLeft, kExitTop);
    exit->show();
    // The warning line belongs to one page, and only to the SCADA view.
    const bool warn = pg.Varning_Stranica > 0 && pg.Varning_Stranica == tab + 1 && viewShown_;
    surface_.Varning_Text->setVisible(warn);
    if (warn)
        surface_.Varning_Text->raise();
}

void PageView::selectTab(int tab)
{
    const int previous = SCADA_SSTab->Tab();
    SCADA_SSTab->setTab(tab);
    SCADA_SSTab_Click(previous);
}

void PageView::Signal_Timer_Miganie_SCADA_Timer()
{
    if (blinkTick)
        blinkTick();
}

void PageView::placeView(int pageCount)
{
    SCADA_SSTab->setGeometry(kTabControlLeft, kTabControlTop, kTabControlWidth, kTabControlHeight);
    for (int p = 0; p < pageCount && p < kPages; ++p)
        SCADA_Picture[static_cast<std::size_t>(p)]->setGeometry(kCanvasLeft, kCanvasTop, kCanvasWidth, kCanvasHeight);
}

bool PageView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *me = static_cast<QMouseEvent *>(event);
        for (int p = 0; p < kPages; ++p)
            if (watched == Exit_SCADA[static_cast<std::size_t>(p)]) {
                if (me->button() == Qt::LeftButton &&
                    Exit_SCADA[static_cast<std::size_t>(p)]->rect().contains(me->position().toPoint()))
                    emit exitClicked(p);
                return true;
            }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pelmora
