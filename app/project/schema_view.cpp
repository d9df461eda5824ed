#include "project/schema_view.h"

#include "algorithm/mem_algorithm.h"
#include "blockparams/property_block.h"
#include "core/services.h"
#include "pages/page_view.h"
#include "project/config_scada.h"
#include "project/format_version.h"
#include "schema/alg_block_mouse_down.h"
#include "schema/netlist_reader.h"
#include "schema/schema_import.h"

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

// The first value row of the block parameter dialog, wherever the dialog
// keeps it: its row array, or a child named "Value_Text_1".
template <typename Dialog> QLineEdit *firstValueRow(Dialog &dlg)
{
    if constexpr (requires { dlg.Value_Text[1]; }) {
        return dlg.Value_Text[1];
    } else {
        return dlg.template findChild<QLineEdit *>(QStringLiteral("Value_Text_1"));
    }
}

// Shows a top-level window; one that is already on screen comes to the front.
void showWindow(QWidget *window)
{
    const bool shown = window->isVisible();
    window->show();
    if (shown) {
        window->raise();
        window->activateWindow();
    }
}

} // namespace

QPixmap blockPicture(int typeCode)
{
    if (typeCode < 1 || typeCode > 50)
        return QPixmap();
    return QPixmap(QStringLiteral(":/blocks/block_%1.png").arg(typeCode, 2, 10, QLatin1Char('0')));
}

SchemaView::SchemaView(Config_SCADA &main) : main_(main)
{
    setObjectName(QStringLiteral("SchemaView"));
    main.Client->installEventFilter(this);
    for (int i = 1; i <= 104; ++i)
        if (QLabel *img = main.Block_IMAGE[static_cast<std::size_t>(i)])
            img->installEventFilter(this);
    connect(main.MnuSCADA, &QAction::triggered, this, [this] { MnuSCADA_Click(); });
    connect(main.mnuSchema, &QAction::triggered, this, [this] { mnuSchema_Click(); });
    connect(main.mnuNetlist, &QAction::triggered, this, [this] { mnuNetlist_Click(); });
    if (main.pageView)
        connect(main.pageView.get(), &PageView::exitClicked, this, [this](int page) { Exit_SCADA_Click(page); });
}

SchemaView::~SchemaView() = default;

void SchemaView::Draw_Schema() { pelmora::Draw_Schema(main_.model(), *this); }

void SchemaView::clearDrawing()
{
    texts_.clear();
    main_.Client->update();
}

void SchemaView::showBlockPicture(int index, int typeCode, int left, int top)
{
    QLabel *img = main_.Block_IMAGE[static_cast<std::size_t>(index)];
    img->setPixmap(blockPicture(typeCode));
    img->setGeometry(left, top, 40, 40);
    img->setVisible(true);
}

void SchemaView::hideBlockPicture(int index) { main_.Block_IMAGE[static_cast<std::size_t>(index)]->setVisible(false); }

void SchemaView::drawText(int x, int y, const QString &text, const QColor &colour, int pointSize)
{
    texts_.append({QPoint(x, y), text, colour, pointSize});
    main_.Client->update();
}

void SchemaView::paintDrawing()
{
    QPainter p(main_.Client);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const DrawnText &t : texts_) {
        QFont f = main_.Client->font();
        f.setPointSize(t.pointSize);
        p.setFont(f);
        p.setPen(t.colour);
        p.drawText(t.pos + QPoint(0, QFontMetrics(f).ascent()), t.text);
    }
}

