#include "blockparams/property_block.h"
#include "project/config_scada.h"
#include "support/fake_services.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

class PropertyBlockWindow : public test::WithFakes {
protected:
    Config_SCADA main;

    // Opens the dialog as the schema view does: main window disabled first.
    QPointer<PropertyBLOCK> open(int type, int block)
    {
        main.model().settings.Type_Block_Edit = static_cast<std::uint8_t>(type);
        main.model().settings.Num_Block_Edit = static_cast<std::uint8_t>(block);
        auto *w = new PropertyBLOCK(main);
        main.setEnabled(false);
        w->show();
        return w;
    }
};

TEST_F(PropertyBlockWindow, EveryWayOutEnablesTheMainWindowAndUnloadsTheDialog)
{
    struct Way {
        const char *name;
        void (*close)(PropertyBLOCK &);
    };
    const Way ways[] = {
        {"Ok", [](PropertyBLOCK &w) { QTest::mouseClick(w.Ok_Property, Qt::LeftButton); }},
        {"Cancel", [](PropertyBLOCK &w) { QTest::mouseClick(w.Cancel_Property, Qt::LeftButton); }},
        {"window frame", [](PropertyBLOCK &w) { w.close(); }},
    };
    for (const Way &way : ways) {
        SCOPED_TRACE(way.name);
        QPointer<PropertyBLOCK> w = open(type::MUL, 3);
        ASSERT_FALSE(main.isEnabled());
        EXPECT_EQ(w->parentWidget(), nullptr);
        way.close(*w);
        EXPECT_TRUE(main.isEnabled());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(w.isNull());
    }
}

TEST_F(PropertyBlockWindow, CaptionNeverChanges)
{
    QPointer<PropertyBLOCK> w = open(type::MUL, 3);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Налаштування параметрів"));
    w->close();
}

} // namespace
} // namespace pelmora
