// The program's font dialog: it starts from the font and colour it is given,
// keeps a stored bold font bold when its family is not installed, offers the
// styles the family has, underline, strikeout and the colour list, hands back
// what the user did not change as it was given, and Enter takes the choice.

#include "core/font_families.h"
#include "ui/font_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

QStringList itemsOf(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// The demo project's title: Arial, bold, 18 points, dark blue (0x800000 stored).
FontChoice demoTitle()
{
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPointSize(18);
    return {f, QColor(0x00, 0x00, 0x80)};
}

TEST(FontFamilies, AStoredFamilyThatIsNotInstalledMapsToOneWithItsStyle)
{
    const QString stored = QStringLiteral("MS Sans Serif");
    for (const bool bold : {false, true})
        for (const bool italic : {false, true}) {
            const QString family = installedFamily(stored, bold, italic);
            EXPECT_TRUE(familyHasStyle(family, bold, italic)) << family.toStdString() << bold << italic;
        }
    const QString installed = QFontDatabase::families().value(0);
    ASSERT_FALSE(installed.isEmpty());
    if (familyHasStyle(installed, false, false)) {
        EXPECT_EQ(installedFamily(installed, false, false), installed);
    }
}

TEST(FontDialogTest, TheDemoTitleStartsBoldAndStaysBoldWhenItTurnsItalic)
{
    FontDialog d(demoTitle());
    ASSERT_TRUE(d.Family->currentItem());
    const QString family = d.Family->currentItem()->text();
    EXPECT_TRUE(familyHasStyle(family, true, false)) << family.toStdString();
    ASSERT_TRUE(d.Style->currentItem());
    EXPECT_EQ(d.Style->currentItem()->text(), QStringLiteral("Жирний"));
    EXPECT_EQ(d.Size_Text->text(), QStringLiteral("18"));
    EXPECT_EQ(d.Colour->currentText(), QStringLiteral("Темно-синій"));
    EXPECT_EQ(d.choice().font.bold(), true);
    EXPECT_EQ(d.choice().colour, QColor(0x00, 0x00, 0x80));

    // Bold italic 14 is there to choose; the choice keeps the bold.
    const QList<QListWidgetItem *> boldItalic = d.Style->findItems(QStringLiteral("Жирний курсив"), Qt::MatchExactly);
    ASSERT_EQ(boldItalic.size(), 1) << itemsOf(d.Style).join(u',').toStdString();
    d.Style->setCurrentItem(boldItalic.constFirst());
    d.Size->setCurrentItem(d.Size->findItems(QStringLiteral("14"), Qt::MatchExactly).constFirst());
    d.Underline->setChecked(true);
    d.Strikeout->setChecked(true);
    d.Colour->setCurrentIndex(d.Colour->findText(QStringLiteral("Червоний")));
    const FontChoice c = d.choice();
    // The family was left as it opened: it stays the stored one.
    EXPECT_EQ(c.font.family(), QStringLiteral("Arial"));
    EXPECT_TRUE(c.font.bold());
    EXPECT_TRUE(c.font.italic());
    EXPECT_DOUBLE_EQ(c.font.pointSizeF(), 14);
    EXPECT_TRUE(c.font.underline());
    EXPECT_TRUE(c.font.strikeOut());
    EXPECT_EQ(c.colour, QColor(0xFF, 0x00, 0x00));
    // The sample shows the choice.
    EXPECT_EQ(d.Sample->font(), c.font);
    EXPECT_EQ(d.Sample->palette().color(QPalette::WindowText), c.colour);
}

struct GivenFont {
    QString family;
    double points;
    bool bold, italic, underline, strikeout;
    QColor colour;
};

FontChoice choiceOf(const GivenFont &g)
{
    QFont f(g.family);
    f.setPointSizeF(g.points);
    f.setBold(g.bold);
    f.setItalic(g.italic);
    f.setUnderline(g.underline);
    f.setStrikeOut(g.strikeout);
    return {f, g.colour};
}

void expectGiven(const FontChoice &c, const GivenFont &g)
{
    EXPECT_EQ(c.font.family(), g.family);
    EXPECT_DOUBLE_EQ(c.font.pointSizeF(), g.points);
    EXPECT_EQ(c.font.bold(), g.bold);
    EXPECT_EQ(c.font.italic(), g.italic);
    EXPECT_EQ(c.font.underline(), g.underline);
    EXPECT_EQ(c.font.strikeOut(), g.strikeout);
    EXPECT_EQ(c.colour, g.colour);
}

// An installed family that has no bold italic style, if there is one.
QString familyWithoutBoldItalic()
{
    for (const QString &family : QFontDatabase::families())
        if (familyHasStyle(family, false, false) && !familyHasStyle(family, true, true))
            return family;
    return QString();
}

// Ok without a change hands back the font it was given: a family that is not
// installed (shown through an installed substitute) by its own name, an
// installed one named in other letter case as named, a style the shown family
// does not have, a size the size box shows rounded, the effects and a colour
// off the list.
TEST(FontDialogTest, OkWithoutAChangeHandsBackTheFontAsGiven)
{
    std::vector<GivenFont> cases = {
        {QStringLiteral("Arial"), 12, false, false, false, false, QColor(0, 0, 0)},
        {QStringLiteral("Arial"), 18, true, false, false, false, QColor(0, 0, 0x80)},
        {QStringLiteral("MS Sans Serif"), 8.25, true, true, false, false, QColor(0xFF, 0, 0)},
        {QStringLiteral("Courier New"), 9.75, false, true, true, true, QColor(0x12, 0x34, 0x56)},
        {QStringLiteral("Times New Roman"), 10.125, false, false, false, false, QColor(0xFF, 0xFF, 0xFF)},
        {QStringLiteral("dejavu sans"), 11, true, false, false, false, QColor(0, 0x80, 0)},
    };
    if (const QString plain = familyWithoutBoldItalic(); !plain.isEmpty())
        cases.push_back({plain, 14, true, true, false, false, QColor(0, 0, 0)});
    for (const GivenFont &g : cases) {
        SCOPED_TRACE(g.family.toStdString() + " " + std::to_string(g.points));
        FontDialog d(choiceOf(g));
        ASSERT_TRUE(d.Family->currentItem());
        if (!QFontDatabase::hasFamily(g.family)) {
            // Shown through a family that is installed.
            EXPECT_TRUE(QFontDatabase::hasFamily(d.Family->currentItem()->text()));
            EXPECT_NE(d.Family->currentItem()->text(), g.family);
        }
        d.show();
        QApplication::setActiveWindow(&d);
        QTest::keyClick(d.Family, Qt::Key_Return);
        EXPECT_EQ(d.result(), QDialog::Accepted);
        expectGiven(d.choice(), g);
    }
}

// A family listed with its foundry, as Qt lists a family that several
// foundries make ("Nimbus Sans [urw]"), that has a bold style; nullptr when
// the list has none.
QListWidgetItem *boldFamilyWithFoundry(const QListWidget *families, QString *name)
{
    static const QRegularExpression withFoundry(QStringLiteral("^(.+) \\[[^\\]]+\\]$"));
    for (int i = 0; i < families->count(); ++i) {
        const QRegularExpressionMatch m = withFoundry.match(families->item(i)->text());
        if (m.hasMatch() && familyHasStyle(families->item(i)->text(), true, false)) {
            *name = m.captured(1);
            return families->item(i);
        }
    }
    return nullptr;
}

// What the user changes comes back changed, the rest as it was given; a
// family chosen and then left again for the one shown at the start is the
// given family once more.
TEST(FontDialogTest, OnlyWhatTheUserChangesComesBackChanged)
{
    const GivenFont arial{QStringLiteral("Arial"), 18, true, false, false, false, QColor(0, 0, 0x80)};
    struct Case {
        const char *what;
        // Makes the change in the dialog and in the font it should give back.
        std::function<void(FontDialog &, GivenFont &want)> change;
    };
    const Case cases[] = {
        {"a size from the list",
         [](FontDialog &d, GivenFont &want) {
             d.Size->setCurrentItem(d.Size->findItems(QStringLiteral("14"), Qt::MatchExactly).constFirst());
             want.points = 14;
         }},
        {"the regular style",
         [](FontDialog &d, GivenFont &want) {
             const QList<QListWidgetItem *> regular = d.Style->findItems(QStringLiteral("Звичайний"), Qt::MatchExactly);
             ASSERT_EQ(regular.size(), 1);
             d.Style->setCurrentItem(regular.constFirst());
             want.bold = false;
         }},
        // The family is stored by its name alone, as a project file names fonts.
        {"a family listed with its foundry",
         [](FontDialog &d, GivenFont &want) {
             QListWidgetItem *listed = boldFamilyWithFoundry(d.Family, &want.family);
             if (!listed) {
                 d.Family->addItem(QStringLiteral("DejaVu Sans [PfEd]"));
                 listed = d.Family->item(d.Family->count() - 1);
                 want.family = QStringLiteral("DejaVu Sans");
             }
             d.Family->setCurrentItem(listed);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        FontDialog d(choiceOf(arial));
        GivenFont want = arial;
        c.change(d, want);
        expectGiven(d.choice(), want);
    }
    {
        FontDialog d(choiceOf(arial));
        const int start = d.Family->currentRow();
        const int other = start == 0 ? 1 : 0;
        ASSERT_LT(other, d.Family->count());
        d.Family->setCurrentRow(other);
        const QString otherName =
            QString(d.Family->item(other)->text()).remove(QRegularExpression(QStringLiteral(" \\[.*\\]$")));
        EXPECT_EQ(d.choice().font.family(), otherName);
        d.Family->setCurrentRow(start);
        EXPECT_EQ(d.choice().font.family(), arial.family);
        EXPECT_TRUE(d.choice().font.bold());
    }
}

TEST(FontDialogTest, TheColourListAndAColourOffTheList)
{
    EXPECT_EQ(FontDialog::colours().size(), 16);
    FontChoice start = demoTitle();
    start.colour = QColor(0x12, 0x34, 0x56);
    FontDialog d(start);
    EXPECT_EQ(d.Colour->count(), 17);
    EXPECT_EQ(d.choice().colour, QColor(0x12, 0x34, 0x56));
    // Another family offers its own styles; the wanted ones stay where it has them.
    for (int i = 0; i < d.Family->count(); ++i) {
        const QString family = d.Family->item(i)->text();
        if (!familyHasStyle(family, true, false))
            continue;
        d.Family->setCurrentRow(i);
        EXPECT_TRUE(d.choice().font.bold()) << family.toStdString();
        break;
    }
}

// Enter takes the choice also while the focus is on Cancel: only Ok is the
// default button; Escape cancels.
TEST(FontDialogTest, EnterTakesTheChoiceAndEscapeCancels)
{
    for (const bool onCancel : {false, true})
        for (const auto &[key, result] :
             {std::pair{Qt::Key_Return, QDialog::Accepted}, {Qt::Key_Escape, QDialog::Rejected}}) {
            FontDialog d(demoTitle());
            EXPECT_TRUE(d.Ok->isDefault());
            EXPECT_FALSE(d.Cancel->autoDefault());
            d.show();
            QApplication::setActiveWindow(&d);
            QWidget *focus = onCancel ? static_cast<QWidget *>(d.Cancel) : d.Size_Text;
            focus->setFocus();
            QTest::keyClick(focus, key);
            EXPECT_EQ(d.result(), result) << onCancel;
            EXPECT_FALSE(d.isVisible());
        }
}

} // namespace
} // namespace pelmora