bool SchemaView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == main_.Client) {
        if (event->type() == QEvent::Paint)
            paintDrawing();
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        // A right press on an ALGORITHM block's picture imports its flowchart.
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() == Qt::RightButton)
            for (int i = 9; i <= 104; ++i)
                if (watched == main_.Block_IMAGE[static_cast<std::size_t>(i)]) {
                    Block_IMAGE_MouseDown_Algorithm(main_, i, 2);
                    return true;
                }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() != Qt::LeftButton)
            return false; // the right button belongs to the flowchart import
        for (int i = 1; i <= 104; ++i) {
            QLabel *img = main_.Block_IMAGE[static_cast<std::size_t>(i)];
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
    auto &s = main_.model().settings;
    // 1. the SCADA picture enters the SCADA view.
    if (Index == 1) {
        MnuSCADA_Click();
        return;
    }
    // 2. the block to edit.
    if (Index == 2) {
        s.Type_Block_Edit = type::GRA;
        s.Num_Block_Edit = 98;
    } else if (Index == 3) {
        s.Type_Block_Edit = type::JUR;
        s.Num_Block_Edit = 99;
    } else if (Index > 8 && Index <= 104) {
        s.Num_Block_Edit = static_cast<std::uint8_t>(Index - 8);
        s.Type_Block_Edit = main_.model().schema.Block_Type(Index - 8);
    } else {
        return; // pictures 0 and 4 to 8 are never shown
    }
    if (s.Type_Block_Edit == type::ALG) {
        // 3. an ALGORITHM block opens its memory editor.
        auto *w = qobject_cast<Mem_ALGORITHM *>(main_.openWindow(QStringLiteral("Mem_ALGORITHM")));
        if (!w) {
            w = new Mem_ALGORITHM(main_);
            main_.registerWindow(QStringLiteral("Mem_ALGORITHM"), w);
        }
        showWindow(w);
    } else {
        // 4. every other block its parameter dialog, loaded before its first row is limited.
        auto *w = qobject_cast<PropertyBLOCK *>(main_.openWindow(QStringLiteral("PropertyBLOCK")));
        if (!w) {
            w = new PropertyBLOCK(main_);
            main_.registerWindow(QStringLiteral("PropertyBLOCK"), w);
        }
        if (QLineEdit *row = firstValueRow(*w))
            row->setMaxLength(firstRowLength(s.Type_Block_Edit));
        showWindow(w);
    }
    // 5. modal by hand: the opened window enables the main window again when it closes.
    main_.setEnabled(false);
}

void SchemaView::MnuSCADA_Click()
{
    ProjectModel &m = main_.model();
    PageView &pv = *main_.pageView;
    pv.setViewShown(true);
    // 1.
    if (m.pages.Varning_Stranica == 1) {
        main_.Varning_Text->setVisible(true);
        main_.Varning_Text->raise();
    }
    // 2.
    pv.Signal_Timer_Miganie_SCADA->start();
    // 3. the view always opens on page 1.
    m.pages.Num_Stranica_SCADA = 0;
    pv.selectTab(0);
    // 4.
    main_.MnuSCADA1->setVisible(true);
    main_.MnuSaveOrvoSCADA->setVisible(true);
    main_.MnuAllSaveOrvoSCADA->setVisible(true);
    main_.MnuSaveOrvo->setVisible(false);
    // 5. the tab control lies over the schema view; the warning line over the pages.
    pv.SCADA_SSTab->setVisible(true);
    pv.placeView(m.settings.Stranica_Count);
    pv.SCADA_SSTab->raise();
    if (main_.Varning_Text->isVisible())
        main_.Varning_Text->raise();
    // 6. page 0's level bars and numeric parameters.
    if (pv.enterPageZero)
        pv.enterPageZero();
}

void SchemaView::mnuSchema_Click()
{
    PageView &pv = *main_.pageView;
    pv.setViewShown(false);
    main_.Varning_Text->setVisible(false);
    pv.Signal_Timer_Miganie_SCADA->stop();
    main_.MnuSCADA1->setVisible(false);
    main_.MnuSaveOrvo->setVisible(true);
    pv.SCADA_SSTab->setVisible(false);
    main_.MnuSaveOrvoSCADA->setVisible(false);
    main_.MnuAllSaveOrvoSCADA->setVisible(false);
    main_.Varning_Text->setVisible(false);
    Draw_Schema();
}

void SchemaView::Exit_SCADA_Click(int /*Index*/) { mnuSchema_Click(); }

void SchemaView::mnuNetlist_Click()
{
    ProjectModel &m = main_.model();
    // 1 to 3. the chosen file read and imported; a cancelled dialog or a file
    // that cannot be opened changes nothing.
    const std::optional<ChosenNetlist> chosen = chooseAndReadNetlist(m);
    if (!chosen)
        return;
    Import_NetList(m, chosen->count);
    // 4.
    main_.setEnabled(true);
    main_.mnuConfig->setVisible(true);
    main_.MnuOrvo->setVisible(true);
    // 5. the caption keeps naming the project's own netlist.
    main_.setWindowTitle(captionWithPath(m.settings.Format_Version, m.settings.Name_Schema));
    // 6.
    Draw_Schema();
}

} // namespace pelmora
