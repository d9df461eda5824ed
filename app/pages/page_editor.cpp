#include "pages/page_editor.h"

#include "core/hosting/hosted_control.h"
#include "core/model/project_model.h"
#include "core/numbers.h"
#include "core/picture_file.h"
#include "core/services.h"
#include "elements/element_codec.h"
#include "pages/editor/band_selection.h"
#include "pages/editor/copy_selection.h"
#include "pages/editor/delete_selection.h"
#include "pages/editor/element_drag.h"
#include "pages/editor/group_move.h"
#include "pages/editor/handle_resize.h"
#include "pages/editor/menu_caption.h"
#include "pages/editor/paste_selection.h"
#include "pages/element_kinds.h"
#include "pages/element_views.h"
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
#include <QCursor>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

namespace pelmora {

using namespace pages;

namespace {

constexpr int kPages = 16;
constexpr int kCanvasWidth = 800, kCanvasHeight = 480;
const char16_t kBadPicture[] = u"Не правильный тип файлу";

// The selection rectangle: a dashed outline over the elements of its canvas
// that lets the mouse through to the canvas below.
class SelectionBand : public QWidget {
public:
    explicit SelectionBand(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Select_copy"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setBrush(Qt::NoBrush);
        // Black dashes on white read on every page colour.
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

} // namespace

// Where the views stand, read from the controls themselves.
class PageEditor::Views : public CanvasViews {
public:
    explicit Views(const PageEditor &editor) : editor_(editor) {}
    std::optional<QRectF> geometry(ViewRef view) const override
    {
        if (view.array == ViewArray::Signal_Picture) {
            if (const hosting::HostedControl *s = editor_.elements.Signal_Picture(view.index))
                return QRectF(s->geometry());
            return std::nullopt;
        }
        if (const QWidget *w = editor_.viewWidget(view))
            return QRectF(w->geometry());
        return std::nullopt;
    }

private:
    const PageEditor &editor_;
};

PageEditor::PageEditor(ProjectModel &m, MainWindowPort &main, PageView &view)
    : elements(view.SCADA_Picture[0]), m_(m), main_(main), menu_(main.menu()), view_(view),
      views_(std::make_unique<Views>(*this))
{
    setObjectName(QStringLiteral("PageEditor"));
    for (int p = 0; p < kPages; ++p) {
        QLabel *c = view.SCADA_Picture[static_cast<std::size_t>(p)];
        MouseHandlers h;
        h.Click = [this, p] { SCADA_Picture_Click(p); };
        h.DblClick = [this, p] { SCADA_Picture_DblClick(p); };
        h.MouseDown = [this, p](short b, short s, float x, float y) { SCADA_Picture_MouseDown(p, b, s, x, y); };
        h.MouseMove = [this, p](short b, short s, float x, float y) { SCADA_Picture_MouseMove(p, b, s, x, y); };
        h.MouseUp = [this, p](short b, short s, float x, float y) { SCADA_Picture_MouseUp(p, b, s, x, y); };
        MouseAdapter::attach(c, MouseUnits::Pixels, std::move(h));
        paintPageColour(p);
    }
    band_ = new SelectionBand(canvas(0));
    elements.events.DblClick = [this](ViewArray array, int index) {
        if (openElementDialog)
            openElementDialog(array, index);
    };
    elements.events.Click = [this](ViewArray array, int index) { elementClick(array, index); };
    elements.events.MouseDown = [this](ViewArray array, int index, short b, short s, float x, float y) {
        elementMouseDown(array, index, b, s, x, y);
    };
    elements.events.MouseMove = [this](ViewArray array, int index, short b, short s, float x, float y) {
        elementMouseMove(array, index, b, s, x, y);
    };
    elements.events.CaptionEdited = [this](int index, const QString &text) { Menu_Text_Change(index, text); };
    for (int z = 0; z < static_cast<int>(elements.Zoom.size()); ++z) {
        MouseHandlers h;
        h.MouseDown = [this, z](short b, short s, float x, float y) { Zoom_MouseDown(z, b, s, x, y); };
        h.MouseMove = [this, z](short b, short s, float x, float y) { Zoom_MouseMove(z, b, s, x, y); };
        MouseAdapter::attach(elements.Zoom[static_cast<std::size_t>(z)], MouseUnits::Twips, std::move(h));
    }
    if (QLineEdit *banner = main.surface().Varning_Text) {
        MouseHandlers h;
        h.MouseDown = [this](short b, short s, float x, float y) { Varning_Text_MouseDown(b, s, x, y); };
        h.MouseMove = [this](short b, short s, float x, float y) { Varning_Text_MouseMove(b, s, x, y); };
        bannerMouse_ = MouseAdapter::attach(banner, MouseUnits::Twips, std::move(h));
    }
    connect(menu_.mnuCopy, &QAction::triggered, this, &PageEditor::mnuCopy_Click);
    connect(menu_.mnuPaste, &QAction::triggered, this, &PageEditor::mnuPaste_Click);
    connect(menu_.mnuDelete, &QAction::triggered, this, &PageEditor::mnuDelete_Click);
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
    // The warning line belongs to the main window and outlives the editor.
    delete bannerMouse_.data();
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

namespace {
// The indicator control's own colour (red, 0x00BBGGRR).
constexpr std::int32_t kNewSignalColour = 0x0000FF;
} // namespace

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
    auto &pg = model().pages;
    pg.Pending_Element_Kind = PendingSignal;
    // The blink preview paints the template in the colour of slot 0; a page
    // without one yet shows the indicator's own red, not black.
    const int p = currentPage();
    if (pg.Signal_Color(p, 0) == 0 && pg.Signal_Color_Fon(p, 0) == 0)
        pg.Signal_Color(p, 0) = kNewSignalColour;
    if (hosting::HostedControl *t = elements.signalTemplate()) {
        t->setProperty(QStringLiteral("ForeColor"), static_cast<qint64>(pg.Signal_Color(p, 0)));
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
    // A page without a parameter style yet starts at 14 points, black on
    // white as the template is drawn (not black on black).
    if (pg.Parametr_Font_Size(p, 0) == 0) {
        pg.Parametr_Font_Size(p, 0) = 14;
        if (pg.Parametr_Color(p, 0) == 0 && pg.Parametr_Color_Fon(p, 0) == 0)
            pg.Parametr_Color_Fon(p, 0) = 0xFFFFFF;
    }
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
    // The text box stands where a menu item's text stands beside its picture.
    showTemplate(elements.Menu_Text(0), at - QPoint(kMenuImageDx, kMenuImageDy));
    unlockElements();
}

void PageEditor::MnuClockSCADA_Click()
{
    auto &pg = model().pages;
    const int p = currentPage();
    const int i = element::viewIndex(element::Kind::Clock, p, 0);
    pg.Pending_Element_Kind = PendingClock;
    // A clock already on the page only goes back to its corner.
    if (!elements.Real_Clock.isLoaded(i))
        pg.Clock_Used(i) = 1;
    pg.Clock_Coord_X(i) = 1;
    pg.Clock_Coord_Y(i) = 1;
    // Shown from its record like every element, so its date label stands
    // where a drag and the reopened project put it (22 pixels below the time).
    refreshView(element::Kind::Clock, p, 0);
    unlockElements();
}

void PageEditor::insertItem(element::Kind kind)
{
    switch (kind) {
    case element::Kind::Signal: MnuSignalSCADA_Click(); break;
    case element::Kind::TextSignal: MnuTextSignal_Click(); break;
    case element::Kind::Parameter: MnuParametrSCADA_Click(); break;
    case element::Kind::Level: MnuLevelSCADA_Click(); break;
    case element::Kind::Manometer: mnuManometr_Click(); break;
    case element::Kind::Transition: MnuGotoBlockSCADA_Click(); break;
    case element::Kind::Control: MnuControl_Click(); break;
    case element::Kind::Mechanism: mnuVent_Click(); break;
    case element::Kind::Figure: MnuFigura_Click(); break;
    case element::Kind::StaticText: mnuText_Click(); break;
    case element::Kind::Menu: MnuMenuSCADA_Click(); break;
    case element::Kind::Clock: MnuClockSCADA_Click(); break;
    case element::Kind::Varning:
    case element::Kind::Graph: break; // inserted by their dialogs
    }
}

// --- canvas events -----------------------------------------------------------------------

void PageEditor::SCADA_Picture_MouseDown(int Index, short Button, short, float X, float Y)
{
    apply(canvasPress(model().pages, state, Index, Button, X, Y));
}

void PageEditor::SCADA_Picture_MouseMove(int, short Button, short, float X, float Y)
{
    apply(canvasMove(model().pages, state, *views_, Button, X, Y));
}

void PageEditor::SCADA_Picture_MouseUp(int, short, short, float, float)
{
    canvasRelease(model().pages, state, *views_);
    apply(bandRelease(state));
}

void PageEditor::SCADA_Picture_Click(int Index)
{
    for (QLabel *z : elements.Zoom)
        z->hide();
    state.Zoom.Visible = false;
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
    // The clock's insert item runs only from its menu item.
    if (const element::KindInfo *k = element::kindOfPending(kind); k && k->kind != element::Kind::Clock)
        insertItem(k->kind);
    // After a menu item the flag stays until the next move over a menu element.
    if (kind != PendingMenu)
        Insert_Flag = 0;
}

// --- element views, the warning line and the handles ------------------------------------

void PageEditor::syncLock() { state.Element_Lock = menu_.mnuBlockSCADA->isChecked(); }

void PageEditor::elementClick(ViewArray array, int Index)
{
    apply(pages::elementClick(model().pages, state, *views_, ViewRef{array, Index}));
}

void PageEditor::elementMouseDown(ViewArray array, int Index, short Button, short, float X, float Y)
{
    // A menu item's text box and a clock's date label have no mouse handlers.
    if (array == ViewArray::Menu_Text || array == ViewArray::Real_Time)
        return;
    apply(elementPress(state, *views_, ViewRef{array, Index}, Button, X, Y));
}

void PageEditor::elementMouseMove(ViewArray array, int Index, short Button, short, float X, float Y)
{
    syncLock();
    apply(elementMove(model().pages, state, *views_, ViewRef{array, Index}, Button, X, Y));
}

void PageEditor::Menu_Text_Change(int Index, const QString &text) { menuTextChange(model().pages, Index, text); }

void PageEditor::Varning_Text_MouseDown(short Button, short, float X, float Y)
{
    apply(elementPress(state, *views_, ViewRef{ViewArray::Varning_Text, 0}, Button, X, Y));
}

void PageEditor::Varning_Text_MouseMove(short Button, short, float X, float Y)
{
    syncLock();
    apply(elementMove(model().pages, state, *views_, ViewRef{ViewArray::Varning_Text, 0}, Button, X, Y));
}

void PageEditor::Zoom_MouseDown(int, short, short, float X, float Y) { handlePress(state, X, Y); }

void PageEditor::Zoom_MouseMove(int, short Button, short, float X, float Y)
{
    syncLock();
    apply(handleMove(model().pages, state, *views_, Button, X, Y));
}

// --- the edit menu -----------------------------------------------------------------------

void PageEditor::mnuCopy_Click() { copySelection(model().pages, state); }

void PageEditor::mnuPaste_Click() { apply(pasteSelection(model().pages, state, views_.get())); }

void PageEditor::mnuDelete_Click() { apply(deleteSelection(model().pages, state)); }

// --- showing what changed ----------------------------------------------------------------

QWidget *PageEditor::viewWidget(ViewRef view) const
{
    if (view.array == ViewArray::Varning_Text)
        return main_.surface().Varning_Text;
    return elements.widget(view.array, view.index);
}

void PageEditor::place(ViewRef view, const QRectF &rect)
{
    const QRect r = rect.toRect();
    if (view.array == ViewArray::Signal_Picture) {
        if (hosting::HostedControl *s = elements.Signal_Picture(view.index))
            s->move(r.left(), r.top(), r.width(), r.height());
        return;
    }
    if (QWidget *w = viewWidget(view))
        w->setGeometry(r);
}

void PageEditor::unloadViews(const ElementRef &e) { unloadElement(e.kind, element::viewIndex(e.kind, e.page, e.slot)); }

void PageEditor::refreshView(element::Kind kind, int page, int slot)
{
    refreshElementView(m_, *this, kind, page, slot);
}

void PageEditor::apply(const EditorChanges &c)
{
    for (const ViewPlacement &p : c.placed)
        place(p.view, p.rect);
    for (const ElementRef &e : c.freed)
        unloadViews(e);
    for (const ElementRef &e : c.created)
        refreshView(e.kind, e.page, e.slot);
    for (const ViewText &t : c.captions)
        if (auto *l = qobject_cast<ElementLabel *>(viewWidget(t.view)))
            l->setCaption(t.text);
    for (const ViewText &t : c.toolTips) {
        if (t.view.array == ViewArray::Signal_Picture) {
            if (hosting::HostedControl *s = elements.Signal_Picture(t.view.index))
                s->setToolTipText(t.text);
        } else if (QWidget *w = viewWidget(t.view)) {
            w->setToolTip(t.text);
        }
    }
    if (c.bandChanged || !c.created.empty())
        drawBand();
    if (c.handleChanged)
        drawHandle();
    if (c.message)
        showMessage(*c.message, MsgIcon::Critical, MsgButtons::Ok);
    if (c.popupMenu && menu_.mnuEditMenu) {
        menu_.mnuEditMenu->setDefaultAction(menu_.mnuCopy);
        menu_.mnuEditMenu->popup(QCursor::pos());
    }
}

void PageEditor::drawBand()
{
    const SelectionRect &r = state.Select_copy;
    QLabel *c = canvas(r.page);
    if (!c)
        return;
    if (band_->parentWidget() != c)
        band_->setParent(c);
    // The outline covers Left..Left + Width by Top..Top + Height, both edges drawn.
    const QRect area(QPoint(qRound(r.Left), qRound(r.Top)), QPoint(qRound(r.Left + r.Width), qRound(r.Top + r.Height)));
    band_->setGeometry(area);
    band_->setVisible(r.Visible);
    band_->raise();
}

void PageEditor::drawHandle()
{
    QLabel *z = elements.Zoom[2];
    const ResizeHandle &h = state.Zoom;
    if (QLabel *c = canvas(h.page); c && z->parentWidget() != c)
        z->setParent(c);
    z->move(h.Left, h.Top);
    z->setVisible(h.Visible);
    z->raise();
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
    // The dialog starts at the page's own colour, so a quick Ok keeps it.
    const int p = currentPage();
    auto &pg = model().pages;
    const auto chosen = Services::colors().choose(colourOf(pg.Stranica_Fon_Color(p)));
    if (!chosen)
        return; // Cancel leaves the page as it was
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
    const QPixmap picture = QPixmap::fromImage(readPicture(*chosen));
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
