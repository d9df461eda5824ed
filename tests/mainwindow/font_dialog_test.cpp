// The program's font dialog: it starts from the font and colour it is given,
// keeps a stored bold font bold when its family is not installed, offers the
// styles the family has, underline, strikeout and the colour list, and Enter
// takes the choice.

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
    // A family listed with its foundry is named without it.
    EXPECT_EQ(c.font.family(), QString(family).remove(QRegularExpression(QStringLiteral(" \\[.*\\]$"))));
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

TEST(FontDialogTest, EnterTakesTheChoiceAndEscapeCancels)
{
    for (const auto &[key, result] :
         {std::pair{Qt::Key_Return, QDialog::Accepted}, {Qt::Key_Escape, QDialog::Rejected}}) {
        FontDialog d(demoTitle());
        d.show();
        QApplication::setActiveWindow(&d);
        d.Size_Text->setFocus();
        QTest::keyClick(d.Size_Text, key);
        EXPECT_EQ(d.result(), result);
        EXPECT_FALSE(d.isVisible());
    }
}

} // namespace
} // namespace pelmora
