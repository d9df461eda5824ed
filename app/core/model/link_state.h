#pragma once
// State shared by every transfer to the controller: the frame buffer with its
// checksum, and the counters and flags the uploads hand to each other.

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace pelmora {

// The transfers that use the link; one at a time holds it.
enum class LinkTransfer : std::uint8_t { None, Schema, Page, Mechanism, TeskReadout, OrvoReadout };

// A frame sent by a run that has ended, whose reply may still come: the next
// run on the link matches replies to it before its own (link/exchange.h).
struct HeldFrame {
    qint64 leftAt = 0;    // when it had all left, on the link's steady clock (ms)
    qint64 expiresAt = 0; // after this no reply to it can come
    int replyBytes = 5;
};

struct LinkState {
    // The frame being built or, after a read, the bytes received. One byte per element.
    QByteArray Packet_Buffer;
    // How many leading bytes of Packet_Buffer the checksum covers; set right before Calc_CRC16.
    std::int16_t CRC16_Len = 0;
    // Result of Calc_CRC16, 0..0xFFFF.
    std::int32_t CRC16 = 0;

    // Bad replies in a row during a packet transfer; the schema upload clears it when it starts.
    std::int16_t Send_Error_Count = 0;
    // 1 while a range of pages is being written; the progress window's cancel clears it.
    std::int16_t Save_n_Stranica_Flag = 0;
    // The schema upload step that the next tick performs, 0..10; 11 after the last.
    std::int16_t Schema_Step = 0;

    // The transfer that holds the link now, None while it is free. A transfer
    // takes it when it starts and gives it back however it ends; a transfer of
    // another kind started meanwhile is refused.
    LinkTransfer Transfer_Busy = LinkTransfer::None;

    // Frames of ended runs that may still be answered, oldest first, and the
    // time until which nothing that comes can be matched to a frame, after
    // bytes that broke the order of the replies (link/exchange.h).
    std::vector<HeldFrame> Held_Frames;
    qint64 Unsure_Until = 0;

    // Whether some transfer holds the link now. Transfers take and give back
    // the link through a LinkClaim (link/link_claim.h), never by hand.
    bool busy() const { return Transfer_Busy != LinkTransfer::None; }

    // Whether a transfer is under way: one holds the link, or a range of pages
    // waits between two of its pages. The range gives the link back after
    // each page, but its pages still to come are built from the project and
    // the settings as they are when each starts, so neither may change until
    // the range has ended, been cancelled or given up (each clears the flag).
    bool transferUnderWay() const { return busy() || Save_n_Stranica_Flag == 1; }
};

} // namespace pelmora
