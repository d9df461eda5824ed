#pragma once
// Printing of a memory table: the table's cell texts, one ruled line per row,
// framed and headed by the project and schema names, on any drawing surface
// that offers a printer's text and line operations. Positions are twips.

#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

namespace pelmora::alg {

// A failing printer operation.
class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The operations of a printer. Any of them may throw PrintError.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;
    virtual void setFont(const QString &name, double pointSize, bool bold) = 0;
    virtual void setPaperA4() = 0;
    virtual void setLandscape(bool landscape) = 0;
    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;
    // Prints text with its top left at the current position; the position moves right.
    virtual void printText(const QString &text) = 0;
    // A line end: back to the left edge and down by the font's line height.
    virtual void newLine() = 0;
    virtual double textWidth(const QString &text) const = 0;
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    virtual void rectangle(double x1, double y1, double x2, double y2) = 0;
    // Sends the document to the printer.
    virtual void endDoc() = 0;
};

// What is printed of a table: its cell texts by row (row 0 the headings,
// column 0 the labels), its column widths in twips and its font.
struct GridContents {
    std::vector<QStringList> rows;
    std::vector<double> colWidth;
    QString fontName;
    double fontSize = 8.25;
    bool bold = true;
};

// The longest start of text whose printed width is at most width.
QString Fit_Text(const PrintSurface &P, QString text, double width);

// Prints one table at left margin xmin and top ymin under a header line with
// the project name and the schema path. A PrintError ends it where it occurs.
void Print_Grid(PrintSurface &P, const GridContents &G, double xmin, double ymin, const QString &projectName,
                const QString &schemaName);

} // namespace pelmora::alg
