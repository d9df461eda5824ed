// The static text's dialog on the frame: opened by a double-click on a text
// or its template, Ok, Delete, Cancel and the close box, the number box, the
// font and the colour; the program's own font dialog, left as it opened,
// changes no stored font.

#include "element_dialog_rig.h"

#include "element_dialogs/dialog_parts.h"
#include "element_dialogs/text_label.h"
#include "pages/page_restore.h"
#include "project/project_file.h"
#include "support/fake_services.h"
#include "ui/font_dialog.h"
#include "ui/qt_services.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;
using pages::ElementLabel;

class StaticTextDialogTest : public test::WithFakes {
protected:
    Text_Label *dialog() { return w.dialog<Text_Label>(); }
    ElementLabel *view(int i) { return w.editor.elements.Text_Label_Label(i); }
    // The template inserted on page p at (x, y), then double-clicked.
    Text_Label *insert(int p, int x, int y)
    {
        w.selectPage(p);
        w.mnuText->trigger();
        view(0)->move(x, y);
        w.doubleClick(pages::ViewArray::Text_Label_Label, 0);
        return dialog();
    }

    test::ElementDialogRig w;
    ProjectModel &m = w.model;
    PageTables &t = w.model.pages;
};

TEST_F(StaticTextDialogTest, ANewTextTakesTheTemplatesPlaceAndTheDialogsLook)
{
    Text_Label *d = insert(2, 40, 50);
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(w.window.isEnabled());
    EXPECT_EQ(d->Num_Label_Text_1->text(), QStringLiteral("0"));
    // A second double-click while the dialog is open opens nothing.
    EXPECT_FALSE(w.openers.open(pages::ViewArray::Text_Label_Label, 0));

    d->Text_Text_Label->setText(QStringLiteral("Насос 1"));
    ui().colors.push_back(QColor(0x10, 0x20, 0x30));
    QTest::mouseClick(d->Color_Text_Label, Qt::LeftButton);
    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPointSizeF(9.75);
    chosen.setItalic(true);
    ui().fonts.push_back(FontChoice{chosen, QColor(0x10, 0x20, 0x30)});
    d->Font_Text->click();
    d->Ok_Text_Label->click();

    EXPECT_TRUE(w.window.isEnabled());
    EXPECT_FALSE(d->isVisible());
    // Page 2's first text: slot 1, view 2 * 64 + 1, where the template stood.
    EXPECT_EQ(t.Text_Label_Used(2, 1), 1);
    EXPECT_EQ(t.Text_Label_Text(2, 1), QStringLiteral("Насос 1"));
    EXPECT_EQ(t.Text_Label_Coord_X(2, 1), 40);
    EXPECT_EQ(t.Text_Label_Coord_Y(2, 1), 50);
    EXPECT_EQ(t.Text_Label_Color(2, 1), 0x302010);
    EXPECT_EQ(t.Text_Label_Font_Name(2, 1), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(t.Text_Label_Font_Size(2, 1), 10); // whole points in the record
    EXPECT_EQ(t.Text_Label_Font_Italic(2, 1), -1);
    ElementLabel *v = view(129);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->parentWidget(), w.view.SCADA_Picture[2]);
    EXPECT_TRUE(v->isVisibleTo(w.view.SCADA_Picture[2]));
    EXPECT_EQ(v->pos(), QPoint(40, 50));
    EXPECT_EQ(v->caption(), QStringLiteral("Насос 1"));
    EXPECT_EQ(v->foreColor(), 0x302010);
    EXPECT_DOUBLE_EQ(v->captionFont().pointSizeF(), 9.75); // the view keeps the exact size
    EXPECT_FALSE(view(0)->isVisible());
    w.settle();
    EXPECT_EQ(dialog(), nullptr);
}

