#include "algorithm/grid_print.h"

namespace pelmora::alg {

namespace {
constexpr double kRowGap = 24;     // above and below the text of a row
constexpr double kTextIndent = 20; // text start inside a column
constexpr double kFrameShort = 2600;
constexpr double kFrameTopGap = 60;
constexpr int kSplitRow = 64; // rows 0..64 get a frame of their own
constexpr double kSplitFrameGap = 200;
} // namespace

QString Fit_Text(const PrintSurface &P, QString text, double width)
{
    while (!text.isEmpty() && P.textWidth(text) > width)
        text.chop(1);
    return text;
}

void Print_Grid(PrintSurface &P, const GridContents &G, double xmin, double ymin, const QString &projectName,
                const QString &schemaName)
{
    P.setFont(G.fontName, G.fontSize, G.bold);
    P.setPaperA4();
    P.setCurrentX(500);
    P.setCurrentY(250);
    P.printText(QStringLiteral("Назва проекту - ") + projectName + QStringLiteral("   ") + QStringLiteral("Схема - ") +
                schemaName);
    P.newLine();

    double total = 0;
    for (double w : G.colWidth)
        total += w;
    const double xmax = xmin + total - kFrameShort;
    const double w0 = G.colWidth.empty() ? 0 : G.colWidth[0];
    const double w1 = G.colWidth.size() < 2 ? 0 : G.colWidth[1];

    P.setCurrentY(ymin);
    for (size_t r = 0; r < G.rows.size(); ++r) {
        if (r > 0)
            P.line(xmin, P.currentY(), xmax, P.currentY());
        P.setCurrentY(P.currentY() + kRowGap);
        double x = xmin + kTextIndent;
        for (size_t c = 0; c < G.colWidth.size(); ++c) {
            P.setCurrentX(x);
            const QString text = c < static_cast<size_t>(G.rows[r].size()) ? G.rows[r][static_cast<int>(c)] : QString();
            P.printText(Fit_Text(P, text, G.colWidth[c]));
            x += G.colWidth[c];
        }
        P.setCurrentY(P.currentY() + kRowGap);
        if (r == kSplitRow) {
            const double y64 = P.currentY();
            P.rectangle(xmin + w0, ymin, xmin + w0 + w1, y64 + kSplitFrameGap);
            P.rectangle(xmin, ymin, xmax, y64 + kSplitFrameGap);
            for (int k = 0; k < 3; ++k)
                P.newLine();
        }
        P.newLine();
    }
    const double yend = P.currentY();
    P.rectangle(xmin + w0, ymin + kFrameTopGap, xmin + w0 + w1, yend);
    P.rectangle(xmin, ymin + kFrameTopGap, xmax, yend);
}

} // namespace pelmora::alg
