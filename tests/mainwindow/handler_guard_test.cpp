// An error escaping a window's handler: shown with its text in a message box,
// and the program goes on with its data.

#include "core/table.h"
#include "support/fake_services.h"
#include "ui/guarded_application.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

class HandlerGuard : public test::WithFakes {};

TEST_F(HandlerGuard, AnIndexErrorFromAClickIsShownAndTheNextClickWorks)
{
    Table<int, 1, 8> values;
    values(3) = 30;
    int index = 9; // one past the table: the handler's missed range check
    int handled = 0;
    QPushButton button(QStringLiteral("Ok"));
    button.show();
    QObject::connect(&button, &QPushButton::clicked, [&] {
        values(index) = 1;
        ++handled;
    });

    // The click goes through the guard as every event of the program does.
    EXPECT_FALSE(runGuarded([&] {
        QTest::mouseClick(&button, Qt::LeftButton);
        return true;
    }));
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(ui().messages[0].text.startsWith(QString::fromUtf16(kHandlerError)));
    EXPECT_GT(ui().messages[0].text.size(), QString::fromUtf16(kHandlerError).size() + 2); // the error's own text
    EXPECT_EQ(values(3), 30);
    EXPECT_EQ(handled, 0);

    // The program goes on: the same button works once the index is right.
    index = 3;
    EXPECT_TRUE(runGuarded([&] {
        QTest::mouseClick(&button, Qt::LeftButton);
        return true;
    }));
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(values(3), 1);
    EXPECT_EQ(ui().messages.size(), 1u);
}

TEST_F(HandlerGuard, AnythingThrownIsShown)
{
    EXPECT_FALSE(runGuarded([]() -> bool { throw 42; }));
    EXPECT_EQ(ui().messages.size(), 1u);
    EXPECT_TRUE(runGuarded([] { return true; }));
    EXPECT_EQ(ui().messages.size(), 1u);
}

} // namespace
} // namespace pelmora
