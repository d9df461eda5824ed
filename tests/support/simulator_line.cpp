#include "support/simulator_line.h"

#include "core/model/settings.h"
#include "link/controller_link.h"

namespace pelmora::test {

std::string transportName(Transport t) { return t == Transport::Pty ? "Pty" : "Tcp"; }

SimulatorLine::SimulatorLine(ControllerSimulator &sim, Transport transport, int comNumber)
    : sim_(sim), transport_(transport), com_(comNumber)
{
    if (transport_ == Transport::Tcp) {
        if (!sim_.listenTcp())
            error_ = QStringLiteral("the simulator cannot listen on a loopback port");
        return;
    }
    pty_ = std::make_unique<PtyPair>();
    if (!pty_->ok()) {
        error_ = pty_->error();
        return;
    }
    envName_ = QByteArrayLiteral("PELMORA_COM") + QByteArray::number(com_);
    env_ = std::make_unique<ScopedEnv>(envName_.constData(), pty_->linkEnd());
    if (!sim_.openSerial(pty_->controllerEnd()))
        error_ = sim_.serialError();
}

void SimulatorLine::pointSettings(Settings &s) const
{
    s.Num_COM_Link = static_cast<decltype(s.Num_COM_Link)>(linkKind());
    if (transport_ == Transport::Tcp) {
        s.Adr_IP = QStringLiteral("127.0.0.1");
        s.Port_IP = sim_.tcpPort();
    }
}

bool SimulatorLine::connectClient(ControllerLink &link) const
{
    if (transport_ != Transport::Tcp)
        return true;
    link.connectClient(QStringLiteral("127.0.0.1"), sim_.tcpPort());
    return ControllerSimulator::waitFor([&] { return link.clientConnected() && sim_.tcpPeerConnected(); });
}

bool SimulatorLine::open(ControllerLink &link) const
{
    if (transport_ == Transport::Tcp)
        return connectClient(link);
    return link.openSerialOnDemand(com_);
}

} // namespace pelmora::test
