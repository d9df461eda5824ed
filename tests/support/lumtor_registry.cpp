#include "support/lumtor_registry.h"

#include <gtest/gtest.h>

namespace pelmora::test {

namespace {
constexpr char RegistryVariable[] = "PELMORA_CONTROL_REGISTRY";
}

LumtorRegistry::LumtorRegistry(bool registerLumtor)
{
    hadPrevious_ = qEnvironmentVariableIsSet(RegistryVariable);
    previous_ = qgetenv(RegistryVariable);
    qputenv(RegistryVariable, path().toLocal8Bit());
    if (registerLumtor) {
        const auto r = hosting::ControlHost::registerServer(libraryPath());
        EXPECT_TRUE(r.ok()) << r.error.toStdString();
    }
}

LumtorRegistry::~LumtorRegistry()
{
    if (hadPrevious_)
        qputenv(RegistryVariable, previous_);
    else
        qunsetenv(RegistryVariable);
}

QString LumtorRegistry::path() const { return dir_.filePath(QStringLiteral("controls.ini")); }

QString LumtorRegistry::libraryPath() { return QStringLiteral(LUMTOR_LIBRARY_PATH); }

std::unique_ptr<hosting::HostedControl> createLumtor()
{
    auto created = hosting::ControlHost::shared().create(QString::fromLatin1(LumtorProgId));
    EXPECT_TRUE(created.control) << created.message.toStdString();
    return std::move(created.control);
}

} // namespace pelmora::test
