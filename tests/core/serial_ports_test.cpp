#include "core/serial_ports.h"

#include <QByteArray>
#include <gtest/gtest.h>

using namespace pelmora;

namespace {

// Sets an environment variable for one test and restores it afterwards.
class EnvGuard {
public:
    EnvGuard(const char *name, const QByteArray &value) : name_(name), had_(qEnvironmentVariableIsSet(name))
    {
        old_ = qgetenv(name);
        qputenv(name, value);
    }
    ~EnvGuard()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char *name_;
    bool had_;
    QByteArray old_;
};

} // namespace

TEST(SerialPorts, DefaultDevicesCountFromZero)
{
    struct Case {
        int com;
        const char *device;
    };
    const Case cases[] = {{1, "/dev/ttyS0"}, {2, "/dev/ttyS1"}, {8, "/dev/ttyS7"}, {0, ""}, {9, ""}, {-1, ""}};
    for (const Case &c : cases) {
        const QByteArray var = "PELMORA_COM" + QByteArray::number(c.com);
        if (qEnvironmentVariableIsSet(var.constData()))
            GTEST_SKIP() << var.constData() << " is set in this environment";
        EXPECT_EQ(serialPortDevice(c.com), QString::fromLatin1(c.device)) << c.com;
    }
}

TEST(SerialPorts, EnvironmentNamesAnotherDeviceForThatPortOnly)
{
    EnvGuard g("PELMORA_COM3", "/dev/ttyUSB0");
    EXPECT_EQ(serialPortDevice(3), QStringLiteral("/dev/ttyUSB0"));
    if (!qEnvironmentVariableIsSet("PELMORA_COM4")) {
        EXPECT_EQ(serialPortDevice(4), QStringLiteral("/dev/ttyS3"));
    }
}

TEST(SerialPorts, BlankVariableKeepsTheDefault)
{
    EnvGuard g("PELMORA_COM2", "  ");
    EXPECT_EQ(serialPortDevice(2), QStringLiteral("/dev/ttyS1"));
}
