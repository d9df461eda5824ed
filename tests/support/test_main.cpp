// Test main: every test program runs on Qt's offscreen platform with one
// QApplication, and with scripted fake services installed. Its sanitizer
// settings (leak reports on) are in sanitizer_options.cpp.

#include "support/fake_services.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new pelmora::test::FakeServicesEnvironment);
    return RUN_ALL_TESTS();
}
