#include "pages/page_editor.h"

#include "core/hosting/hosted_control.h"
#include "core/model/project_model.h"
#include "core/numbers.h"
#include "core/services.h"
#include "elements/element_codec.h"
#include "pages/element_kinds.h"
#include "pages/page_dialogs.h"
#include "pages/page_rules.h"
#include "pages/page_view.h"
#include "ui/hosted_control_widget.h"
#include "ui/main_menu.h"
#include "ui/main_window_port.h"
#include "ui/window_registry.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

namespace pelmora {

using namespace pages;

namespace {

constexpr int kPages = 16;
constexpr int kCanvasWidth = 800, kCanvasHeight = 480;
const char16_t kBadPicture[] = u"Не правильный тип файлу";

} // namespace

PageEditor::PageEditor(ProjectModel &m, MainWindowPort &main, PageView &view)
    : elements(view.SCADA_Picture[0]), m_(m), main_(main), menu_(main.menu()), view_(view)
{
    setObjectName(QStringLiteral("PageEditor"));
    for (int p = 0; p < kPages; ++p) {
        QLabel *c = view.SCADA_Picture[static_cast<std::size_t>(p)];
        MouseHandlers h;
        h.Click = [this, p] { SCADA_Picture_Click(p); };
        h.DblClick = [this, p] { SCADA_Picture_DblClick(p); };
        h.MouseMove = [this, p](short b, short s, float x, float y) { SCADA_Picture_MouseMove(p, b, s, x, y); };
        MouseAdapter::attach(c, MouseUnits::Pixels, std::move(h));
        paintPageColour(p);
    }
    elements.events.DblClick = [this](const QString &array, int index) {
        if (openElementDialog)
            openElementDialog(array, index);
    };
    // A double-click on a page tab opens the page's name and number dialog.
    for (int t = 0; t < PageTabControl::kTabs; ++t)
        view.SCADA_SSTab->tabButton(t)->installEventFilter(this);

    connect(menu_.MnuSignalSCADA, &QAction::triggered, this, &PageEditor::MnuSignalSCADA_Click);
    connect(menu_.MnuTextSignal, &QAction::triggered, this, &PageEditor::MnuTextSignal_Click);
    connect(menu_.MnuParametrSCADA, &QAction::triggered, this, &PageEditor::MnuParametrSCADA_Click);
    connect(menu_.MnuLevelSCADA, &QAction::triggered, this, &PageEditor::MnuLevelSCADA_Click);
    connect(menu_.mnuManometr, &QAction::triggered, this, &PageEditor::mnuManometr_Click);
    connect(menu_.MnuGotoBlockSCADA, &QAction::triggered, this, &PageEditor::MnuGotoBlockSCADA_Click);
    connect(menu_.MnuControl, &QAction::triggered, this, &PageEditor::MnuControl_Click);
    connect(menu_.mnuVent, &QAction::triggered, this, &PageEditor::mnuVent_Click);
    connect(menu_.MnuFigura, &QAction::triggered, this, &PageEditor::MnuFigura_Click);
    connect(menu_.mnuText, &QAction::triggered, this, &PageEditor::mnuText_Click);
    connect(menu_.MnuMenuSCADA, &QAction::triggered, this, &PageEditor::MnuMenuSCADA_Click);
    connect(menu_.MnuClockSCADA, &QAction::triggered, this, &PageEditor::MnuClockSCADA_Click);
    connect(menu_.MnuColorFonSCADA, &QAction::triggered, this, &PageEditor::MnuColorFonSCADA_Click);
    connect(menu_.MnuInsertFonSCADA, &QAction::triggered, this, &PageEditor::MnuInsertFonSCADA_Click);
    connect(menu_.MnuCoordNetSCADA, &QAction::triggered, this, &PageEditor::MnuCoordNetSCADA_Click);
    // The menu toggles a checkable item by itself; the handler does the toggling.
    connect(menu_.mnuBlockSCADA, &QAction::triggered, this, [this] {
        menu_.mnuBlockSCADA->setChecked(!menu_.mnuBlockSCADA->isChecked());
        mnuBlockSCADA_Click();
    });
    view.enterPageZero = [this] { enterPageZero(); };
}

PageEditor::~PageEditor()
{
    delete coordSetka();
    delete numNetOrvo();
}

ProjectModel &PageEditor::model() const { return m_; }

int PageEditor::currentPage() const { return model().pages.Num_Stranica_SCADA; }

QLabel *PageEditor::canvas(int page) const
{
    if (page < 0 || page >= kPages)
        return nullptr;
    return view_.SCADA_Picture[static_cast<std::size_t>(page)];
}

QLabel *PageEditor::currentCanvas() const { return canvas(currentPage()); }

void PageEditor::paintPageColour(int page)
{
    QLabel *c = canvas(page);
    if (!c)
        return;
    QPalette pal = c->palette();
    pal.setColor(QPalette::Window, colourOf(model().pages.Stranica_Fon_Color(page)));
    c->setPalette(pal);
    c->setAutoFillBackground(true);
}

QPoint PageEditor::insertionPoint() const { return QPoint(Insert_Flag * Insert_X, Insert_Flag * Insert_Y); }

void PageEditor::unlockElements() { menu_.mnuBlockSCADA->setChecked(false); }

template <typename T> void PageEditor::showTemplate(T *templ, QPoint at)
{
    if (!templ)
        return;
    templ->setParent(currentCanvas());
    templ->move(at);
    templ->show();
    templ->raise();
}

// --- insert items ----------------------------------------------------------------------

void PageEditor::MnuSignalSCADA_Click()
{
    model().pages.Pending_Element_Kind = PendingSignal;
    if (hosting::HostedControl *t = elements.signalTemplate()) {
        const QPoint at = insertionPoint();
        const QRect g = t->geometry();
        hosting::setContainer(*t, currentCanvas());
        t->move(at.x(), at.y(), g.width(), g.height());
        t->setVisible(true);
        if (QWidget *w = hosting::widgetOf(*t))
            w->raise();
    }
    unlockElements();
}

void PageEditor::MnuTextSignal_Click()
{
    model().pages.Pending_Element_Kind = PendingTextSignal;
    showTemplate(elements.Text_Signal_Picture(0), insertionPoint());
    unlockElements();
}

void PageEditor::MnuParametrSCADA_Click()
{
    auto &pg = model().pages;
    const int p = currentPage();
    pg.Pending_Element_Kind = PendingParameter;
    ElementLabel *t = elements.Parametr_Label(0);
    showTemplate(t, insertionPoint());
    // A page without a parameter style yet starts at 14 points.
    if (pg.Parametr_Font_Size(p, 0) == 0)
        pg.Parametr_Font_Size(p, 0) = 14;
    t->setForeColor(pg.Parametr_Color(p, 0));
    t->setBackColor(pg.Parametr_Color_Fon(p, 0));
    t->setBorderStyle(pg.Parametr_Border_Style(p, 0) != 0 ? 1 : 0);
    t->setPointSize(pg.Parametr_Font_Size(p, 0));
    unlockElements();
}

void PageEditor::MnuLevelSCADA_Click()
{
    model().pages.Pending_Element_Kind = PendingLevel;
    const QPoint at = insertionPoint();
    showTemplate(elements.Level_Picture(0), at);
    showTemplate(elements.Level_Picture_1(0), at);
    unlockElements();
}

void PageEditor::mnuManometr_Click()
{
    // The manometer sets no pending kind and ignores the insertion point.
    showTemplate(elements.Manometr_Img(0), QPoint(1, 1));
    unlockElements();
}

void PageEditor::MnuGotoBlockSCADA_Click()
{
    model().pages.Pending_Element_Kind = PendingTransition;
    showTemplate(elements.Go_Block_Label(0), insertionPoint());
    unlockElements();
}

void PageEditor::MnuControl_Click()
{
    model().pages.Pending_Element_Kind = PendingControl;
    showTemplate(elements.Control_Image(0), insertionPoint());
    unlockElements();
}

void PageEditor::mnuVent_Click()
{
    model().pages.Pending_Element_Kind = PendingMechanism;
    showTemplate(elements.Ventilator_Picture(0), insertionPoint());
    unlockElements();
}

void PageEditor::MnuFigura_Click()
{
    model().pages.Pending_Element_Kind = PendingFigure;
    FigureShape *t = elements.ShapePlus1(0);
    t->setLineWidth(3);
    t->setShape(0);
    showTemplate(t, insertionPoint());
    unlockElements();
}

void PageEditor::mnuText_Click()
{
    model().pages.Pending_Element_Kind = PendingStaticText;
    showTemplate(elements.Text_Label_Label(0), insertionPoint());
    unlockElements();
}

void PageEditor::MnuMenuSCADA_Click()
{
    model().pages.Pending_Element_Kind = PendingMenu;
    const QPoint at = insertionPoint();
    showTemplate(elements.Menu_Image(0), at);
    showTemplate(elements.Menu_Text(0), at + QPoint(8, 14));
    unlockElements();
}

void PageEditor::MnuClockSCADA_Click()
{
    auto &pg = model().pages;
    const int p = currentPage();
    const int i = controlIndex(ElementKind::Clock, p, 0);
    pg.Pending_Element_Kind = PendingClock;
    // A clock already on the page only goes back to its place.
    if (elements.Real_Clock.load(i)) {
        elements.Real_Time.load(i);
        pg.Clock_Used(i) = 1;
    }
    if (ElementLabel *clock = elements.Real_Clock(i)) {
        clock->setParent(currentCanvas());
        clock->move(1, 1);
        clock->show();
    }
    pg.Clock_Coord_X(i) = 1;
    pg.Clock_Coord_Y(i) = 1;
    if (ElementLabel *date = elements.Real_Time(i)) {
        date->setParent(currentCanvas());
        date->move(1, 22);
        date->show();
    }
    unlockElements();
}

// --- canvas events -----------------------------------------------------------------------

void PageEditor::SCADA_Picture_MouseMove(int, short, short, float X, float Y)
{
    Mouse_X = num::toInt16(X).value_or(Mouse_X);
    Mouse_Y = num::toInt16(Y).value_or(Mouse_Y);
}

void PageEditor::SCADA_Picture_Click(int Index)
{
    for (QLabel *z : elements.Zoom)
        z->hide();
    QLabel *c = canvas(Index);
    if (!c)
        return;
    const QPixmap picture = c->pixmap();
    Pipetka_Color =
        canvasPointColour(picture.isNull() ? QImage() : picture.toImage(), model().pages.Stranica_Fon_Color(Index),
                          kCanvasWidth, kCanvasHeight, Mouse_X, Mouse_Y);
}

void PageEditor::SCADA_Picture_DblClick(int)
{
    Insert_X = Mouse_X;
    Insert_Y = Mouse_Y;
    Insert_Flag = 1;
    const int kind = model().pages.Pending_Element_Kind;
    switch (kind) {
    case PendingFigure: MnuFigura_Click(); break;
    case PendingMenu: MnuMenuSCADA_Click(); break;
    case PendingStaticText: mnuText_Click(); break;
    case PendingTransition: MnuGotoBlockSCADA_Click(); break;
    case PendingParameter: MnuParametrSCADA_Click(); break;
    case PendingLevel: MnuLevelSCADA_Click(); break;
    case PendingSignal: MnuSignalSCADA_Click(); break;
    case PendingTextSignal: MnuTextSignal_Click(); break;
    case PendingControl: MnuControl_Click(); break;
    case PendingMechanism: mnuVent_Click(); break;
    default: break; // none chosen yet, or the clock
    }
    // After a menu item the flag stays until the next move over a menu element.
    if (kind != PendingMenu)
        Insert_Flag = 0;
}

// --- entering the view -------------------------------------------------------------------

void PageEditor::enterPageZero()
{
    const auto &pg = model().pages;
    QLabel *page0 = canvas(0);
    for (int n = 0; n <= 32; ++n) {
        if (pg.Level_Used(0, n) == 1) {
            for (ElementLabel *box : {elements.Level_Picture(n), elements.Level_Picture_1(n)}) {
                if (!box)
                    continue;
                const bool shown = box->isVisibleTo(box->parentWidget());
                box->setParent(page0);
                box->setVisible(shown);
            }
        }
        if (pg.Parametr_Used(0, n) == 1)
            if (ElementLabel *l = elements.Parametr_Label(n))
                if (const auto caption = element::parameterPlaceholder(n, pg.Parametr_Digits(0, n)))
                    l->setCaption(*caption);
    }
}

// --- blink preview -------------------------------------------------------------------------

void PageEditor::Signal_Timer_Miganie_SCADA_Timer()
{
    for (const BlinkWrite &w : blinkTick(model().pages, currentPage(), Miganie_Phase)) {
        if (w.target == BlinkWrite::SignalColour) {
            if (hosting::HostedControl *s = elements.Signal_Picture(w.index))
                s->setProperty(QStringLiteral("ForeColor"), QVariant(static_cast<qint64>(w.colour)));
        } else if (ElementLabel *l = elements.Text_Signal_Picture(w.index)) {
            l->setCaption(w.caption);
        }
    }
}

// --- page settings -------------------------------------------------------------------------

void PageEditor::MnuColorFonSCADA_Click()
{
    const auto chosen = Services::colors().choose(lastFonColour_);
    if (!chosen)
        return; // Cancel leaves the page as it was
    lastFonColour_ = *chosen;
    const int p = currentPage();
    auto &pg = model().pages;
    pg.Stranica_Fon_Color(p) = bgrOf(*chosen);
    paintPageColour(p);
    if (QLabel *c = canvas(p)) {
        c->clear();
        c->show();
    }
    pg.Stranica_Fon_Flag(p) = 0;
}

void PageEditor::MnuInsertFonSCADA_Click()
{
    FileDialogRequest request;
    request.filter = QStringLiteral("gif file|*.gif");
    request.directory = QDir::currentPath();
    const auto chosen = Services::files().open(request);
    if (!chosen || chosen->isEmpty())
        return; // Cancel leaves the page as it was
    const int p = currentPage();
    auto &pg = model().pages;
    const QPixmap picture(*chosen);
    if (picture.isNull()) {
        showMessage(QString::fromUtf16(kBadPicture));
        return;
    }
    if (QLabel *c = canvas(p)) {
        c->setPixmap(picture);
        c->show();
    }
    pg.Stranica_Fon_Name(model().settings.Stranica_Count + p) = *chosen;
    const auto name = backgroundEntryName(*chosen);
    if (!name) {
        showMessage(QString::fromUtf16(kBadPicture));
        return;
    }
    pg.Stranica_Fon_Name(p) = *name;
    pg.Stranica_Fon_Flag(p) = 1;
}

void PageEditor::mnuBlockSCADA_Click() { menu_.mnuBlockSCADA->setChecked(!menu_.mnuBlockSCADA->isChecked()); }

void PageEditor::MnuCoordNetSCADA_Click()
{
    Coord_Setka &dlg = main_.windows().open<Coord_Setka>([this] { return new Coord_Setka(m_, main_); });
    dlg.open();
    const auto &pg = model().pages;
    dlg.Text_Razmer_Coord_NET->setText(QString::number(pg.Setka_Razmer));
    dlg.Control_Coord_Net->setChecked(pg.Control_Grid == 1);
}

void PageEditor::SCADA_SSTab_DblClick()
{
    Num_Net_Orvo &dlg =
        main_.windows().open<Num_Net_Orvo>([this] { return new Num_Net_Orvo(m_, main_, *view_.SCADA_SSTab); });
    dlg.open();
    const int tab = view_.SCADA_SSTab->Tab();
    dlg.Combo2->setCurrentIndex(model().pages.Stranica_Num_Net(tab));
}

Coord_Setka *PageEditor::coordSetka() const { return main_.windows().find<Coord_Setka>(); }
Num_Net_Orvo *PageEditor::numNetOrvo() const { return main_.windows().find<Num_Net_Orvo>(); }

bool PageEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        // The double-click lands on a tab after its first click selected it.
        SCADA_SSTab_DblClick();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pelmora
