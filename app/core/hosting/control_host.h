#pragma once
// The control host: creates controls by ProgID through the per-user control
// registry, loading each control library at run time (the program links no
// control library), and registers or unregisters a library by calling its own
// entry points.
//
//   auto created = hosting::ControlHost::shared().create(QStringLiteral("Lumtorkit.Lumtor"));
//   if (!created.control) ... created.message says why
//
// createOrReport() shows that message to the user instead.

#include "core/hosting/hosted_control.h"

#include <QSet>
#include <QString>
#include <QVariantMap>
#include <map>
#include <memory>
#include <optional>

namespace pelmora::hosting {

enum class CreateError {
    None,
    NotRegistered,    // the ProgID is not in the control registry
    LibraryNotLoaded, // the registered library cannot be loaded or is no control library
    ClassNotServed,   // the library has no class object for the registered class id
    CreateFailed,     // the class object created no instance
};

struct CreateResult {
    std::unique_ptr<HostedControl> control;
    CreateError error = CreateError::None;
    QString message; // the text shown to the user, empty on success
};

// Result of a registration call; ok() when the library's entry point succeeded.
struct ServerCallResult {
    bool loaded = false;
    std::optional<qint32> result; // what the entry point returned
    QString error;
    bool ok() const { return loaded && result && *result == 0; }
};

class ControlHost {
public:
    ControlHost();
    ~ControlHost();
    ControlHost(const ControlHost &) = delete;
    ControlHost &operator=(const ControlHost &) = delete;

    // The program's one host.
    static ControlHost &shared();

    // A new instance (its properties start from the control's own values), or
    // one loaded from a property bag. The control has no container and is hidden.
    CreateResult create(const QString &progId);
    CreateResult create(const QString &progId, const QVariantMap &bag);

    // As create(), but a failure is shown in a message box and gives null.
    // One failing ProgID is reported once, until a creation of it succeeds,
    // so loading a page of many controls does not bury the user in messages.
    std::unique_ptr<HostedControl> createOrReport(const QString &progId,
                                                  const std::optional<QVariantMap> &bag = std::nullopt);

    // Unloads every loaded library that says it can be unloaded now (no
    // instance alive, no lock). Gives the number unloaded.
    int freeUnusedLibraries();
    bool isLoaded(const QString &libraryPath) const;
    // What the library says about being unloaded now; nothing when not loaded.
    std::optional<bool> canUnloadNow(const QString &libraryPath) const;

    // Calls the library's registration entry points.
    static ServerCallResult registerServer(const QString &libraryPath);
    static ServerCallResult unregisterServer(const QString &libraryPath);

private:
    struct LoadedServer;
    CreateResult createInstance(const QString &progId, const std::optional<QVariantMap> &bag);
    LoadedServer *load(const QString &path, QString &error);

    std::map<QString, std::unique_ptr<LoadedServer>> servers_;
    QSet<QString> reported_;
};

// The text shown when a control cannot be created.
QString createErrorMessage(CreateError error, const QString &progId, const QString &detail = QString());

} // namespace pelmora::hosting
