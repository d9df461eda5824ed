#include "core/hosting/control_host.h"

#include "control_registry.h"
#include "control_server.h"
#include "core/services.h"

#include <QFileInfo>
#include <QLibrary>

namespace pelmora::hosting {

namespace {

const char *const kNotRegistered = "Елемент керування «%1» не зареєстровано.\n"
                                   "Зареєструйте його бібліотеку програмою lumtor-register.";
const char *const kLibraryNotLoaded = "Не вдалося завантажити бібліотеку елемента керування «%1».\n%2";
const char *const kCreateFailed = "Не вдалося створити елемент керування «%1».";

} // namespace

struct ControlHost::LoadedServer {
    QLibrary library;
    control_server::GetClassObjectFn getClassObject = nullptr;
    control_server::CanUnloadNowFn canUnloadNow = nullptr;
};

QString createErrorMessage(CreateError error, const QString &progId, const QString &detail)
{
    switch (error) {
    case CreateError::None: return {};
    case CreateError::NotRegistered: return QString::fromUtf8(kNotRegistered).arg(progId);
    case CreateError::LibraryNotLoaded: return QString::fromUtf8(kLibraryNotLoaded).arg(progId, detail);
    case CreateError::ClassNotServed:
    case CreateError::CreateFailed: break;
    }
    return QString::fromUtf8(kCreateFailed).arg(progId);
}

ControlHost::ControlHost() = default;

// Libraries stay loaded: controls created from them may outlive the host.
ControlHost::~ControlHost() = default;

ControlHost &ControlHost::shared()
{
    static ControlHost host;
    return host;
}

ControlHost::LoadedServer *ControlHost::load(const QString &path, QString &error)
{
    const auto found = servers_.find(path);
    if (found != servers_.end())
        return found->second.get();
    auto server = std::make_unique<LoadedServer>();
    server->library.setFileName(path);
    if (!server->library.load()) {
        error = server->library.errorString();
        return nullptr;
    }
    server->getClassObject =
        reinterpret_cast<control_server::GetClassObjectFn>(server->library.resolve(control_server::GetClassObjectName));
    server->canUnloadNow =
        reinterpret_cast<control_server::CanUnloadNowFn>(server->library.resolve(control_server::CanUnloadNowName));
    if (server->getClassObject == nullptr || server->canUnloadNow == nullptr) {
        error = QStringLiteral("%1: це не бібліотека елементів керування").arg(path);
        server->library.unload();
        return nullptr;
    }
    return servers_.emplace(path, std::move(server)).first->second.get();
}

CreateResult ControlHost::createInstance(const QString &progId, const std::optional<QVariantMap> &bag)
{
    CreateResult result;
    auto fail = [&](CreateError e, const QString &detail = QString()) {
        result.error = e;
        result.message = createErrorMessage(e, progId, detail);
        return std::move(result);
    };

    const auto entry = control_registry::findProgId(progId);
    if (!entry)
        return fail(CreateError::NotRegistered);

    QString error;
    LoadedServer *server = load(entry->library, error);
    if (server == nullptr)
        return fail(CreateError::LibraryNotLoaded, error);

    void *object = nullptr;
    const QByteArray clsid = entry->clsid.toLatin1();
    if (server->getClassObject(clsid.constData(), control_server::ClassObjectInterface, &object) !=
            control_server::Ok ||
        object == nullptr)
        return fail(CreateError::ClassNotServed);
    auto *classObject = static_cast<control_server::ClassObject *>(object);

    void *instance = nullptr;
    if (classObject->CreateInstance(classObject, &instance) != control_server::Ok || instance == nullptr)
        return fail(CreateError::CreateFailed);

    result.control = std::make_unique<HostedControl>(static_cast<QObject *>(instance), progId, entry->clsid);
    if (bag)
        result.control->load(*bag);
    else
        result.control->initNew();
    return result;
}

CreateResult ControlHost::create(const QString &progId) { return createInstance(progId, std::nullopt); }

CreateResult ControlHost::create(const QString &progId, const QVariantMap &bag) { return createInstance(progId, bag); }

std::unique_ptr<HostedControl> ControlHost::createOrReport(const QString &progId, const std::optional<QVariantMap> &bag)
{
    CreateResult r = createInstance(progId, bag);
    if (r.control) {
        reported_.remove(progId);
        return std::move(r.control);
    }
    if (!reported_.contains(progId)) {
        reported_.insert(progId);
        showMessage(r.message, MsgIcon::Critical);
    }
    return nullptr;
}

int ControlHost::freeUnusedLibraries()
{
    int unloaded = 0;
    for (auto it = servers_.begin(); it != servers_.end();) {
        if (it->second->canUnloadNow() == control_server::Ok) {
            it->second->library.unload();
            it = servers_.erase(it);
            ++unloaded;
        } else {
            ++it;
        }
    }
    return unloaded;
}

bool ControlHost::isLoaded(const QString &libraryPath) const { return servers_.count(libraryPath) != 0; }

std::optional<bool> ControlHost::canUnloadNow(const QString &libraryPath) const
{
    const auto it = servers_.find(libraryPath);
    if (it == servers_.end())
        return std::nullopt;
    return it->second->canUnloadNow() == control_server::Ok;
}

namespace {

ServerCallResult callServer(const QString &libraryPath, const char *entryPoint)
{
    ServerCallResult r;
    QLibrary library(QFileInfo(libraryPath).absoluteFilePath());
    // QLibrary objects of one file share its handle, and unloading one that
    // found the file already loaded would pull the code from under the
    // controls the host created from it.
    const bool wasLoaded = library.isLoaded();
    if (!library.load()) {
        r.error = library.errorString();
        return r;
    }
    r.loaded = true;
    auto call = reinterpret_cast<control_server::RegisterServerFn>(library.resolve(entryPoint));
    if (call == nullptr)
        r.error = QString::fromLatin1(entryPoint) + QStringLiteral(" is missing");
    else
        r.result = call();
    if (!wasLoaded)
        library.unload();
    return r;
}

} // namespace

ServerCallResult ControlHost::registerServer(const QString &libraryPath)
{
    return callServer(libraryPath, control_server::RegisterServerName);
}

ServerCallResult ControlHost::unregisterServer(const QString &libraryPath)
{
    return callServer(libraryPath, control_server::UnregisterServerName);
}

} // namespace pelmora::hosting
