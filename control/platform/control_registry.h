#pragma once
// The per-user control registry: a small INI file that maps a ProgID to a
// class id and a class id to the library that serves it, with the entries of
// the class's type library and interfaces. A control library writes and
// removes its own entries (DllRegisterServer, DllUnregisterServer); a host
// looks a ProgID up to find the library to load.
//
// The file is PELMORA_CONTROL_REGISTRY when that variable is set (tests use
// it), otherwise pelmora/controls.ini in the user's configuration folder.
//
//   [ProgID]     <progid>\CLSID
//   [CLSID]      <clsid>\Name, ProgID, Library, TypeLib, Version, Control
//   [TypeLib]    <libid>\Name, Version, Locale, Library
//   [Interface]  <iid>\Name, TypeLib

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <optional>

namespace control_registry {

inline constexpr char FileVariable[] = "PELMORA_CONTROL_REGISTRY";

inline QString filePath()
{
    const QString named = qEnvironmentVariable(FileVariable);
    if (!named.isEmpty())
        return named;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/pelmora/controls.ini");
}

struct InterfaceEntry {
    QString iid;
    QString name;
};

struct ClassRegistration {
    QString clsid;
    QString name;
    QString progId;
    QString typeLibId;
    QString typeLibName;
    QString typeLibVersion;
    QString typeLibLocale;
    QList<InterfaceEntry> interfaces;
    QString library; // absolute path of the library file
};

struct FoundClass {
    QString clsid;
    QString library;
};

namespace detail {
inline QString key(const char *section, const QString &id, const char *value)
{
    return QString::fromLatin1(section) + u'/' + id + u'/' + QString::fromLatin1(value);
}

inline bool finish(QSettings &s)
{
    s.sync();
    return s.status() == QSettings::NoError;
}
} // namespace detail

// Writes the class's entries. False when the file cannot be written.
inline bool write(const ClassRegistration &c, const QString &file = filePath())
{
    if (c.clsid.isEmpty() || c.progId.isEmpty() || c.library.isEmpty())
        return false;
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    QSettings s(file, QSettings::IniFormat);
    if (s.status() != QSettings::NoError)
        return false;
    using detail::key;
    s.setValue(key("ProgID", c.progId, "CLSID"), c.clsid);
    s.setValue(key("CLSID", c.clsid, "Name"), c.name);
    s.setValue(key("CLSID", c.clsid, "ProgID"), c.progId);
    s.setValue(key("CLSID", c.clsid, "Library"), c.library);
    s.setValue(key("CLSID", c.clsid, "TypeLib"), c.typeLibId);
    s.setValue(key("CLSID", c.clsid, "Version"), c.typeLibVersion);
    s.setValue(key("CLSID", c.clsid, "Control"), 1);
    s.setValue(key("TypeLib", c.typeLibId, "Name"), c.typeLibName);
    s.setValue(key("TypeLib", c.typeLibId, "Version"), c.typeLibVersion);
    s.setValue(key("TypeLib", c.typeLibId, "Locale"), c.typeLibLocale);
    s.setValue(key("TypeLib", c.typeLibId, "Library"), c.library);
    for (const InterfaceEntry &i : c.interfaces) {
        s.setValue(key("Interface", i.iid, "Name"), i.name);
        s.setValue(key("Interface", i.iid, "TypeLib"), c.typeLibId);
    }
    return detail::finish(s);
}

// Removes the class's entries and nothing else; the ProgID only while it still
// names this class. Removing entries that are not there succeeds, so the call
// is safe to repeat. False when the file exists but cannot be rewritten.
inline bool remove(const ClassRegistration &c, const QString &file = filePath())
{
    if (!QFileInfo::exists(file))
        return true;
    QSettings s(file, QSettings::IniFormat);
    if (s.status() != QSettings::NoError)
        return false;
    const QString progIdGroup = QStringLiteral("ProgID/") + c.progId;
    if (s.value(progIdGroup + QStringLiteral("/CLSID")).toString().compare(c.clsid, Qt::CaseInsensitive) == 0)
        s.remove(progIdGroup);
    s.remove(QStringLiteral("CLSID/") + c.clsid);
    s.remove(QStringLiteral("TypeLib/") + c.typeLibId);
    for (const InterfaceEntry &i : c.interfaces)
        s.remove(QStringLiteral("Interface/") + i.iid);
    return detail::finish(s);
}

// The class and library registered for a ProgID, or nothing when the ProgID,
// its class or the class's library entry is missing.
inline std::optional<FoundClass> findProgId(const QString &progId, const QString &file = filePath())
{
    if (progId.isEmpty() || !QFileInfo::exists(file))
        return std::nullopt;
    QSettings s(file, QSettings::IniFormat);
    if (s.status() != QSettings::NoError)
        return std::nullopt;
    const QString clsid = s.value(detail::key("ProgID", progId, "CLSID")).toString();
    if (clsid.isEmpty())
        return std::nullopt;
    const QString library = s.value(detail::key("CLSID", clsid, "Library")).toString();
    if (library.isEmpty())
        return std::nullopt;
    return FoundClass{clsid, library};
}

} // namespace control_registry
