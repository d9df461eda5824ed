#pragma once
// The one way a transfer takes the link: a claim refused while another
// transfer holds it and given back however the transfer ends.

#include "core/model/link_state.h"

#include <utility>

namespace pelmora {

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

    // Hands the link to a transfer of this kind while it is free; the claim
    // returned is empty (false) while another transfer holds it.
    static LinkClaim take(LinkState &link, LinkTransfer kind)
    {
        if (link.busy() || kind == LinkTransfer::None)
            return {};
        link.Transfer_Busy = kind;
        return LinkClaim(link, kind);
    }

private:
    LinkClaim(LinkState &link, LinkTransfer kind) : link_(&link), kind_(kind) {}

    LinkState *link_ = nullptr;
    LinkTransfer kind_ = LinkTransfer::None;
};

} // namespace pelmora
