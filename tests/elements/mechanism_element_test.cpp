// The mechanism dialog's core: the picture code and its size, the
// background bits, the upload's offset.

#include "element_test.h"

#include "elements/element_delete.h"
#include "elements/mechanism_element.h"
#include "project/startup.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace element;

class MechanismDialog : public test::ElementTest {
protected:
    MechanismDialog() { m.schema.Block_Type(3) = type::D_O; }
    MechanismView ok(MechanismFields &f) { return storeMechanism(m, p, slotFor(Kind::Mechanism, f.number), f); }
};

TEST_F(MechanismDialog, AMotorAt100And200IsSentAt108And247)
{
    MechanismFields f = prefillMechanism(m, p, 0, {0, 0, 48, 48}).fields;
    EXPECT_TRUE(f.background); // the template has no bit
    mechanismPictureClicked(m, f, 8);
    EXPECT_EQ(m.pages.Vent_Picture_Choice, 8);
    f.x = QStringLiteral("100");
    f.y = QStringLiteral("200");
    f.block = QStringLiteral("3");
    mechanismBlockChanged(m, f);
    const MechanismView v = ok(f);
    EXPECT_EQ(v.size, QSize(38, 60));
    EXPECT_EQ(m.pages.Vent_Razmer_X(p, n), 38);
    EXPECT_EQ(m.pages.Vent_Razmer_Y(p, n), 60);
    const QByteArray t = test::pageTables(m, p);
    const int at = 2603 + (n - 1) * 5;
    EXPECT_EQ(quint8(t[at]) + 256 * quint8(t[at + 1]), 108);
    EXPECT_EQ(quint8(t[at + 2]) + 256 * quint8(t[at + 3]), 247);
    EXPECT_EQ(quint8(t[at + 4]), 8);
    EXPECT_EQ(quint8(t[3516 + (n - 1) * 2]), 3);
}

TEST_F(MechanismDialog, WithoutBackgroundOnlyFansShowTheirImpeller)
{
    // clang-format off
    struct Case { int code; bool background; VentLook look; QSize size; };
    const Case cases[] = {
        {0, false, VentLook::Impeller1, {28, 28}}, {3, true, VentLook::Picture, {48, 48}},
        {5, false, VentLook::Impeller2, {20, 20}}, {9, false, VentLook::Picture, {60, 38}},
        {17, false, VentLook::Picture, {48, 12}},  {22, true, VentLook::UserPhase, {48, 48}},
    };
    // clang-format on
    for (const Case &c : cases) {
        MechanismFields f = prefillMechanism(m, p, 0, {}).fields;
        mechanismPictureClicked(m, f, c.code);
        f.background = c.background;
        const MechanismView v = ok(f);
        EXPECT_EQ(v.look, c.look) << c.code;
        EXPECT_EQ(v.size, c.size) << c.code;
        EXPECT_EQ(ventWithoutBackground(m.pages.Vent_Fon_Bits, p, n), !c.background) << c.code;
        EXPECT_EQ(m.pages.Vent_Razmer_X(p, n), ventPictureSize(c.code).width())
            << c.code; // the record keeps the picture's
    }
    EXPECT_EQ(ventMarkerPos(22), QPoint(606, 251));
    EXPECT_EQ(ventMarkerPos(3), QPoint(306, 121));
}

TEST_F(MechanismDialog, BackgroundBitsOfSlots16And17)
{
    m.pages.Vent_Used(p, 16) = 1;
    m.pages.Vent_Used(p, 17) = 1;
    m.pages.Vent_Fon_Bits(1, p) = 1;                      // slot 17: bit 0 of the second word
    m.pages.Vent_Fon_Bits(0, p) = std::int32_t(1u << 15); // slot 16: bit 15 of the first
    EXPECT_FALSE(prefillMechanism(m, p, 17, {}).fields.background);
    EXPECT_FALSE(prefillMechanism(m, p, 16, {}).fields.background);
    m.pages.Vent_Fon_Bits(1, p) = 0;
    EXPECT_TRUE(prefillMechanism(m, p, 17, {}).fields.background);
}

TEST_F(MechanismDialog, SavedAndOpenedShowsTheSameDeleteSetsTheBit)
{
    MechanismFields f = prefillMechanism(m, p, 0, {}).fields;
    mechanismPictureClicked(m, f, 13);
    f.background = false;
    f.x = QStringLiteral("300");
    f.y = QStringLiteral("310");
    f.block = QStringLiteral("3");
    mechanismBlockChanged(m, f);
    ok(f);
    f.number = QString::number(n);
    f.width = QStringLiteral("48");
    f.height = QStringLiteral("30");
    ProjectModel opened = test::savedAndOpened(m);
    const Opened<MechanismFields> back = prefillMechanism(opened, p, n, mechanismViewBox(opened.pages, p, n));
    EXPECT_TRUE(back.notices.empty());
    EXPECT_EQ(back.fields, f);

    f.background = true;
    ok(f);
    EXPECT_FALSE(ventWithoutBackground(m.pages.Vent_Fon_Bits, p, n));
    EXPECT_EQ(deleteElement(m, Kind::Mechanism, p, f.number), n);
    EXPECT_TRUE(ventWithoutBackground(m.pages.Vent_Fon_Bits, p, n));
    EXPECT_EQ(m.pages.Vent_Num_Block(p, n), 3);
    EXPECT_EQ(m.pages.Vent_Picture_Num(p, n), 0);

    m.pages.Vent_Used(p, n) = 1;
    m.pages.Vent_Num_OUT(p, n) = 9;
    EXPECT_EQ(prefillMechanism(m, p, n, {}).notices,
              (Notices{{QStringLiteral("Помилка номера виходу!!!"), MsgIcon::Critical}}));
}

} // namespace
} // namespace pelmora
