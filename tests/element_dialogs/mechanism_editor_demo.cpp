// Shows the phase editor over the real main window for a look at it, as the
// mechanism dialog opens it: a stand-in of that dialog (modal over the main
// window) opens the editor, which is then driven by hand or by the
// screenshot script.
//   mechanism_editor_demo [folder]
// The folder (default: the current one) becomes the current folder; every
// phase<i>.gif in it is recorded as phase i.

#include "element_dialogs/mechanizm_window.h"
#include "mainwindow/config_scada.h"
#include "ui/qt_services.h"
#include "ui/window_frame.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmora"));
    if (argc > 1)
        QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    pelmora::QtServices services;
    services.installAll();

    auto *main = new pelmora::Config_SCADA();
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->show();
    pelmora::ProjectModel &m = main->model();
    for (int i = 0; i < pelmora::MECHANIZMf::kPhases; ++i)
        if (QFileInfo::exists(QStringLiteral("phase%1.gif").arg(i)))
            m.pages.Mechanizm_Gif_Name(i) = QStringLiteral("\\phase%1.gif").arg(i);

    auto *vent = new QWidget;
    vent->setWindowTitle(QStringLiteral("Елемент механізм"));
    auto *layout = new QVBoxLayout(vent);
    auto *picture = new QLabel;
    auto *open = new QPushButton(QStringLiteral("Фази механізму…"));
    layout->addWidget(picture);
    layout->addWidget(open);
    vent->resize(260, 140);
    auto *frame = new pelmora::WindowFrame(*vent, *main, main->windows(), pelmora::WindowFrameKind::Modal);
    QObject::connect(open, &QPushButton::clicked, vent, [&m, main, vent, picture] {
        pelmora::MECHANIZMf::open(m, *main, *vent, [picture](const QPixmap &phase0) { picture->setPixmap(phase0); });
    });
    frame->show();
    open->click();
    const int rc = app.exec();
    delete vent;
    return rc;
}
