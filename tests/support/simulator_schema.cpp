#include "support/simulator_schema.h"

namespace pelmora::test {

int SchemaController::fixedLength(int step)
{
    static const int lengths[] = {0, 100, 1600, 65, 65, 520, 100, 4};
    return step >= 1 && step <= 7 ? lengths[step] : -1;
}

SchemaController::SchemaController(ControllerSimulator &sim)
{
    ControllerSimulator::FrameRule header = schemaHeaderRule();
    header.answers = [this](const ReceivedFrame &f) {
        takeHeader(f);
        return false;
    };
    sim.addRule(header);

    ControllerSimulator::FrameRule table;
    table.kind = 'B';
    table.order = CrcOrder::HighFirst;
    table.length = [this](const QByteArray &pending) -> qsizetype {
        if (pending.size() < 3)
            return -1;
        const int step = static_cast<std::uint8_t>(pending.at(2));
        const int fixed = fixedLength(step);
        if (fixed >= 0)
            return fixed + 5;
        if (step == 8 && valueSize_ >= 0)
            return valueSize_ + 5;
        if (step == 9 && textSize_ >= 0)
            return textSize_ + 5;
        return 0; // no such step, or its length is not known without a header
    };
    table.answers = [this](const ReceivedFrame &f) {
        takeTable(f);
        return static_cast<std::uint8_t>(f.bytes.at(2)) == 9;
    };
    table.status = [this](const ReceivedFrame &) -> std::uint8_t { return complete() ? 0 : 1; };
    sim.addRule(table);
}

void SchemaController::takeHeader(const ReceivedFrame &f)
{
    ++headers_;
    problems_.clear();
    tables_ = {};
    const auto byte = [&f](int i) { return static_cast<int>(static_cast<std::uint8_t>(f.bytes.at(i))); };
    valueSize_ = byte(2) + 256 * byte(3);
    textSize_ = byte(4) + 256 * byte(5);
    nextStep_ = 1;
    if (!f.crcGood)
        problems_ << QStringLiteral("header checksum");
}

void SchemaController::takeTable(const ReceivedFrame &f)
{
    const int step = static_cast<std::uint8_t>(f.bytes.at(2));
    if (step == 1 && nextStep_ > 1)
        nextStep_ = 1; // the table frames start over
    if (step != nextStep_)
        problems_ << QStringLiteral("step %1 where step %2 was due").arg(step).arg(nextStep_);
    if (!f.crcGood)
        problems_ << QStringLiteral("step %1 checksum").arg(step);
    tables_[static_cast<std::size_t>(step)] = f.bytes.mid(3, f.bytes.size() - 5);
    nextStep_ = step + 1;
}

std::vector<qint32> SchemaController::thousandths(const QByteArray &area)
{
    std::vector<qint32> out;
    for (qsizetype i = 0; i + 3 < area.size(); i += 4) {
        const auto b = [&](qsizetype k) { return static_cast<quint32>(static_cast<std::uint8_t>(area.at(i + k))); };
        const quint32 magnitude = b(0) | (b(1) << 8) | (b(2) << 16) | ((b(3) & 0x7F) << 24);
        out.push_back((b(3) & 0x80) ? -static_cast<qint32>(magnitude) : static_cast<qint32>(magnitude));
    }
    return out;
}

} // namespace pelmora::test
