// Registration of the control library in the per-user control registry,
// creation by ProgID through it, the clear message when the control is not
// registered, unloading, and the separation of the two deliverables.

#include "support/fake_services.h"
#include "support/lumtor_registry.h"

#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QSettings>
#include <gtest/gtest.h>

namespace pelmora::test {
namespace {

using hosting::ControlHost;
using hosting::CreateError;

const QString ClassId = QStringLiteral("{C114384D-77C8-42EA-AC21-EA06E084A525}");
const QString LibId = QStringLiteral("{8AAC82CA-0457-464F-BA60-10344DE36CAC}");

class ControlRegistration : public WithFakes {
protected:
    LumtorRegistry registry{false}; // starts empty
    ControlHost host;

    QVariant entry(const QString &key)
    {
        QSettings s(registry.path(), QSettings::IniFormat);
        return s.value(key);
    }
};

TEST_F(ControlRegistration, RegisterCreateUnregisterThenCreationFailsWithAMessage)
{
    // Not registered yet: no control, one clear message, no crash.
    EXPECT_EQ(host.create(LumtorProgId).error, CreateError::NotRegistered);

    ASSERT_TRUE(ControlHost::registerServer(LumtorRegistry::libraryPath()).ok());
    EXPECT_EQ(entry("ProgID/Lumtorkit.Lumtor/CLSID").toString(), ClassId);
    EXPECT_EQ(entry("CLSID/" + ClassId + "/ProgID").toString(), "Lumtorkit.Lumtor");
    EXPECT_EQ(entry("CLSID/" + ClassId + "/Library").toString(), LumtorRegistry::libraryPath());
    EXPECT_EQ(entry("TypeLib/" + LibId + "/Name").toString(), "Lumtorkit");
    EXPECT_EQ(entry("TypeLib/" + LibId + "/Version").toString(), "1.0");
    EXPECT_EQ(entry("Interface/{E8969DC9-C07C-47FA-94E5-B3C932EF73C9}/Name").toString(), "_Lumtor");
    EXPECT_EQ(entry("Interface/{AD028BAA-7261-499B-A287-3BB0E68EAE9D}/Name").toString(), "__Lumtor");

    {
        auto created = host.create(LumtorProgId);
        ASSERT_TRUE(created.control) << created.message.toStdString();
        EXPECT_EQ(created.control->clsid(), ClassId);
        EXPECT_EQ(created.control->setProperty("Type_Signal", 4), hosting::DispResult::Ok);
    }

    ASSERT_TRUE(ControlHost::unregisterServer(LumtorRegistry::libraryPath()).ok());
    for (const char *group : {"ProgID", "CLSID", "TypeLib", "Interface"}) {
        QSettings s(registry.path(), QSettings::IniFormat);
        s.beginGroup(group);
        EXPECT_TRUE(s.allKeys().isEmpty()) << group;
    }
    // Unregistering again is harmless.
    EXPECT_TRUE(ControlHost::unregisterServer(LumtorRegistry::libraryPath()).ok());

    EXPECT_EQ(host.createOrReport(LumtorProgId), nullptr);
    EXPECT_EQ(host.createOrReport(LumtorProgId), nullptr); // a page of them: one message
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(ui().messages[0].text.contains("Lumtorkit.Lumtor"));
    EXPECT_TRUE(ui().messages[0].text.contains("не зареєстровано"));
}

TEST_F(ControlRegistration, UnregisteringLeavesOtherEntriesAlone)
{
    {
        QSettings s(registry.path(), QSettings::IniFormat);
        s.setValue("ProgID/Other.Control/CLSID", "{11111111-2222-3333-4444-555555555555}");
        s.setValue("CLSID/{11111111-2222-3333-4444-555555555555}/Library", "/opt/other.so");
    }
    ASSERT_TRUE(ControlHost::registerServer(LumtorRegistry::libraryPath()).ok());
    ASSERT_TRUE(ControlHost::unregisterServer(LumtorRegistry::libraryPath()).ok());
    EXPECT_EQ(entry("ProgID/Other.Control/CLSID").toString(), "{11111111-2222-3333-4444-555555555555}");
    EXPECT_EQ(entry("CLSID/{11111111-2222-3333-4444-555555555555}/Library").toString(), "/opt/other.so");

    // A ProgID that another class has taken over is not ours to remove.
    ASSERT_TRUE(ControlHost::registerServer(LumtorRegistry::libraryPath()).ok());
    {
        QSettings s(registry.path(), QSettings::IniFormat);
        s.setValue("ProgID/Lumtorkit.Lumtor/CLSID", "{11111111-2222-3333-4444-555555555555}");
    }
    ASSERT_TRUE(ControlHost::unregisterServer(LumtorRegistry::libraryPath()).ok());
    EXPECT_EQ(entry("ProgID/Lumtorkit.Lumtor/CLSID").toString(), "{11111111-2222-3333-4444-555555555555}");
    EXPECT_FALSE(entry("CLSID/" + ClassId + "/Library").isValid());
}

TEST_F(ControlRegistration, BrokenRegistrationsGiveAClearMessage)
{
    // clang-format off
    struct Case { const char *label; QString library; CreateError error; const char *text; };
    // clang-format on
    const QString qtCore = QLibraryInfo::path(QLibraryInfo::LibrariesPath) + "/libQt6Core.so.6";
    const Case cases[] = {
        {"library file gone", "/nonexistent/liblumtor.so", CreateError::LibraryNotLoaded, "Не вдалося завантажити"},
        {"not a control library", qtCore, CreateError::LibraryNotLoaded, "не бібліотека елементів керування"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        ui().reset();
        {
            QSettings s(registry.path(), QSettings::IniFormat);
            s.setValue("ProgID/Lumtorkit.Lumtor/CLSID", ClassId);
            s.setValue("CLSID/" + ClassId + "/Library", c.library);
        }
        ControlHost fresh;
        EXPECT_EQ(fresh.create(LumtorProgId).error, c.error);
        EXPECT_EQ(fresh.createOrReport(LumtorProgId), nullptr);
        ASSERT_EQ(ui().messages.size(), 1u);
        EXPECT_TRUE(ui().messages[0].text.contains(c.text)) << ui().messages[0].text.toStdString();
    }

    // A registered class id that the library does not serve.
    ui().reset();
    ASSERT_TRUE(ControlHost::registerServer(LumtorRegistry::libraryPath()).ok());
    {
        QSettings s(registry.path(), QSettings::IniFormat);
        s.setValue("ProgID/Lumtorkit.Lumtor/CLSID", "{00000000-0000-0000-0000-000000000001}");
        s.setValue("CLSID/{00000000-0000-0000-0000-000000000001}/Library", LumtorRegistry::libraryPath());
    }
    EXPECT_EQ(host.create(LumtorProgId).error, CreateError::ClassNotServed);
}

TEST_F(ControlRegistration, LibraryCannotUnloadWhileInstancesLive)
{
    ASSERT_TRUE(ControlHost::registerServer(LumtorRegistry::libraryPath()).ok());
    const QString lib = LumtorRegistry::libraryPath();
    auto a = host.create(LumtorProgId).control;
    auto b = host.create(LumtorProgId).control;
    ASSERT_TRUE(a && b);
    EXPECT_EQ(host.canUnloadNow(lib), false);
    EXPECT_EQ(host.freeUnusedLibraries(), 0);
    a->release();
    EXPECT_EQ(host.canUnloadNow(lib), false);
    b.reset();
    EXPECT_EQ(host.canUnloadNow(lib), true);
    EXPECT_EQ(host.freeUnusedLibraries(), 1);
    EXPECT_FALSE(host.isLoaded(lib));

    // Loaded again on the next creation.
    auto c = host.create(LumtorProgId).control;
    ASSERT_TRUE(c);
    EXPECT_TRUE(host.isLoaded(lib));
}

// The registration tool as scripts/setup and scripts/run call it.
TEST_F(ControlRegistration, RegistrationToolRegistersAndUnregisters)
{
    // clang-format off
    struct Case { QStringList args; int exitCode; bool registeredAfter; };
    const Case cases[] = {
        {{LumtorRegistry::libraryPath()}, 0, true},
        {{LumtorRegistry::libraryPath()}, 0, true}, // again: still one set of entries
        {{"--unregister", LumtorRegistry::libraryPath()}, 0, false},
        {{"--unregister", LumtorRegistry::libraryPath()}, 0, false},
        {{}, 2, false},
        {{"/nonexistent/liblumtor.so"}, 1, false},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PELMORA_CONTROL_REGISTRY", registry.path());
        tool.setProcessEnvironment(env);
        tool.start(LUMTOR_REGISTER_TOOL, c.args);
        ASSERT_TRUE(tool.waitForFinished(60000));
        EXPECT_EQ(tool.exitCode(), c.exitCode) << tool.readAllStandardError().toStdString();
        EXPECT_EQ(entry("CLSID/" + ClassId + "/Library").toString(),
                  c.registeredAfter ? LumtorRegistry::libraryPath() : QString());
    }
}

QStringList runLines(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

TEST(ControlLibraries, PelmoraDoesNotLinkTheControlAndTheControlLinksOnlyQt)
{
    auto needed = [](const QString &file) {
        QStringList libs;
        for (const QString &line : runLines("readelf", {"-d", file}))
            if (line.contains("(NEEDED)"))
                libs << line.section('[', 1).section(']', 0, 0);
        return libs;
    };
    const QStringList pelmora = needed(PELMORA_EXECUTABLE_PATH);
    ASSERT_FALSE(pelmora.isEmpty());
    EXPECT_TRUE(pelmora.filter("lumtor", Qt::CaseInsensitive).isEmpty()) << pelmora.join(' ').toStdString();

    const QStringList lumtor = needed(LUMTOR_LIBRARY_PATH);
    ASSERT_FALSE(lumtor.isEmpty());
    EXPECT_FALSE(lumtor.filter("libQt6Widgets").isEmpty());
    EXPECT_TRUE(lumtor.filter("pelmora", Qt::CaseInsensitive).isEmpty()) << lumtor.join(' ').toStdString();

    // No Pelmora code inside, and only the four entry points exported.
    const QStringList symbols = runLines("nm", {"-DC", "--defined-only", LUMTOR_LIBRARY_PATH});
    ASSERT_FALSE(symbols.isEmpty());
    EXPECT_TRUE(symbols.filter("pelmora", Qt::CaseInsensitive).isEmpty());
    QStringList functions;
    for (const QString &line : symbols)
        if (line.section(' ', 1, 1) == "T")
            functions << line.section(' ', 2);
    functions.sort();
    EXPECT_EQ(functions,
              (QStringList{"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer", "DllUnregisterServer"}));
}

} // namespace
} // namespace pelmora::test
