#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace pelmora {

QString qtTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

QTranslator *installQtTranslations(QCoreApplication &app, const QString &folder)
{
    const QString from = folder.isEmpty() ? qtTranslationsFolder() : folder;
    // qtbase holds the dialogs and the standard buttons; the translator lives
    // as long as the application.
    auto *translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Ukrainian, QLocale::Ukraine), QStringLiteral("qtbase"), QStringLiteral("_"),
                          from)) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace pelmora
