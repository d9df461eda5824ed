#include "project/schema_view.h"

#include "algorithm/mem_algorithm.h"
#include "blockparams/property_block.h"
#include "core/services.h"
#include "pages/page_view.h"
#include "project/format_version.h"
#include "project/project_menu.h"
#include "schema/alg_block_mouse_down.h"
#include "schema/netlist_reader.h"
#include "schema/schema_import.h"
#include "ui/main_menu.h"
#include "ui/main_window_port.h"
#include "ui/window_registry.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace pelmora {
namespace {

// The longest text the first value row of the block parameter dialog takes:
// a journal block names its records with up to 40 characters, every other
// block with up to 17.
int firstRowLength(int typeCode) { return typeCode == type::JUR ? 40 : 17; }

} // namespace

QPixmap blockPicture(int typeCode)
{
    if (typeCode < 1 || typeCode > 50)
        return QPixmap();
    return QPixmap(QStringLiteral(":/blocks/block_%1.png").arg(typeCode, 2, 10, QLatin1Char('0')));
}

SchemaView::SchemaView(ProjectModel &m, MainWindowPort &main, PageView &pageView)
    : m_(m), main_(main), menu_(main.menu()), surface_(main.surface()), pageView_(pageView)
{
    setObjectName(QStringLiteral("SchemaView"));
    surface_.Client->installEventFilter(this);
    for (int i = 1; i <= 104; ++i)
        if (QLabel *img = surface_.Block_IMAGE[static_cast<std::size_t>(i)])
            img->installEventFilter(this);
    connect(menu_.MnuSCADA, &QAction::triggered, this, [this] { MnuSCADA_Click(); });
    connect(menu_.mnuSchema, &QAction::triggered, this, [this] { mnuSchema_Click(); });
    connect(menu_.mnuNetlist, &QAction::triggered, this, [this] { mnuNetlist_Click(); });
    connect(&pageView, &PageView::exitClicked, this, [this](int page) { Exit_SCADA_Click(page); });
}

SchemaView::~SchemaView() = default;

void SchemaView::Draw_Schema() { pelmora::Draw_Schema(m_, *this); }

void SchemaView::clearDrawing()
{
    texts_.clear();
    surface_.Client->update();
}

void SchemaView::showBlockPicture(int index, int typeCode, int left, int top)
{
    QLabel *img = surface_.Block_IMAGE[static_cast<std::size_t>(index)];
    img->setPixmap(blockPicture(typeCode));
    img->setGeometry(left, top, 40, 40);
    img->setVisible(true);
}

void SchemaView::hideBlockPicture(int index)
{
    surface_.Block_IMAGE[static_cast<std::size_t>(index)]->setVisible(false);
}

void SchemaView::drawText(int x, int y, const QString &text, const QColor &colour, int pointSize)
{
    texts_.append({QPoint(x, y), text, colour, pointSize});
    surface_.Client->update();
}

void SchemaView::paintDrawing()
{
    QPainter p(surface_.Client);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const DrawnText &t : texts_) {
        QFont f = surface_.Client->font();
        f.setPointSize(t.pointSize);
        p.setFont(f);
        p.setPen(t.colour);
        p.drawText(t.pos + QPoint(0, QFontMetrics(f).ascent()), t.text);
    }
}

bool SchemaView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == surface_.Client) {
        if (event->type() == QEvent::Paint)
            paintDrawing();
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        // A right press on an ALGORITHM block's picture imports its flowchart.
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() == Qt::RightButton)
            for (int i = 9; i <= 104; ++i)
                if (watched == surface_.Block_IMAGE[static_cast<std::size_t>(i)]) {
                    Block_IMAGE_MouseDown_Algorithm(m_, i, 2);
                    return true;
                }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() != Qt::LeftButton)
            return false; // the right button belongs to the flowchart import
        for (int i = 1; i <= 104; ++i) {
            QLabel *img = surface_.Block_IMAGE[static_cast<std::size_t>(i)];
            if (watched == img) {
                if (img->rect().contains(me->position().toPoint()))
                    Block_IMAGE_Click(i);
                return true;
            }
        }
    }
    return false;
}

