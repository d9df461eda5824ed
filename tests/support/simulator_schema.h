#pragma once
// The schema frames as a controller takes them: a header 'A' with the sizes
// of the numeric and text areas, then table frames 'B' 1 to 9, each checked
// for its kind, its step, its length (fixed, or from the header) and its
// checksum (high byte first). The tables are reassembled; after step 9 the
// controller answers once: status 0 when everything came right, else 1.

#include "support/simulator.h"

#include <QByteArray>
#include <QStringList>
#include <array>
#include <vector>

namespace pelmora::test {

class SchemaController {
public:
    // Teaches the simulator the schema frames.
    explicit SchemaController(ControllerSimulator &sim);

    int headers() const { return headers_; }
    int valueSize() const { return valueSize_; }
    int textSize() const { return textSize_; }
    // Data of table step 1..9 of the schema received last.
    const QByteArray &table(int step) const { return tables_.at(static_cast<std::size_t>(step)); }
    // Header and steps 1 to 9 in order, every checksum right.
    bool complete() const { return problems_.isEmpty() && nextStep_ == 10; }
    const QStringList &problems() const { return problems_; }

    // The numeric area as whole thousandths (sign and magnitude decoded).
    static std::vector<qint32> thousandths(const QByteArray &area);
    // The data length of a table step with a fixed length; -1 for steps 8 and 9.
    static int fixedLength(int step);

private:
    void takeHeader(const ReceivedFrame &f);
    void takeTable(const ReceivedFrame &f);

    int headers_ = 0;
    int valueSize_ = -1;
    int textSize_ = -1;
    int nextStep_ = 0;
    std::array<QByteArray, 10> tables_{};
    QStringList problems_;
};

} // namespace pelmora::test
