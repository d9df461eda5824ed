// Printing of the memory tables on a recording surface: text fitting, the
// layout of rows, rules and frames, and the print button's outcomes.

#include "algorithm/grid_print.h"
#include "algorithm/mem_algorithm.h"
#include "support/fake_services.h"
#include "support/main_window_stand_in.h"

#include <QCoreApplication>
#include <QPrinterInfo>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <memory>

using namespace pelmora;
using namespace pelmora::alg;

namespace {

constexpr double kCharWidth = 100;
constexpr double kLineHeight = 200;

// A surface with 100-twip characters and 200-twip lines that records what it draws.
class RecordingSurface final : public PrintSurface {
public:
    struct Text {
        double x, y;
        QString text;
    };
    struct Box {
        double x1, y1, x2, y2;
    };
    std::vector<Text> texts;
    std::vector<Box> lines, rects;
    QString font;
    bool a4 = false, ended = false;
    int landscape = -1;
    // Throws from the n-th line drawn (1-based), or from setLandscape.
    int failAtLine = 0;
    bool failOrientation = false;

    void setFont(const QString &name, double size, bool bold) override
    {
        font = QStringLiteral("%1 %2 %3").arg(name).arg(size).arg(bold);
    }
    void setPaperA4() override { a4 = true; }
    void setLandscape(bool l) override
    {
        if (failOrientation)
            throw PrintError("orientation");
        landscape = l;
    }
    double currentX() const override { return x; }
    double currentY() const override { return y; }
    void setCurrentX(double v) override { x = v; }
    void setCurrentY(double v) override { y = v; }
    void printText(const QString &t) override
    {
        texts.push_back({x, y, t});
        x += textWidth(t);
    }
    void newLine() override
    {
        x = 0;
        y += kLineHeight;
    }
    double textWidth(const QString &t) const override { return kCharWidth * t.size(); }
    void line(double x1, double y1, double x2, double y2) override
    {
        if (failAtLine && static_cast<int>(lines.size()) + 1 == failAtLine)
            throw PrintError("line");
        lines.push_back({x1, y1, x2, y2});
    }
    void rectangle(double x1, double y1, double x2, double y2) override { rects.push_back({x1, y1, x2, y2}); }
    void endDoc() override { ended = true; }

    const Text *find(const QString &t) const
    {
        for (const Text &e : texts)
            if (e.text == t)
                return &e;
        return nullptr;
    }

private:
    double x = 0, y = 0;
};

TEST(FitText, CutsAtTheLastCharacterThatFits)
{
    RecordingSurface P;
    struct Case {
        const char *text;
        double width;
        const char *fitted;
    };
    const Case cases[] = {{"abcdef", 350, "abc"}, {"ab", 200, "ab"}, {"ab", 199, "a"}, {"", 0, ""},
                          {"x", 0, ""},           {"x", -5, ""}};
    for (const Case &c : cases)
        EXPECT_EQ(Fit_Text(P, QString::fromLatin1(c.text), c.width), QString::fromLatin1(c.fitted)) << c.text;
}

GridContents grid(int dataRows, std::vector<double> widths)
{
    GridContents g;
    g.fontName = QStringLiteral("MS Sans Serif");
    g.colWidth = std::move(widths);
    for (int r = 0; r <= dataRows; ++r) {
        QStringList row;
        for (size_t c = 0; c < g.colWidth.size(); ++c)
            row << QStringLiteral("r%1c%2").arg(r).arg(c);
        g.rows.push_back(row);
    }
    return g;
}

TEST(PrintGrid, RowsRulesAndFrameOfAShortTable)
{
    RecordingSurface P;
    GridContents g = grid(2, {1000, 5000});
    g.rows[1][1] = QStringLiteral("a comment far wider than its column of fifty characters");
    Print_Grid(P, g, 500, 600, QStringLiteral("Demo"), QStringLiteral("/p/s.net"));

    EXPECT_TRUE(P.a4);
    EXPECT_EQ(P.font, QStringLiteral("MS Sans Serif 8.25 1"));
    ASSERT_FALSE(P.texts.empty());
    EXPECT_EQ(P.texts[0].text, QStringLiteral("Назва проекту - Demo   Схема - /p/s.net"));
    EXPECT_EQ(P.texts[0].x, 500);
    EXPECT_EQ(P.texts[0].y, 250);

    // Each row: 24 above the text, 24 below, then a line end.
    const double rowStep = 24 + 24 + kLineHeight;
    for (int r = 0; r <= 2; ++r) {
        const RecordingSurface::Text *first = P.find(QStringLiteral("r%1c0").arg(r));
        ASSERT_NE(first, nullptr) << r;
        EXPECT_EQ(first->x, 520);
        EXPECT_EQ(first->y, 600 + 24 + r * rowStep);
    }
    const RecordingSurface::Text *second = P.find(QStringLiteral("r2c1"));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->x, 1520);
    // The long comment is cut to the 50 characters of its 5000-twip column.
    bool cut = false;
    for (const auto &t : P.texts)
        cut = cut || t.text == g.rows[1][1].left(50);
    EXPECT_TRUE(cut);

