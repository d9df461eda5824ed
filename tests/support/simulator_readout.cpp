#include "support/simulator_readout.h"

namespace pelmora::test {

ReadoutController::ReadoutController(ControllerSimulator &sim)
{
    ControllerSimulator::FrameRule rule;
    rule.kind = 0x50;
    rule.order = CrcOrder::LowFirst;
    rule.length = [](const QByteArray &) -> qsizetype { return 8; };
    rule.answers = [this](const ReceivedFrame &f) {
        const bool countRight = f.bytes.at(4) == 0 && static_cast<std::uint8_t>(f.bytes.at(5)) == 125;
        if (!f.crcGood || !countRight) {
            ++refused_;
            return false;
        }
        requested_.push_back(static_cast<std::uint8_t>(f.bytes.at(2)) * 256 + static_cast<std::uint8_t>(f.bytes.at(3)));
        return true;
    };
    rule.answer = [](const ReceivedFrame &f) {
        return answer(static_cast<std::uint8_t>(f.bytes.at(0)),
                      static_cast<std::uint8_t>(f.bytes.at(2)) * 256 + static_cast<std::uint8_t>(f.bytes.at(3)));
    };
    sim.addRule(rule);
}

std::uint16_t ReadoutController::word(int startRegister, int k)
{
    return static_cast<std::uint16_t>((startRegister - 1000) * 0x9E37 + k * 0x0107 + 0x4000);
}

QByteArray ReadoutController::data(int startRegister)
{
    QByteArray d;
    for (int k = 0; k < 125; ++k) {
        const std::uint16_t w = word(startRegister, k);
        d.append(static_cast<char>(w >> 8));
        d.append(static_cast<char>(w & 0xFF));
    }
    return d;
}

QByteArray ReadoutController::answer(std::uint8_t address, int startRegister)
{
    QByteArray a;
    a.append(static_cast<char>(address));
    a.append('\x50');
    a.append(static_cast<char>(250));
    a += data(startRegister);
    return withCrc(a, CrcOrder::LowFirst);
}

} // namespace pelmora::test
