// After a group move, a paste and a delete on the demo pages, the project
// saved and opened again holds the same pages, and the element tables of the
// page upload follow the edits.

#include "pages/editor/band_selection.h"
#include "pages/editor/copy_selection.h"
#include "pages/editor/delete_selection.h"
#include "pages/editor/group_move.h"
#include "pages/editor/paste_selection.h"
#include "project/project_file.h"
#include "project/startup.h"
#include "support/fake_canvas.h"
#include "support/page_fixture.h"
#include "upload/page_tables_codec.h"

#include <gtest/gtest.h>

using namespace pelmora;
using namespace pelmora::pages;

namespace {

constexpr int kVersion = 6;

// The model saved and opened again, as the reader leaves it.
void saveAndOpen(ProjectModel &m, ProjectModel &opened, QByteArray *bytes = nullptr)
{
    projectfile::prepareForSave(m);
    const projectfile::WriteResult saved = projectfile::writeProjectFile(m);
    ASSERT_TRUE(saved.ok) << saved.reason.toStdString();
    startUpModel(opened);
    const projectfile::ReadResult read =
        projectfile::readProjectFile(saved.bytes, opened, QStringLiteral("/projects/demo"));
    ASSERT_TRUE(read.ok) << read.reason.toStdString() << " at line " << read.line;
    if (bytes)
        *bytes = saved.bytes;
}

QByteArray uploadTables(const ProjectModel &m, int page)
{
    QByteArray image(page::tableWrittenLength(kVersion), '\0');
    const auto end = page::writeElementTables(m, page, kVersion, image, 0);
    EXPECT_TRUE(end.has_value()) << "page " << page;
    return image;
}

} // namespace

TEST(PageEditingRoundTrip, EditedPagesSaveOpenAndUploadAsEdited)
{
    // The demo pages as an engineer opens them.
    ProjectModel demo;
    startUpModel(demo);
    demo.settings.Format_Version = kVersion;
    demo.settings.Stranica_Count = 16;
    demo.settings.Name_Schema = QStringLiteral("/projects/demo/boiler.net");
    test::placeDemoPageElements(demo);
    ProjectModel m;
    saveAndOpen(demo, m);
    PageTables &t = m.pages;
    t.Setka_Razmer = 5;
    test::FakeCanvas canvas;
    canvas.showRecords(t, 16);
    EditorState s;
    QByteArray before[3];
    for (int p = 0; p < 3; ++p)
        before[p] = uploadTables(m, p);

    // Page 0: the texts, parameters and signals at the upper left move by
    // (22, 31) on a grid of 5.
    auto run = [&](const EditorChanges &c) { canvas.apply(c, t); };
    run(canvasPress(t, s, 0, 1, 30, 80));
    run(canvasMove(t, s, canvas, 1, 250, 200));
    run(canvasPress(t, s, 0, 1, 200, 190));
    run(canvasMove(t, s, canvas, 1, 222, 221));
    canvasRelease(t, s, canvas);
    EXPECT_EQ(t.Parametr_Coord_X(0, 7), 200);
    EXPECT_EQ(t.Parametr_Coord_Y(0, 7), 120);
    EXPECT_EQ(t.Signal_Coord_Y(0, 2), 3 * 1024 + 190);

    // Page 0's transitions, mechanisms and buttons copied onto page 1 at (400, 100).
    s.Select_copy = {30, 220, 450, 200, true, 0};
    copySelection(t, s);
    t.Num_Stranica_SCADA = 1;
    s.Mouse_X = 400, s.Mouse_Y = 100;
    const EditorChanges pasted = pasteSelection(t, s);
    run(pasted);
    EXPECT_EQ(pasted.created.size(), 6u);
    EXPECT_EQ(t.Go_Block_Coord_X(1, 1), 400);

    // Page 2: the figure, the transition and the mechanism deleted.
    t.Num_Stranica_SCADA = 2;
    s.Select_copy = {40, 40, 100, 100, true, 2};
    const EditorChanges deleted = deleteSelection(t, s);
    run(deleted);
    EXPECT_EQ(deleted.freed.size(), 3u);
    t.Num_Stranica_SCADA = 0;

    // Saved and opened again: the file reads back to itself.
    ProjectModel opened;
    QByteArray saved;
    saveAndOpen(m, opened, &saved);
    EXPECT_TRUE(projectfile::writeProjectFile(opened).bytes == saved);

    // The pages show as they were edited, every view in its place.
    test::FakeCanvas reopened;
    reopened.showRecords(opened.pages, 16);
    EXPECT_EQ(reopened.views, canvas.views);
    // The upload follows the edits.
    for (int p = 0; p < 3; ++p) {
        const QByteArray edited = uploadTables(m, p);
        EXPECT_TRUE(uploadTables(opened, p) == edited) << "page " << p;
        EXPECT_FALSE(edited == before[p]) << "page " << p;
    }
    EXPECT_EQ(opened.pages.Go_Block_Used(1, 2), 1);
    EXPECT_EQ(opened.pages.Vent_Used(2, 3), 0);
    EXPECT_EQ(opened.pages.Figura_Type(2, 1), 10);
}