void SchemaView::Block_IMAGE_Click(int Index)
{
    auto &s = m_.settings;
    // The SCADA picture enters the SCADA view.
    if (Index == 1) {
        MnuSCADA_Click();
        return;
    }
    if (Index == 2) {
        s.Type_Block_Edit = type::GRA;
        s.Num_Block_Edit = 98;
    } else if (Index == 3) {
        s.Type_Block_Edit = type::JUR;
        s.Num_Block_Edit = 99;
    } else if (Index > 8 && Index <= 104) {
        s.Num_Block_Edit = static_cast<std::uint8_t>(Index - 8);
        s.Type_Block_Edit = m_.schema.Block_Type(Index - 8);
    } else {
        return; // pictures 0 and 4 to 8 are never shown
    }
    WindowRegistry &windows = main_.windows();
    if (s.Type_Block_Edit == type::ALG) {
        // An ALGORITHM block opens its memory editor.
        windows.open<Mem_ALGORITHM>([this] { return new Mem_ALGORITHM(m_, main_); }).open();
    } else {
        // Every other block its parameter dialog, loaded before its first row is limited.
        PropertyBLOCK &w = windows.open<PropertyBLOCK>([this] { return new PropertyBLOCK(m_, main_); });
        w.Value_Text[1]->setMaxLength(firstRowLength(s.Type_Block_Edit));
        w.open();
    }
}

void SchemaView::MnuSCADA_Click()
{
    ProjectModel &m = m_;
    PageView &pv = pageView_;
    pv.setViewShown(true);
    if (m.pages.Varning_Stranica == 1) {
        surface_.Varning_Text->setVisible(true);
        surface_.Varning_Text->raise();
    }
    pv.Signal_Timer_Miganie_SCADA->start();
    // The view always opens on page 1.
    m.pages.Num_Stranica_SCADA = 0;
    pv.selectTab(0);
    menu_.MnuSCADA1->setVisible(true);
    menu_.MnuSaveOrvoSCADA->setVisible(true);
    menu_.MnuAllSaveOrvoSCADA->setVisible(true);
    menu_.MnuSaveOrvo->setVisible(false);
    // The tab control lies over the schema view; the warning line over the pages.
    pv.SCADA_SSTab->setVisible(true);
    pv.placeView(m.settings.Stranica_Count);
    pv.SCADA_SSTab->raise();
    if (surface_.Varning_Text->isVisible())
        surface_.Varning_Text->raise();
    // Page 0's level bars and numeric parameters.
    if (pv.enterPageZero)
        pv.enterPageZero();
}

void SchemaView::mnuSchema_Click()
{
    PageView &pv = pageView_;
    pv.setViewShown(false);
    surface_.Varning_Text->setVisible(false);
    pv.Signal_Timer_Miganie_SCADA->stop();
    menu_.MnuSCADA1->setVisible(false);
    menu_.MnuSaveOrvo->setVisible(true);
    pv.SCADA_SSTab->setVisible(false);
    menu_.MnuSaveOrvoSCADA->setVisible(false);
    menu_.MnuAllSaveOrvoSCADA->setVisible(false);
    surface_.Varning_Text->setVisible(false);
    Draw_Schema();
}

void SchemaView::Exit_SCADA_Click(int /*Index*/) { mnuSchema_Click(); }

void SchemaView::mnuNetlist_Click()
{
    ProjectModel &m = m_;
    // A transfer owns its project, and the schema in it, until it ends.
    if (m.link.transferUnderWay()) {
        showMessage(QString::fromUtf16(kProjectWhileTransfer), MsgIcon::Exclamation);
        return;
    }
    // The chosen file read and imported; a cancelled dialog or a file that
    // cannot be opened changes nothing.
    const std::optional<ChosenNetlist> chosen = chooseAndReadNetlist(m);
    if (!chosen)
        return;
    Import_NetList(m, chosen->count);
    main_.windows().settle(main_.mainWindow());
    menu_.mnuConfig->setVisible(true);
    menu_.MnuOrvo->setVisible(true);
    // The caption keeps naming the project's own netlist.
    main_.mainWindow().setWindowTitle(captionWithPath(m.settings.Format_Version, m.settings.Name_Schema));
    Draw_Schema();
}

} // namespace pelmora
