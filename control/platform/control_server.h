#pragma once
// The contract between an in-process control library and the program that
// hosts it. A control library is a shared library that exports four C entry
// points with the meaning of a self-registering control server:
//
//   DllRegisterServer()      writes the library's classes into the control
//                            registry (control_registry.h), naming this file;
//   DllUnregisterServer()    removes exactly those entries again; safe to repeat;
//   DllGetClassObject(clsid, iid, &object)
//                            hands out the class object of one class;
//   DllCanUnloadNow()        Ok when no instance lives and no lock is held,
//                            False otherwise.
//
// The class object creates instances. An instance is a QObject (a QWidget in
// fact) without a parent; its dispatch interface is its Qt meta-object:
//   - Q_CLASSINFO("DispId:<property>", "<id>") names each property of the
//     dispatch interface with its dispatch id (hex with 0x, or decimal);
//   - Q_CLASSINFO("EventId:<signal>", "<id>") names each event signal;
//   - a signal PropertyChanged(QString) tells the host which property changed;
//   - Q_INVOKABLE InitNew(), Load(QVariantMap) and Save() -> QVariantMap are
//     its property persistence (a new instance, a loaded one, saving).
// The host owns each instance and destroys it with delete.

#include <cstdint>

namespace control_server {

// Results of every entry point and class-object call.
enum Result : std::int32_t {
    Ok = 0,
    False = 1, // success with a "no" answer (DllCanUnloadNow)
    Fail = -1,
    ClassNotAvailable = -2, // the library does not serve that class id
    NoInterface = -3,       // the class object interface asked for is unknown
    InvalidArgument = -4,
    RegistryError = -5, // the control registry could not be written
    NoApplication = -6, // no QApplication, or not called on its thread
};

// The one class-object interface of this contract.
inline constexpr char ClassObjectInterface[] = "ControlClassObject/1";

struct ClassObject {
    // Creates one instance; *instance receives a QObject* without a parent.
    std::int32_t (*CreateInstance)(ClassObject *self, void **instance);
    // lock != 0 keeps the library loaded (DllCanUnloadNow says False), 0 releases one lock.
    std::int32_t (*LockServer)(ClassObject *self, std::int32_t lock);
};

extern "C" {
using RegisterServerFn = std::int32_t (*)();
using UnregisterServerFn = std::int32_t (*)();
using GetClassObjectFn = std::int32_t (*)(const char *clsid, const char *iid, void **classObject);
using CanUnloadNowFn = std::int32_t (*)();
}

inline constexpr char RegisterServerName[] = "DllRegisterServer";
inline constexpr char UnregisterServerName[] = "DllUnregisterServer";
inline constexpr char GetClassObjectName[] = "DllGetClassObject";
inline constexpr char CanUnloadNowName[] = "DllCanUnloadNow";

} // namespace control_server
