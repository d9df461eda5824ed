#include "mainwindow/config_scada.h"
#include "ui/qt_services.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmora"));
    // The run ends when the last window closes: an open trend monitor keeps it going.
    QApplication::setQuitOnLastWindowClosed(true);

    pelmora::QtServices services;
    services.installAll();

    auto *main = new pelmora::Config_SCADA();
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->show();
    return app.exec();
}
