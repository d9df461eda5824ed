// Test main: every test program runs on Qt's offscreen platform with one
// QApplication, and with scripted fake services installed.

#include "support/fake_services.h"

#include <QApplication>
#include <gtest/gtest.h>

// Leak reports are off in the sanitizer build: Qt's own caches live until the
// process ends and would be reported. Set here rather than only in the
// environment, so a test program started by hand or by CTest alike runs as CI
// runs it.
extern "C" const char *__asan_default_options() { return "detect_leaks=0"; }

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new pelmora::test::FakeServicesEnvironment);
    return RUN_ALL_TESTS();
}