// The font dialog with effects: it starts from the text box's font and the
// swatch's colour; its colour goes to the swatch, the text box and, at Ok,
// the record and the view; underline and strikeout go to the text box and
// the view, which draws them.
TEST_F(StaticTextDialogTest, TheFontDialogsColourAndEffectsReachTheRecordAndTheDrawnText)
{
    Text_Label *d = insert(1, 30, 40);
    ASSERT_TRUE(d);
    d->Text_Text_Label->setText(QStringLiteral("ТИСК"));
    ui().colors.push_back(QColor(0x10, 0x20, 0x30));
    QTest::mouseClick(d->Color_Text_Label, Qt::LeftButton);

    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPointSize(20);
    chosen.setBold(true);
    chosen.setUnderline(true);
    chosen.setStrikeOut(true);
    ui().fonts.push_back(FontChoice{chosen, QColor(0xFF, 0x00, 0x00)});
    d->Font_Text->click();
    ASSERT_EQ(ui().fontRequests.size(), 1u);
    EXPECT_EQ(ui().fontRequests[0].colour, QColor(0x10, 0x20, 0x30)); // the swatch's colour
    EXPECT_EQ(d->Color_Text_Label->colour(), 0x0000FF);
    EXPECT_EQ(d->Text_Text_Label->palette().color(QPalette::Text), QColor(0xFF, 0x00, 0x00));
    EXPECT_TRUE(d->Text_Text_Label->font().underline());
    EXPECT_TRUE(d->Text_Text_Label->font().strikeOut());

    // A cancelled dialog changes nothing.
    ui().fonts.push_back(std::nullopt);
    d->Font_Text->click();
    EXPECT_EQ(d->Color_Text_Label->colour(), 0x0000FF);
    EXPECT_TRUE(d->Text_Text_Label->font().bold());
    d->Ok_Text_Label->click();

    EXPECT_EQ(t.Text_Label_Color(1, 1), 0x0000FF);
    EXPECT_EQ(t.Text_Label_Font_Bold(1, 1), -1);
    EXPECT_EQ(t.Text_Label_Font_Italic(1, 1), 0);
    EXPECT_EQ(t.Text_Label_Font_Size(1, 1), 20);
    EXPECT_EQ(t.Text_Label_Font_Name(1, 1), QStringLiteral("DejaVu Sans"));
    ElementLabel *v = view(65);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->foreColor(), 0x0000FF);
    EXPECT_TRUE(v->captionFont().underline());
    EXPECT_TRUE(v->captionFont().strikeOut());
    EXPECT_TRUE(v->captionFont().bold());

    // The drawn text is red, with a red line under it and one through it:
    // rows of the label where most columns under the text are red.
    const QImage drawn = v->grab().toImage();
    int fullRows = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        int red = 0;
        for (int x = 0; x < drawn.width(); ++x)
            red += drawn.pixelColor(x, y) == QColor(0xFF, 0x00, 0x00);
        fullRows += red > drawn.width() * 3 / 4;
    }
    EXPECT_GE(fullRows, 2);
}

TEST_F(StaticTextDialogTest, TheOpenerShowsTheViewsOwnLookAndOkEditsInPlace)
{
    insert(1, 10, 20)->Ok_Text_Label->click();
    insert(1, 10, 60)->Ok_Text_Label->click();
    w.settle();
    // Changed on the canvas since its Ok: the dialog shows the view.
    ASSERT_TRUE(view(66));
    view(66)->setCaption(QStringLiteral("Змінено"));
    view(66)->move(300, 200);
    w.doubleClick(pages::ViewArray::Text_Label_Label, 66);
    Text_Label *d = dialog();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Num_Label_Text_1->text(), QStringLiteral("2"));
    EXPECT_EQ(d->Text_Text_Label->text(), QStringLiteral("Змінено"));
    d->Ok_Text_Label->click();
    EXPECT_EQ(t.Text_Label_Text(1, 2), QStringLiteral("Змінено"));
    EXPECT_EQ(t.Text_Label_Coord_X(1, 2), 300);
    EXPECT_EQ(t.Text_Label_Used(1, 3), 0); // no second element
    EXPECT_EQ(view(67), nullptr);
}

TEST_F(StaticTextDialogTest, ANewTextGoesOnTheCurrentPageWhereverTheTemplateLies)
{
    insert(1, 30, 40)->Ok_Text_Label->click();
    // The template is shown on page 0; page 1's text is opened and its number cleared.
    w.selectPage(0);
    w.mnuText->trigger();
    w.selectPage(1);
    w.doubleClick(pages::ViewArray::Text_Label_Label, 65);
    Text_Label *d = dialog();
    ASSERT_TRUE(d);
    d->Num_Label_Text_1->setText(QStringLiteral("0"));
    d->Ok_Text_Label->click();
    EXPECT_EQ(t.Text_Label_Used(1, 2), 1);
    EXPECT_EQ(t.Text_Label_Used(0, 1), 0);
    ASSERT_TRUE(view(66));
    EXPECT_EQ(view(66)->parentWidget(), w.view.SCADA_Picture[1]);
    EXPECT_TRUE(view(66)->isVisibleTo(w.view.SCADA_Picture[1]));
}

TEST_F(StaticTextDialogTest, TheNumberBoxTakesDigitsOnly)
{
    Text_Label *d = insert(0, 0, 0);
    d->Num_Label_Text_1->clear();
    QTest::keyClicks(d->Num_Label_Text_1, QStringLiteral("-1a2.5"));
    EXPECT_EQ(d->Num_Label_Text_1->text(), QStringLiteral("125"));
    d->Cancel_Text->click();
}

