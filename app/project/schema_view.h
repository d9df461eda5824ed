#pragma once
// The schema view of the main window and the switch between the two views:
// the block pictures on their grid with their numbers, the click on a block
// that opens its editor window, the SCADA view's entry and exit, and the
// netlist menu command.

#include "project/schema_drawing.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

namespace pelmora {

struct MainMenu;
struct MainSurface;
struct ProjectModel;
class MainWindowPort;
class PageView;

class SchemaView : public QObject, public SchemaSurface {
    Q_OBJECT

public:
    SchemaView(ProjectModel &m, MainWindowPort &main, PageView &pageView);
    ~SchemaView() override;

    // Redraws the schema view from the main window's model.
    void Draw_Schema();
    // A click on schema picture `Index`.
    void Block_IMAGE_Click(int Index);
    // "&SCADA" and the SCADA picture: enters the SCADA view, always on page 1.
    void MnuSCADA_Click();
    // "&Схема": back to the schema view.
    void mnuSchema_Click();
    // The exit picture of page `Index`.
    void Exit_SCADA_Click(int Index);
    // "&Відкрити Netlist P-CAD": chooses a netlist and imports it.
    void mnuNetlist_Click();

    // A text written on the main window's surface (top left corner at pos).
    struct DrawnText {
        QPoint pos;
        QString text;
        QColor colour;
        int pointSize;
    };
    const QList<DrawnText> &drawnTexts() const { return texts_; }

    // The drawing surface of the schema view.
    void clearDrawing() override;
    void showBlockPicture(int index, int typeCode, int left, int top) override;
    void hideBlockPicture(int index) override;
    void drawText(int x, int y, const QString &text, const QColor &colour, int pointSize) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void paintDrawing();

    ProjectModel &m_;
    MainWindowPort &main_;
    MainMenu &menu_;
    MainSurface &surface_;
    PageView &pageView_;
    QList<DrawnText> texts_;
};

// The picture of block type `typeCode` (1 to 50), 40 x 40; a null pixmap for other codes.
QPixmap blockPicture(int typeCode);

} // namespace pelmora
