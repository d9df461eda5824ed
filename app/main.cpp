#include "mainwindow/config_scada.h"
#include "ui/qt_services.h"
#include "ui/qt_translations.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmora"));
    // The run ends when the last window closes: an open trend monitor keeps it going.
    QApplication::setQuitOnLastWindowClosed(true);
    // Qt's standard dialogs and buttons in Ukrainian; without the translations
    // package they stay English and the program still runs.
    pelmora::installQtTranslations(app);

    pelmora::QtServices services;
    services.installAll();

    auto *main = new pelmora::Config_SCADA();
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->show();
    return app.exec();
}