TEST_F(StaticTextDialogTest, DeleteUnloadsTheViewAndKeepsTheFontName)
{
    for (int i = 0; i < 3; ++i)
        insert(0, 5, 5 + 20 * i)->Ok_Text_Label->click();
    w.settle();
    const QString family = t.Text_Label_Font_Name(0, 2);
    w.doubleClick(pages::ViewArray::Text_Label_Label, 2);
    ASSERT_TRUE(dialog());
    dialog()->Delete_Text->click();
    EXPECT_EQ(view(2), nullptr);
    EXPECT_EQ(t.Text_Label_Used(0, 2), 0);
    EXPECT_EQ(t.Text_Label_Text(0, 2), QString());
    EXPECT_EQ(t.Text_Label_Font_Size(0, 2), 10);
    EXPECT_EQ(t.Text_Label_Font_Name(0, 2), family);
    EXPECT_EQ(t.Text_Label_Used(0, 1), 1);
    EXPECT_EQ(t.Text_Label_Used(0, 3), 1);
    EXPECT_TRUE(w.window.isEnabled());
}

// The program's font dialog in place of the fake: every dialog it shows is
// answered with Ok, as the user who opens it and changes nothing.
class RealFontDialog {
public:
    RealFontDialog() { Services::installFonts(&qt_); }
    ~RealFontDialog() { Services::installFonts(&test::fakes()); }

    // The font button pressed, and Ok in the font dialog once it shows.
    void pressFontAndOk(Text_Label &d)
    {
        bool answered = false;
        QTimer ok;
        ok.setInterval(0);
        QObject::connect(&ok, &QTimer::timeout, [&] {
            if (auto *dialog = qobject_cast<FontDialog *>(QApplication::activeModalWidget())) {
                ok.stop();
                answered = true;
                dialog->Ok->click();
            }
        });
        ok.start();
        d.Font_Text->click();
        ok.stop();
        EXPECT_TRUE(answered);
    }

private:
    QtServices qt_;
};

QByteArray written(const ProjectModel &m)
{
    const auto file = projectfile::writeProjectFile(m);
    EXPECT_TRUE(file.ok) << file.reason.toStdString();
    return file.bytes;
}

// Each static text of the demo project opened, "Шрифт" and Ok in the font
// dialog without a change, Ok in the text's dialog: the saved project is the
// same to the byte, as opened, with the stored family "Arial" that is not
// installed here; and the same with the texts given other fonts (a family
// that is not installed in bold italic, an installed one, fractional and
// whole sizes).
TEST_F(StaticTextDialogTest, OkInTheFontDialogWithoutAChangeSavesTheDemoUnchanged)
{
    QFile demo(QStringLiteral(PELMORA_EXAMPLES_DIR "/demo_project.prt"));
    ASSERT_TRUE(demo.open(QIODevice::ReadOnly));
    const QByteArray demoBytes = demo.readAll();

    struct Font {
        const char *family; // nullptr: as the demo stores them
        int size;
        bool bold, italic;
    };
    const Font fonts[] = {
        {nullptr, 0, false, false},
        {"MS Sans Serif", 8, true, true},
        {"Times New Roman", 14, false, true},
        {"DejaVu Sans", 9, false, false},
    };
    RealFontDialog fontDialog;
    for (const Font &font : fonts) {
        SCOPED_TRACE(font.family ? font.family : "as stored");
        test::ElementDialogRig r;
        r.model = test::demoProject();
        PageTables &texts = r.model.pages;
        std::vector<std::pair<int, int>> used;
        for (int p = 0; p < 16; ++p)
            for (int n = 1; n <= 64; ++n)
                if (texts.Text_Label_Used(p, n) == 1) {
                    used.emplace_back(p, n);
                    if (font.family) {
                        texts.Text_Label_Font_Name(p, n) = QLatin1String(font.family);
                        texts.Text_Label_Font_Size(p, n) = static_cast<std::uint8_t>(font.size);
                        texts.Text_Label_Font_Bold(p, n) = font.bold ? -1 : 0;
                        texts.Text_Label_Font_Italic(p, n) = font.italic ? -1 : 0;
                    }
                }
        ASSERT_EQ(used.size(), 2u);
        restorePageElements(r.model, r.editor, r.view, r);
        const QByteArray before = written(r.model);
        if (!font.family) {
            ASSERT_EQ(texts.Text_Label_Font_Name(used[0].first, used[0].second), QStringLiteral("Arial"));
            EXPECT_TRUE(before == demoBytes);
        }
        for (const auto &[p, n] : used) {
            r.selectPage(p);
            r.doubleClick(pages::ViewArray::Text_Label_Label, p * 64 + n);
            Text_Label *d = r.dialog<Text_Label>();
            ASSERT_TRUE(d);
            fontDialog.pressFontAndOk(*d);
            d->Ok_Text_Label->click();
            r.settle();
        }
        EXPECT_TRUE(written(r.model) == before);
        for (const auto &[p, n] : used)
            EXPECT_EQ(texts.Text_Label_Font_Name(p, n), QLatin1String(font.family ? font.family : "Arial"));
    }
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u'\n').toStdString();
}

} // namespace
} // namespace pelmora
