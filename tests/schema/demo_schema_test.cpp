// The demo schema netlist shipped in examples/ imports without a message.

#include "project/startup.h"
#include "schema/schema_import.h"
#include "support/fake_services.h"
#include "support/netlist_builder.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace Qt::StringLiterals;

class DemoSchema : public test::WithFakes {};

TEST_F(DemoSchema, ImportsWithoutMessages)
{
    ProjectModel m;
    startUpModel(m);
    ASSERT_TRUE(importNetlistFile(m, QStringLiteral(PELMORA_EXAMPLES_DIR "/demo_schema.net")));
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u" | "_s).toStdString();

    const auto &s = m.schema;
    const std::pair<int, int> types[] = {
        {1, type::A_I},  {2, type::D_I},  {3, type::D_O},  {4, type::S_P},  {5, type::PID},  {6, type::CMP},
        {7, type::AND},  {8, type::TIM},  {9, type::SUM},  {10, type::ALG}, {11, type::LOG}, {12, type::UNI},
        {13, type::RS4}, {14, type::MUL}, {97, type::SCA}, {98, type::GRA}, {99, type::JUR}, {15, 0}};
    for (auto [b, t] : types)
        EXPECT_EQ(s.Block_Type(b), t) << "block " << b;

    auto V = [&](int b, int i) { return s.Parametr_Value(s.Parametr_Value_Start(b) + i); };
    auto T = [&](int b, int i) { return s.Parametr_Name(s.Parametr_Name_Start(b) + i).toStdString(); };
    EXPECT_EQ(V(1, 1), 8.0f);   // input 1: ТХК
    EXPECT_EQ(V(1, 9), 600.0f); // input 1: scale max
    EXPECT_EQ(V(1, 26), 3.0f);  // input 2: filter
    EXPECT_EQ(V(1, 3), 14.0f);  // input 3: 4-20мА
    EXPECT_EQ(V(13, 2), 1.0f);  // 19200
    EXPECT_EQ(T(4, 8), "Котел");
    EXPECT_EQ(T(98, 1), "Температура");
    EXPECT_EQ(T(99, 0), "Журнал подій");

    // AND U7: input 1 from the comparator, input 2 inverted from D_I U2,
    // input 3 from the SCADA block.
    EXPECT_EQ(s.Block_Link(1, 7), 6);
    EXPECT_EQ(s.Block_Link(3, 7), 2);
    EXPECT_EQ(s.Block_Link(5, 7), 97);
    EXPECT_EQ(s.Invert_Input(7), 0b10);
    EXPECT_EQ(s.Alg_Link(2, 1), 7);  // ALG input 1
    EXPECT_EQ(s.Jurnal_Link(3), 10); // JUR input 2 from the ALG block
    EXPECT_EQ(s.Grafik_Link(5), 14); // GRA input 3 from MUL U14
}

} // namespace
} // namespace pelmora
