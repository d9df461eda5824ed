// A file name typed without an extension gets the one its dialog filters on.

#include "core/file_names.h"

#include <gtest/gtest.h>

using namespace pelmora;

namespace {

TEST(FileNames, ANameWithoutExtensionGetsTheDefaultOne)
{
    struct Case {
        const char16_t *typed, *saved;
    };
    const Case cases[] = {
        {u"/home/u/Новий проект", u"/home/u/Новий проект.prt"},
        {u"Новий проект", u"Новий проект.prt"},
        {u"/home/u/plant.prt", u"/home/u/plant.prt"},
        {u"/home/u/plant.PRT", u"/home/u/plant.PRT"},
        {u"/home/u/plant.v2", u"/home/u/plant.v2"}, // an extension of the user's own is kept
        {u"/home/u/plant.", u"/home/u/plant.prt"},
        {u"/home/u.d/plant", u"/home/u.d/plant.prt"}, // a dot in the folder is no extension
        {u"/home/u/", u"/home/u/"},                   // no file name: nothing to complete
        {u"", u""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(withDefaultExtension(QString::fromUtf16(c.typed), QStringLiteral("prt")), QString::fromUtf16(c.saved))
            << QString::fromUtf16(c.typed).toStdString();
}

TEST(FileNames, TheFilterNamesTheExtension)
{
    EXPECT_EQ(filterExtension(QStringLiteral("project file|*.prt")), QStringLiteral("prt"));
    EXPECT_EQ(filterExtension(QStringLiteral("Trend|*.grf;*.txt|All|*.*")), QStringLiteral("grf"));
    EXPECT_EQ(filterExtension(QStringLiteral("All|*.*")), QString());
    EXPECT_EQ(filterExtension(QString()), QString());
}

} // namespace
