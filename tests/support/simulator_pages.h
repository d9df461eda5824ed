#pragma once
// The 0x43 page packets as a controller takes them: every packet is checked
// (length, checksum low byte first, band and page, packet number, slot length
// in the header and at the start of the slot, the mark on the last packet of
// band 7) and acknowledged, status 0 when it came right, else 1; the fault
// switches of the simulator shape the replies. The slots are reassembled per
// page and band, so a test can decode the picture and read the element tables,
// and compare both with what the program draws and tabulates.

#include "support/simulator.h"
#include "upload/page_tables_codec.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <vector>

namespace pelmora::test {

class PageController {
public:
    // Teaches the simulator the page packets.
    explicit PageController(ControllerSimulator &sim);

    // The table length counted into band 7's packets: 3580, or 2971 for format version 1.
    int tableLength = 3580;
    // The controller's address; -1 takes any.
    int address = -1;

    struct Packet {
        int page = 0, band = 0, number = 0;
        bool last = false; // marked as the last packet of the page
        bool good = false; // answered with status 0
    };
    const std::vector<Packet> &packets() const { return packets_; }
    // Pages whose every band came complete, in the order their last packet arrived.
    const std::vector<int> &pagesWritten() const { return written_; }
    const QStringList &problems() const { return problems_; }

    // Whether every packet of the page's bands has come right.
    bool complete(int page) const;
    // The slot of a band as reassembled (32 packets' worth of bytes).
    QByteArray slot(int page, int band) const;
    // The page's 12-bit pixels, 800 x 480 in scan order, decoded from the run
    // words; empty when a band is incomplete or does not decode to 60 rows.
    std::vector<int> pixels(int page) const;
    // The element tables after band 7's run words, tableLength bytes.
    QByteArray tables(int page) const;

    // How many of the page's pixels differ from `picture` (800 x 480) with
    // its colours reduced to the controller's 12 bits; every pixel when the
    // page did not arrive whole or does not decode. `firstAt`, when given,
    // receives the places of the first few that differ ("x,y x,y ...").
    int differingPixels(int page, const QImage &picture, QString *firstAt = nullptr) const;
    // The element tables the program writes for page `page` of `m` in format
    // 6, to compare with tables(page); empty when they cannot be written.
    static QByteArray expectedTables(const ProjectModel &m, int page, const page::ControlViewTop &controlViewTop = {});

    void clear();

private:
    struct Band {
        QByteArray bytes = QByteArray(32 * 1024, '\0');
        std::array<bool, 33> got{};
        int length = -1; // L from the header
    };
    int packetCountOf(int band, int length) const;
    bool bandComplete(const Band &b, int band) const;
    bool take(const ReceivedFrame &f);

    std::map<int, std::array<Band, 8>> pages_;
    std::vector<Packet> packets_;
    std::vector<int> written_;
    std::map<int, bool> reported_; // the page's completion is in written_ already
    QStringList problems_;
};

} // namespace pelmora::test
