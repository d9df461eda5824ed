#include "support/main_window_stand_in.h"

#include "mainwindow/config_scada.h"
#include "project/startup.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

namespace pelmora::test {

MainWindowStandIn::MainWindowStandIn()
{
    startUpModel(model);
    window.setObjectName(QStringLiteral("MainWindowStandIn"));
    window.resize(810, 570);
    Client = new QWidget(&window);
    window.setCentralWidget(Client);
    buildMenuTree(*this, window.menuBar(), &window);
    Logo = new QLabel(Client);
    for (std::size_t i = 0; i < Block_IMAGE.size(); ++i) {
        Block_IMAGE[i] = new QLabel(Client);
        Block_IMAGE[i]->setObjectName(QStringLiteral("Block_IMAGE_%1").arg(i));
        Block_IMAGE[i]->hide();
    }
    Varning_Text = new QLineEdit(QStringLiteral("Попередження"), Client);
    Varning_Text->hide();
}

MainWindowStandIn::~MainWindowStandIn() = default;

} // namespace pelmora::test
