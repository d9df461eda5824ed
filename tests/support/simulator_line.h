#pragma once
// The one way the transfer tests and benchmarks reach the controller
// simulator: over a socat pseudo-terminal pair whose link end a COM port
// names (PELMORA_COMn), or over loopback TCP as the TCP client link.

#include "support/simulator.h"
#include "support/simulator_pty.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <string>

namespace pelmora {
class ControllerLink;
struct Settings;
} // namespace pelmora

namespace pelmora::test {

enum class Transport { Pty, Tcp };

// "Pty" or "Tcp", for the names of parameterised tests.
std::string transportName(Transport t);

class SimulatorLine {
public:
    // Opens the simulator's end: the pair made and COMn pointed at its link
    // end, or the simulator listening on a free loopback port.
    SimulatorLine(ControllerSimulator &sim, Transport transport, int comNumber = 1);
    SimulatorLine(const SimulatorLine &) = delete;
    SimulatorLine &operator=(const SimulatorLine &) = delete;

    bool ok() const { return error_.isEmpty(); }
    QString error() const { return error_; }
    Transport transport() const { return transport_; }
    // The link kind a transfer over this line uses: the COM number, or 9 (the TCP client).
    int linkKind() const { return transport_ == Transport::Pty ? com_ : 9; }
    // Points the project's link settings at the simulator: the COM number,
    // or the TCP client with the simulator's address and port.
    void pointSettings(Settings &s) const;
    // Opens the program's link now: the serial port, or the TCP client
    // connected with the simulator holding its peer. False when it cannot.
    bool open(ControllerLink &link) const;
    // Over TCP, the client connected now as open() does; over a pty, nothing
    // (the serial port is left to open on demand).
    bool connectClient(ControllerLink &link) const;

private:
    ControllerSimulator &sim_;
    Transport transport_;
    int com_;
    std::unique_ptr<PtyPair> pty_;
    QByteArray envName_; // outlives env_, which holds its characters
    std::unique_ptr<ScopedEnv> env_;
    QString error_;
};

} // namespace pelmora::test