    // Rules above rows 1 and 2 only, ending 2600 short of the columns' sum.
    ASSERT_EQ(P.lines.size(), 2u);
    EXPECT_EQ(P.lines[0].y1, 600 + rowStep);
    EXPECT_EQ(P.lines[0].x1, 500);
    EXPECT_EQ(P.lines[0].x2, 500 + 6000 - 2600);
    // The edges of column 1 and the frame, from 60 below the top to the end of the last row.
    ASSERT_EQ(P.rects.size(), 2u);
    const double yend = 600 + 3 * rowStep;
    EXPECT_EQ(P.rects[0].x1, 1500);
    EXPECT_EQ(P.rects[0].x2, 6500);
    EXPECT_EQ(P.rects[0].y1, 660);
    EXPECT_EQ(P.rects[0].y2, yend);
    EXPECT_EQ(P.rects[1].x1, 500);
    EXPECT_EQ(P.rects[1].x2, 3900);
    EXPECT_EQ(P.rects[1].y2, yend);
    EXPECT_FALSE(P.ended);
}

TEST(PrintGrid, TablesLongerThan64RowsGetAFirstFrameAfterRow64)
{
    RecordingSurface P;
    Print_Grid(P, grid(128, {1000, 1000, 8000}), 500, 500, {}, {});
    const double rowStep = 24 + 24 + kLineHeight;
    const double y64 = 500 + 64 * rowStep + 48;
    ASSERT_EQ(P.rects.size(), 4u);
    EXPECT_EQ(P.rects[0].y1, 500);
    EXPECT_EQ(P.rects[0].y2, y64 + 200);
    EXPECT_EQ(P.rects[1].x2, 500 + 10000 - 2600);
    EXPECT_EQ(P.rects[1].y2, y64 + 200);
    // Row 65 follows three empty lines and the row's own line end.
    const RecordingSurface::Text *row65 = P.find(QStringLiteral("r65c0"));
    ASSERT_NE(row65, nullptr);
    EXPECT_EQ(row65->y, y64 + 4 * kLineHeight + 24);
    EXPECT_EQ(P.rects[3].y1, 560);
    EXPECT_EQ(P.rects[3].y2, y64 + 4 * kLineHeight + 64 * rowStep);
}

