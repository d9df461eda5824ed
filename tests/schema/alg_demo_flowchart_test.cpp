// The demo flowchart shipped in examples/ compiled into the demo schema's
// ALGORITHM block, both through the import and through a right press on the
// block's picture in the schema view.

#include "mainwindow/config_scada.h"
#include "project/schema_view.h"
#include "project/startup.h"
#include "schema/alg_flowchart_import.h"
#include "schema/schema_import.h"
#include "support/demo_algorithm_program.h"
#include "support/fake_services.h"
#include "support/flowchart_builder.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

using namespace pelmora;

namespace {

const QString kSchema = QStringLiteral(PELMORA_EXAMPLES_DIR "/demo_schema.net");
const QString kFlowchart = QStringLiteral(PELMORA_EXAMPLES_DIR "/demo_algorithm.net");
constexpr int kAlgBlock = 10; // U10 of the demo schema

const std::vector<int> &kProgram = test::kDemoAlgorithmProgram;

std::vector<int> storedProgram(const ProjectModel &m)
{
    std::vector<int> out;
    const int base = m.schema.Parametr_Name_Start(kAlgBlock);
    for (int i = 0; i < static_cast<int>(kProgram.size()); ++i)
        out.push_back(m.schema.Parametr_Name(base + i).toInt());
    return out;
}

class DemoFlowchart : public test::WithFakes {};

TEST_F(DemoFlowchart, CompilesIntoTheDemoSchemasAlgorithmBlock)
{
    ProjectModel m;
    startUpModel(m);
    ASSERT_TRUE(importNetlistFile(m, kSchema));
    ASSERT_EQ(m.schema.Block_Type(kAlgBlock), type::ALG);
    m.settings.Num_Block_Edit = kAlgBlock;
    ASSERT_TRUE(alg::Import_Algorithm_Netlist(m, kFlowchart));
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u'\n').toStdString();
    EXPECT_EQ(storedProgram(m), kProgram);
    EXPECT_EQ(m.alg.Alg_Size, 81 + 253 * 11);
    EXPECT_EQ(m.alg.Alg_Size_Empty, 253 * 11);
}

TEST_F(DemoFlowchart, SchemaImportedAgainKeepsTheCompiledProgram)
{
    ProjectModel m;
    startUpModel(m);
    ASSERT_TRUE(importNetlistFile(m, kSchema));
    m.settings.Num_Block_Edit = kAlgBlock;
    ASSERT_TRUE(alg::Import_Algorithm_Netlist(m, kFlowchart));
    ASSERT_EQ(storedProgram(m), kProgram);
    ASSERT_TRUE(importNetlistFile(m, kSchema));
    EXPECT_EQ(storedProgram(m), kProgram);
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u'\n').toStdString();
}

// A program that sets set-points while compiling ("SP2 = 5" after an
// operand) keeps them, too, when the schema is imported again.
TEST_F(DemoFlowchart, SchemaImportedAgainKeepsTheSetPointsTheProgramSet)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    test::FlowchartBranch sets;
    sets.action1 = QStringLiteral("SP1 += SP2 = 5");
    test::FlowchartBuilder b;
    b.start().step(1, QStringLiteral("INP1 = 1")).yes(1, sets);
    b.net({"S.1", "A1.1"}).net({"A1.3", "Y1.1"}).net({"Y1.2", "A1.1"});
    const QString flowchart = dir.filePath(QStringLiteral("sets.net"));
    ASSERT_TRUE(b.write(flowchart));

    ProjectModel m;
    startUpModel(m);
    ASSERT_TRUE(importNetlistFile(m, kSchema));
    m.settings.Num_Block_Edit = kAlgBlock;
    ASSERT_TRUE(alg::Import_Algorithm_Netlist(m, flowchart));
    const int sp = m.schema.Parametr_Value_Start(kAlgBlock);
    ASSERT_EQ(m.schema.Parametr_Value(sp + 2), 5.0f);
    ASSERT_TRUE(importNetlistFile(m, kSchema));
    EXPECT_EQ(m.schema.Parametr_Value(m.schema.Parametr_Value_Start(kAlgBlock) + 2), 5.0f);
    EXPECT_EQ(m.schema.Parametr_Value(m.schema.Parametr_Value_Start(kAlgBlock) + 1), 0.0f);
}

class RightPressOnAlgorithmPicture : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        savedDir_ = QDir::currentPath();
        ASSERT_TRUE(importNetlistFile(m, kSchema));
        w.schemaView->Draw_Schema();
        ui().reset();
    }
    void TearDown() override
    {
        w.Form_Unload();
        QDir::setCurrent(savedDir_);
    }
    QLabel *picture(int block) { return w.Block_IMAGE[static_cast<std::size_t>(block + 8)]; }

    Config_SCADA w;
    ProjectModel &m = w.model();

private:
    QString savedDir_;
};

TEST_F(RightPressOnAlgorithmPicture, ImportsTheChosenFlowchart)
{
    ui().openPaths.push_back(kFlowchart);
    QTest::mouseClick(picture(kAlgBlock), Qt::RightButton);
    ASSERT_EQ(ui().fileRequests.size(), 1u);
    EXPECT_EQ(ui().fileRequests[0].filter, QStringLiteral("P-CAD file|*.net"));
    EXPECT_EQ(m.settings.Num_Block_Edit, kAlgBlock);
    EXPECT_EQ(storedProgram(m), kProgram);
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u'\n').toStdString();
    EXPECT_TRUE(w.isEnabled());
}

TEST_F(RightPressOnAlgorithmPicture, CancelOtherButtonsAndOtherBlocksChangeNothing)
{
    const auto texts = m.schema.Parametr_Name;
    const std::uint8_t blockEdit = m.settings.Num_Block_Edit;
    // A cancelled dialog.
    QTest::mouseClick(picture(kAlgBlock), Qt::RightButton);
    EXPECT_EQ(ui().fileRequests.size(), 1u);
    // The middle button, and the right button on a block of another type, ask for nothing.
    ui().openPaths.push_back(kFlowchart);
    QTest::mouseClick(picture(kAlgBlock), Qt::MiddleButton);
    QTest::mouseClick(picture(9), Qt::RightButton); // SUM
    EXPECT_EQ(ui().fileRequests.size(), 1u);
    EXPECT_TRUE(texts == m.schema.Parametr_Name);
    EXPECT_EQ(m.settings.Num_Block_Edit, blockEdit);
    EXPECT_TRUE(ui().messages.empty());
}

} // namespace
