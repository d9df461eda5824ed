// The picture array export tool, a program of its own:
//   zip_gif_16
// "Load Image" chooses a picture, "Run >" packs it as the mechanism upload
// does and shows its size and the array initialiser text.

#include "ui/qt_services.h"
#include "upload/zip_gif_16/zip_gif_16.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZIP Image GIF"));
    pelmora::QtServices services;
    services.installAll();
    pelmora::Zip_GIF_16 window;
    window.show();
    return app.exec();
}