class PrintButton : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        m.settings.Name_Project = QStringLiteral("Demo");
        m.settings.Num_Block_Edit = 0;
        win = new Mem_ALGORITHM(m, w);
        win->makePrinter = [this] {
            auto s = std::make_unique<RecordingSurface>();
            s->failAtLine = failAtLine;
            s->failOrientation = failOrientation;
            last = s.get();
            made.push_back(std::move(s));
            return std::unique_ptr<PrintSurface>(new Forward(*made.back()));
        };
    }
    void TearDown() override
    {
        win->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void showTab(int tab)
    {
        Mem_ALGORITHM::Tab_Mem = static_cast<std::int16_t>(tab);
        win->Coment_Set_SP_Click();
    }
    // Hands the calls on to a surface the test keeps after the print ends.
    struct Forward final : PrintSurface {
        explicit Forward(RecordingSurface &s) : s(s) {}
        RecordingSurface &s;
        void setFont(const QString &n, double z, bool b) override { s.setFont(n, z, b); }
        void setPaperA4() override { s.setPaperA4(); }
        void setLandscape(bool l) override { s.setLandscape(l); }
        double currentX() const override { return s.currentX(); }
        double currentY() const override { return s.currentY(); }
        void setCurrentX(double v) override { s.setCurrentX(v); }
        void setCurrentY(double v) override { s.setCurrentY(v); }
        void printText(const QString &t) override { s.printText(t); }
        void newLine() override { s.newLine(); }
        double textWidth(const QString &t) const override { return s.textWidth(t); }
        void line(double a, double b, double c, double d) override { s.line(a, b, c, d); }
        void rectangle(double a, double b, double c, double d) override { s.rectangle(a, b, c, d); }
        void endDoc() override { s.endDoc(); }
    };

    test::MainWindowStandIn w; // the window is built without the main window
    ProjectModel &m = w.model;
    Mem_ALGORITHM *win = nullptr;
    std::vector<std::unique_ptr<RecordingSurface>> made;
    RecordingSurface *last = nullptr;
    int failAtLine = 0;
    bool failOrientation = false;
};

TEST_F(PrintButton, PrintsTheShownTableAfterYes)
{
    m.alg.ALGORITHM_Comment(128) = QStringLiteral("last setpoint");
    showTab(1);
    ui().answers = {MsgAnswer::No};
    win->Print_SP_Click(1);
    EXPECT_TRUE(made.empty());

    ui().reset();
    win->Print_SP_Click(1);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(ui().messageTexts(), QStringList({QStringLiteral("Друкувати таблицю?")}));
    EXPECT_EQ(ui().messages[0].icon, MsgIcon::Question);
    EXPECT_EQ(last->landscape, 0);
    EXPECT_TRUE(last->ended);
    EXPECT_NE(last->find(QStringLiteral("SP128")), nullptr);
    EXPECT_NE(last->find(QStringLiteral("last setpoint")), nullptr);
    EXPECT_NE(last->find(QStringLiteral("Коментар ")), nullptr);
    EXPECT_EQ(last->rects.size(), 4u);
    // The frame starts at 500 + 60 on the portrait page.
    EXPECT_EQ(last->rects.back().y1, 560);

    ui().reset();
    showTab(4); // "Закрити" first hides the tables
    showTab(4);
    win->Print_SP_Click(4);
    EXPECT_EQ(last->landscape, 1);
    EXPECT_NE(last->find(QStringLiteral("INP32")), nullptr);
    EXPECT_EQ(last->rects.size(), 2u);
    EXPECT_EQ(last->rects.back().y1, 660);
}

TEST_F(PrintButton, PrinterFailuresLeaveTheDocumentUnended)
{
    showTab(2);
    failAtLine = 3;
    win->Print_SP_Click(2);
    ASSERT_NE(last, nullptr);
    EXPECT_FALSE(last->ended);
    EXPECT_EQ(last->lines.size(), 2u); // stopped at the failing line
    ASSERT_EQ(ui().messages.size(), 2u);
    EXPECT_EQ(ui().messages[1].text, QStringLiteral("Помилка принтера!"));
    EXPECT_EQ(ui().messages[1].icon, MsgIcon::Critical);

    // A refused orientation still prints the table, then reports.
    ui().reset();
    failAtLine = 0;
    failOrientation = true;
    win->Print_SP_Click(2);
    EXPECT_NE(last->find(QStringLiteral("FLAG32")), nullptr);
    EXPECT_FALSE(last->ended);
    EXPECT_EQ(ui().messageTexts().last(), QStringLiteral("Помилка принтера!"));
}

TEST_F(PrintButton, WithoutAPrinterOnlyTheMessageComes)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a printer is installed";
    test::MainWindowStandIn main;
    auto *real = new Mem_ALGORITHM(main.model, main);
    Mem_ALGORITHM::Tab_Mem = 0;
    real->Coment_Set_SP_Click();
    real->Print_SP_Click(0);
    EXPECT_EQ(ui().messageTexts(),
              QStringList({QStringLiteral("Друкувати таблицю?"), QStringLiteral("Помилка принтера!")}));
    real->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
