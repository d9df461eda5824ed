// The four entry points of the library as a self-registering control server,
// and the class object that creates Lumtor instances.

#include "lumtor.h"
#include "lumtor_identity.h"
#include "platform/control_registry.h"
#include "platform/control_server.h"

#include <QApplication>
#include <QFileInfo>
#include <QThread>
#include <dlfcn.h>

#define LUMTOR_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

int serverLocks = 0;

std::int32_t CreateInstance(control_server::ClassObject *, void **instance)
{
    if (instance == nullptr)
        return control_server::InvalidArgument;
    *instance = nullptr;
    // A widget needs the application object and its thread.
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (app == nullptr || QThread::currentThread() != app->thread())
        return control_server::NoApplication;
    QObject *control = new lumtor::Lumtor();
    *instance = control;
    return control_server::Ok;
}

std::int32_t LockServer(control_server::ClassObject *, std::int32_t lock)
{
    if (lock != 0)
        ++serverLocks;
    else if (serverLocks > 0)
        --serverLocks;
    return control_server::Ok;
}

control_server::ClassObject classObject{&CreateInstance, &LockServer};

// The absolute path of this library file, as it was loaded.
QString libraryPath()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&CreateInstance), &info) == 0 || info.dli_fname == nullptr)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

control_registry::ClassRegistration registration()
{
    control_registry::ClassRegistration r;
    r.clsid = QLatin1String(lumtor::ClassId);
    r.name = QLatin1String(lumtor::ClassName);
    r.progId = QLatin1String(lumtor::ProgId);
    r.typeLibId = QLatin1String(lumtor::TypeLibId);
    r.typeLibName = QLatin1String(lumtor::TypeLibName);
    r.typeLibVersion = QLatin1String(lumtor::TypeLibVersion);
    r.typeLibLocale = QLatin1String(lumtor::TypeLibLocale);
    r.interfaces = {{QLatin1String(lumtor::InterfaceId), QLatin1String(lumtor::InterfaceName)},
                    {QLatin1String(lumtor::EventInterfaceId), QLatin1String(lumtor::EventInterfaceName)}};
    r.library = libraryPath();
    return r;
}

} // namespace

LUMTOR_EXPORT std::int32_t DllRegisterServer()
{
    const auto r = registration();
    if (r.library.isEmpty())
        return control_server::Fail;
    return control_registry::write(r) ? control_server::Ok : control_server::RegistryError;
}

LUMTOR_EXPORT std::int32_t DllUnregisterServer()
{
    return control_registry::remove(registration()) ? control_server::Ok : control_server::RegistryError;
}

LUMTOR_EXPORT std::int32_t DllGetClassObject(const char *clsid, const char *iid, void **object)
{
    if (object == nullptr)
        return control_server::InvalidArgument;
    *object = nullptr;
    if (clsid == nullptr || iid == nullptr)
        return control_server::InvalidArgument;
    if (QString::fromLatin1(clsid).compare(QLatin1String(lumtor::ClassId), Qt::CaseInsensitive) != 0)
        return control_server::ClassNotAvailable;
    if (qstrcmp(iid, control_server::ClassObjectInterface) != 0)
        return control_server::NoInterface;
    *object = &classObject;
    return control_server::Ok;
}

LUMTOR_EXPORT std::int32_t DllCanUnloadNow()
{
    return lumtor::Lumtor::instanceCount() == 0 && serverLocks == 0 ? control_server::Ok : control_server::False;
}
