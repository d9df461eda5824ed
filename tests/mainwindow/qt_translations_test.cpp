// Qt's own dialogs and standard buttons speak Ukrainian once the program has
// loaded the distribution's Qt translations.

#include "ui/qt_translations.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>
#include <memory>

using namespace pelmora;

namespace {

TEST(QtTranslations, StandardDialogsAndButtonsTurnUkrainian)
{
    std::unique_ptr<QTranslator> translator(installQtTranslations(*QCoreApplication::instance()));
    ASSERT_NE(translator, nullptr) << "no Qt translations in " << qtTranslationsFolder().toStdString();
    struct Case {
        const char *context, *english;
    };
    const Case cases[] = {{"QFileDialog", "Look in:"},  {"QFileDialog", "&Open"},         {"QFileDialog", "Save As"},
                          {"QPlatformTheme", "Cancel"}, {"QColorDialog", "Select Color"}, {"QPlatformTheme", "&Yes"}};
    for (const Case &c : cases) {
        const QString shown = QCoreApplication::translate(c.context, c.english);
        EXPECT_NE(shown, QLatin1String(c.english)) << c.context << " " << c.english;
        EXPECT_TRUE(shown.contains(QRegularExpression(QStringLiteral("[\u0400-\u04FF]")))) << shown.toStdString();
    }
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QCoreApplication::translate("QPlatformTheme", "&No"));
    EXPECT_NE(box.button(QMessageBox::No)->text(), QStringLiteral("&No"));

    // Removing the translator gives the English texts back, so other tests see Qt's defaults.
    translator.reset();
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
}

TEST(QtTranslations, MissingFilesLeaveQtEnglish)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    EXPECT_EQ(installQtTranslations(*QCoreApplication::instance(), empty.path()), nullptr);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
}

} // namespace
