#pragma once
// The trend readout as a controller answers it: a request of 8 bytes
// (address, 0x50, start register high byte first, 0x00 0x7D, checksum low
// byte first) is answered, when its checksum is right, with 255 bytes: the
// address, 0x50, the byte count 250, 125 registers of a known pattern from the
// start register (high byte first; words of 0x8000 and above among them), and
// the checksum low byte first. The simulator's fault switches shape the answers.

#include "support/simulator.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace pelmora::test {

class ReadoutController {
public:
    // Teaches the simulator the readout request.
    explicit ReadoutController(ControllerSimulator &sim);

    // Register startRegister + k of the pattern, k = 0..124.
    static std::uint16_t word(int startRegister, int k);
    // The 250 data bytes of the answer to a request from startRegister.
    static QByteArray data(int startRegister);
    // The whole answer to a request of address from startRegister.
    static QByteArray answer(std::uint8_t address, int startRegister);

    // Start registers of the requests received with a good checksum, in order.
    const std::vector<int> &requested() const { return requested_; }
    // Requests refused: a bad checksum or a count other than 125.
    int refused() const { return refused_; }

private:
    std::vector<int> requested_;
    int refused_ = 0;
};

} // namespace pelmora::test
