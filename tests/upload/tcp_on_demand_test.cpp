// A TCP client link chosen in the settings and never connected: the schema
// upload connects it first, as it opens a serial port on demand.

#include "link/controller_link.h"
#include "mainwindow/config_scada.h"
#include "support/fake_services.h"
#include "support/netlist_builder.h"
#include "support/simulator.h"
#include "support/simulator_schema.h"
#include "upload/schema_upload.h"

#include <QAction>
#include <QCoreApplication>
#include <QTcpServer>
#include <gtest/gtest.h>
#include <memory>

namespace pelmora {
namespace {

using test::ControllerSimulator;
using test::SchemaController;

class TcpOnDemand : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        main = std::make_unique<Config_SCADA>();
        test::NetlistBuilder n;
        n.block(1, QStringLiteral("D_I"), {QStringLiteral("1")});
        n.block(5, QStringLiteral("AND2_4"));
        n.net({test::U(5, 1), test::U(1, 3)});
        n.importInto(m());
        ui().reset();
        m().settings.Num_COM_Link = 9; // "TCP/IP клієнт"
        m().settings.T_Zapyt = 10;
        m().settings.Adr_IP = QStringLiteral("127.0.0.1");
    }
    void TearDown() override
    {
        main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ProjectModel &m() { return main->model(); }
    SchemaUpload &up() { return *main->schemaUpload; }
    ControllerLink &link() { return main->link(); }
    bool uploadEnds()
    {
        return ControllerSimulator::waitFor([&] { return !up().stepper().running(); }, 20000);
    }

    std::unique_ptr<Config_SCADA> main;
};

TEST_F(TcpOnDemand, UploadConnectsTheClientAndReachesTheController)
{
    ControllerSimulator sim;
    SchemaController controller(sim);
    ASSERT_TRUE(sim.listenTcp());
    m().settings.Port_IP = sim.tcpPort();
    ASSERT_FALSE(link().clientConnected());
    main->MnuSaveOrvo->trigger();
    // The menu handler only starts connecting; the upload's ticks wait for it.
    EXPECT_FALSE(link().clientConnected());
    EXPECT_TRUE(up().Timer_05->isActive());
    EXPECT_TRUE(ControllerSimulator::waitFor([&] { return link().clientConnected(); }));
    ASSERT_TRUE(uploadEnds());
    EXPECT_TRUE(controller.complete()) << controller.problems().join(QStringLiteral("; ")).toStdString();
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(QStringLiteral(" | ")).toStdString();

    // A second upload uses the connection it made.
    SchemaController again(sim);
    main->MnuSaveOrvo->trigger();
    ASSERT_TRUE(uploadEnds());
    EXPECT_TRUE(again.complete()) << again.problems().join(QStringLiteral("; ")).toStdString();
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(QStringLiteral(" | ")).toStdString();
}

TEST_F(TcpOnDemand, NoControllerAtTheAddressEndsWithThePortError)
{
    // A port nothing listens on: taken from a server closed again.
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const quint16 closed = probe.serverPort();
    probe.close();
    struct Case {
        const char *host;
        int port;
    };
    const Case cases[] = {{"127.0.0.1", closed}, {"", closed}, {"127.0.0.1", 70000}};
    for (const Case &c : cases) {
        ui().reset();
        m().settings.Adr_IP = QString::fromLatin1(c.host);
        m().settings.Port_IP = c.port;
        main->MnuSaveOrvo->trigger();
        ASSERT_TRUE(uploadEnds()) << c.host << ":" << c.port;
        EXPECT_EQ(ui().messageTexts(), QStringList{QStringLiteral("Помилка порту!!!")}) << c.host << ":" << c.port;
        EXPECT_FALSE(link().clientConnected());
    }
}

} // namespace
} // namespace pelmora
