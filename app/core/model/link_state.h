#pragma once
// State shared by every transfer to the controller: the frame buffer with its
// checksum, and the counters and flags the uploads hand to each other.

#include <QByteArray>
#include <cstdint>
#include <utility>

namespace pelmora {

struct LinkState;

// The transfers that use the link; one at a time holds it.
enum class LinkTransfer : std::uint8_t { None, Schema, Page, Mechanism, TeskReadout, OrvoReadout };

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

    // Whether some transfer holds the link now.
    bool busy() const { return Transfer_Busy != LinkTransfer::None; }
    // Hands the link to a transfer of this kind while it is free; the claim
    // returned is empty (false) while another transfer holds it.
    class LinkClaim claim(LinkTransfer kind);
};

// A transfer's hold on the link. The link is free again as soon as the claim
// is released, reset or destroyed, however the transfer ends. Move-only.
class LinkClaim {
public:
    LinkClaim() = default;
    LinkClaim(const LinkClaim &) = delete;
    LinkClaim &operator=(const LinkClaim &) = delete;
    LinkClaim(LinkClaim &&o) noexcept : link_(std::exchange(o.link_, nullptr)), kind_(o.kind_) {}
    LinkClaim &operator=(LinkClaim &&o) noexcept
    {
        if (this != &o) {
            release();
            link_ = std::exchange(o.link_, nullptr);
            kind_ = o.kind_;
        }
        return *this;
    }
    ~LinkClaim() { release(); }

    // True while this claim holds the link.
    bool held() const { return link_ != nullptr; }
    explicit operator bool() const { return held(); }
    LinkTransfer kind() const { return held() ? kind_ : LinkTransfer::None; }

    // Gives the link back; nothing when the claim holds nothing. A link that
    // was meanwhile handed to another kind (a new project's state) is left alone.
    void release()
    {
        if (link_ && link_->Transfer_Busy == kind_)
            link_->Transfer_Busy = LinkTransfer::None;
        link_ = nullptr;
    }

private:
    friend struct LinkState;
    LinkClaim(LinkState &link, LinkTransfer kind) : link_(&link), kind_(kind) {}

    LinkState *link_ = nullptr;
    LinkTransfer kind_ = LinkTransfer::None;
};

inline LinkClaim LinkState::claim(LinkTransfer kind)
{
    if (busy() || kind == LinkTransfer::None)
        return {};
    Transfer_Busy = kind;
    return LinkClaim(*this, kind);
}

} // namespace pelmora
