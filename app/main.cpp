#include "mainwindow/config_scada.h"
#include "ui/guarded_application.h"
#include "ui/qt_services.h"
#include "ui/qt_translations.h"

int main(int argc, char **argv)
{
    // An error escaping a window's handler is shown, and the program goes on.
    pelmora::GuardedApplication app(argc, argv);
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
    // Message boxes and the other dialogs stand above the window they belong to.
    services.belongTo(*main, main->windows());
    main->show();
    return app.exec();
}
