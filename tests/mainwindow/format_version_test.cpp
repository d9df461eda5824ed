#include "mainwindow/config_scada.h"
#include "support/fake_services.h"

#include <QAction>
#include <gtest/gtest.h>

using namespace pelmora;

namespace {

struct Expected {
    void (Config_SCADA::*handler)();
    const char *item;
    int code;
    const char16_t *caption;
    bool vent;
    int tou;
    int rs4;
};

const Expected kItems[] = {
    {&Config_SCADA::mnuHelp5_Click, "mnuHelp5", 6, u"Конфігуратор Velkor 5.71", true, 1, 48},
    {&Config_SCADA::mnuHelp4_Click, "mnuHelp4", 5, u"Конфігуратор Velkor 4.51", true, 1, 48},
    {&Config_SCADA::mnuHelp3_Click, "mnuHelp3", 3, u"Конфігуратор Velkor 4.2", true, 1, 0},
    {&Config_SCADA::mnuHelp1_Click, "mnuHelp1", 0, u"Конфігуратор Velkor 2.0", true, 0, 0},
    {&Config_SCADA::mnuHelp2_Click, "mnuHelp2", 1, u"Конфігуратор Velkor 1.0", false, 0, 0},
};

void expectState(Config_SCADA &w, const Expected &e)
{
    SCOPED_TRACE(e.item);
    ProjectModel &m = w.model();
    EXPECT_EQ(m.settings.Format_Version, e.code);
    EXPECT_EQ(w.windowTitle(), QString::fromUtf16(e.caption));
    EXPECT_EQ(w.mnuVent->isVisible(), e.vent);
    EXPECT_EQ(m.catalogue.Parametr_Value_Count(type::TOU), e.tou);
    EXPECT_EQ(m.catalogue.Parametr_Name_Count(type::RS4), e.rs4);
    for (const auto &o : kItems)
        EXPECT_EQ(w.menuItem(QLatin1String(o.item))->isChecked(), &o == &e) << o.item;
    // The capacity is the project file's business, not the menu's.
    EXPECT_EQ(m.settings.ALGORITHM_Statement_Max, 224);
    EXPECT_EQ(m.catalogue.Parametr_Name_Count(type::ALG), 9184);
}

} // namespace

TEST(FormatVersion, EachItemAndTwice)
{
    Config_SCADA w;
    for (const auto &e : kItems) {
        (w.*e.handler)();
        expectState(w, e);
        (w.*e.handler)();
        expectState(w, e);
    }
}

TEST(FormatVersion, ItemReplacesACaptionWithAPath)
{
    Config_SCADA w;
    w.setWindowTitle(captionWithPath(6, QStringLiteral("C:\\x.net")));
    w.mnuHelp3_Click();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Конфігуратор Velkor 4.2"));
    // The schema is left as it was.
    w.model().schema.Block_Type(3) = 5;
    w.mnuHelp2_Click();
    EXPECT_EQ(w.model().schema.Block_Type(3), 5);
}

TEST(FormatVersion, CaptionsWithPath)
{
    const QString p = QStringLiteral("a.net");
    EXPECT_EQ(captionWithPath(0, p), QStringLiteral("Конфігуратор Velkor 2.0 - a.net"));
    EXPECT_EQ(captionWithPath(1, p), QStringLiteral("Конфігуратор Velkor 4.2 - a.net"));
    EXPECT_EQ(captionWithPath(3, p), QStringLiteral("Конфігуратор Velkor 4.2 - a.net"));
    EXPECT_EQ(captionWithPath(5, p), QStringLiteral("Конфігуратор Velkor 4.51 - a.net"));
    EXPECT_EQ(captionWithPath(6, p), QStringLiteral("Конфігуратор Velkor 5.71 - a.net"));
}

TEST(FormatVersion, CapacityFromCode)
{
    ProjectModel m;
    fillCatalogueTypes(m.catalogue, 0);
    const struct {
        int code, tou, rs4, statements, algNames, comments;
    } rows[] = {{6, 1, 48, 224, 9184, 2464},
                {5, 1, 48, 128, 5248, 1408},
                {3, 1, 0, 128, 5248, 1408},
                {0, 0, 0, 128, 5248, 1408},
                {1, 0, 0, 128, 5248, 1408}};
    for (const auto &r : rows) {
        applyVersionCapacity(m, r.code);
        EXPECT_EQ(m.catalogue.Parametr_Value_Count(type::TOU), r.tou) << r.code;
        EXPECT_EQ(m.catalogue.Parametr_Name_Count(type::RS4), r.rs4) << r.code;
        EXPECT_EQ(m.settings.ALGORITHM_Statement_Max, r.statements) << r.code;
        EXPECT_EQ(m.settings.Alg_Name_Count, r.algNames) << r.code;
        EXPECT_EQ(m.settings.Comment_Count, r.comments) << r.code;
        EXPECT_EQ(m.catalogue.Parametr_Name_Count(type::ALG), r.algNames) << r.code;
    }
}
