#pragma once
// Qt's own texts (the standard file, colour and font dialogs, the standard
// buttons of message boxes) in Ukrainian, like the rest of the program.

#include <QString>

class QCoreApplication;
class QTranslator;

namespace pelmora {

// The folder the distribution installs Qt's translations into.
QString qtTranslationsFolder();

// Installs Qt's Ukrainian translations from `folder` (Qt's own translations
// folder when empty) on the application, whatever the system's language.
// The application owns the translator returned; null when the translations
// cannot be loaded, and Qt's texts then stay English.
QTranslator *installQtTranslations(QCoreApplication &app, const QString &folder = QString());

} // namespace pelmora
