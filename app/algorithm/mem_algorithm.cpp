#include "algorithm/mem_algorithm.h"

#include "algorithm/memory_rules.h"
#include "algorithm/qt_print_surface.h"
#include "algorithm/step_decoder.h"
#include "core/numbers.h"
#include "core/services.h"
#include "ui/main_window_port.h"
#include "ui/window_frame.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace pelmora {

std::int16_t Mem_ALGORITHM::Tab_Mem = 0;

namespace {
constexpr int kTwipsPerPixel = 15;
constexpr int kGaugeCapacity = 9184;
// Height of the tab strip: the children of a tab are placed in window
// measures that count from the top of the tab control.
constexpr int kTabStripTwips = 375;
const char16_t kCaption[] = u"Блок АЛГОРИТМ - ";
const char16_t kComments[] = u"Коментарі";
const char16_t kClose[] = u"Закрити";
const char16_t kDeleteComments[] = u"Видалити коментарі?";

int px(int twips) { return twips / kTwipsPerPixel; }

QRect twipRect(int left, int top, int width, int height) { return {px(left), px(top), px(width), px(height)}; }

QColor rgb(int r, int g, int b) { return QColor(r, g, b); }

const QColor kLightGreen = rgb(192, 255, 192);
const QColor kDarkGreen = rgb(0, 64, 0);

// Comment tables 3..6: row label, entry offset.
struct CommentKind {
    const char *label;
    int offset;
};
constexpr CommentKind kKinds[4] = {{"FLAG", 130}, {"TIMER", 170}, {"INP", 210}, {"OUT", 250}};

// Width of column 0, the labels: the SP value table's label columns are 600
// wide, the other tables keep the grid's default width.
int labelColumnTwips(int g) { return g == 1 ? 600 : 960; }

QFont gridFont()
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(8.25);
    f.setBold(true);
    return f;
}

// The width that shows every one of `texts` whole in `font` within `margin`
// pixels of padding: the given width, or more when a text needs it.
int widthFor(const QFont &font, int widthPx, const QStringList &texts, int margin)
{
    const QFontMetrics fm(font);
    int need = 0;
    for (const QString &t : texts)
        need = std::max(need, fm.horizontalAdvance(t));
    return std::max(widthPx, need + margin);
}

// Padding of a heading's text: the header's margins on both sides and a
// pixel of its frame.
int headingMargin(const QWidget *grid) { return 2 * grid->style()->pixelMetric(QStyle::PM_HeaderMargin) + 2; }
// Padding of a cell's text: the focus frame margins of the item and its grid line.
int cellMargin(const QWidget *grid) { return 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 2; }

QStringList numbered(const QString &label, int first, int last)
{
    QStringList texts;
    for (int n = first; n <= last; ++n)
        texts << label + QString::number(n);
    return texts;
}

// Where the text of a line edit begins, from its left edge: inside its frame
// and the edit's own margin of two pixels.
int lineEditTextLeft(const QLineEdit *box)
{
    QStyleOptionFrame opt;
    opt.initFrom(box);
    opt.rect = box->rect();
    opt.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, box) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &opt, box);
    return contents.x() + box->textMargins().left() + 2;
}

// The fixed-width face of the bit lines and their rulers: the system's
// fixed-width font, made smaller when its 96 characters would not fit the box.
QFont bitFont(const QLineEdit *box)
{
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSizeF(QFont().pointSizeF());
    const int room = box->width() - 2 * lineEditTextLeft(box);
    const QString widest(32 * alg::kBitColumnChars, QLatin1Char('0'));
    while (f.pointSizeF() > 6 && QFontMetrics(f).horizontalAdvance(widest) > room)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    return f;
}

// A ruler over a bit line. Its text is the caption "№ O/F" and the numbers
// 1 to 32; it draws the caption at its left and every number over the column
// in which the box below shows that number's item, in the box's font.
class BitRuler : public QLabel {
public:
    BitRuler(QWidget *parent, const QLineEdit *box) : QLabel(parent), box_(box) {}

    // Right edge, in the ruler's own measure, of the column of item n (1..32).
    double columnRight(int n) const
    {
        const double charWidth = QFontMetricsF(box_->font()).horizontalAdvance(QLatin1Char('0'));
        return box_->x() - x() + lineEditTextLeft(box_) + n * alg::kBitColumnChars * charWidth;
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setFont(box_->font());
        p.setPen(palette().color(QPalette::WindowText));
        const double charWidth = QFontMetricsF(box_->font()).horizontalAdvance(QLatin1Char('0'));
        const double columnWidth = alg::kBitColumnChars * charWidth;
        QString caption;
        for (const QString &word : text().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            bool number = false;
            const int n = word.toInt(&number);
            if (!number) {
                caption += (caption.isEmpty() ? QString() : QStringLiteral(" ")) + word;
                continue;
            }
            const QRectF cell(columnRight(n) - columnWidth, 0, columnWidth, height());
            p.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, word);
        }
        p.drawText(QRectF(0, 0, width(), height()), Qt::AlignLeft | Qt::AlignVCenter, caption);
    }

private:
    const QLineEdit *box_;
};

QString ruler()
{
    QString text = QStringLiteral("№ O/F    ");
    for (int n = 1; n <= 32; ++n)
        text += (n < 10 ? QStringLiteral("    ") : QStringLiteral("  ")) + QString::number(n);
    return text;
}

QLineEdit *viewerBox(QWidget *parent, int left, int top, int width, int height,
                     const QString &text = QStringLiteral("1"))
{
    auto *box = new QLineEdit(text, parent);
    box->setGeometry(twipRect(left, top, width, height));
    box->setFont(QFont());
    return box;
}

// The caption of a box, on the box's line to its left. A caption wider than
// the room before its box is set in the regular weight and then moved left,
// so that it never runs into the box.
void viewerCaption(QWidget *parent, const QString &text, int left, int top, const QWidget *box)
{
    auto *label = new QLabel(text, parent);
    label->adjustSize();
    const int end = box->x() - 4;
    if (px(left) + label->width() > end) {
        QFont regular = label->font();
        regular.setBold(false);
        label->setFont(regular);
        label->adjustSize();
    }
    label->move(std::max(2, std::min(px(left), end - label->width())), px(top) + 4);
}

} // namespace

Mem_ALGORITHM::Mem_ALGORITHM(ProjectModel &m, MainWindowPort &main)
    : QWidget(nullptr), m_(m), frame_(new WindowFrame(*this, main.mainWindow(), main.windows(), WindowFrameKind::Modal))
{
    setObjectName(QStringLiteral("Mem_ALGORITHM"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(13980), px(8145));
    setFont(gridFont());
    makePrinter = [] { return std::make_unique<QtPrintSurface>(); };
    buildViewer();
    buildTables();
    Form_Load();
}

Mem_ALGORITHM::~Mem_ALGORITHM() = default;

void Mem_ALGORITHM::open() { frame_->show(); }

void Mem_ALGORITHM::buildViewer()
{
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(twipRect(210, 270, 12675, 315));
    ProgressBar1->setRange(0, kGaugeCapacity);
    ProgressBar1->setTextVisible(false);
    Label1 = new QLabel(this);
    Label1->move(px(13110), px(270));

    Dija_YES_NO[4] = viewerBox(this, 1530, 870, 4695, 360);
    viewerCaption(this, QStringLiteral("Умова"), 300, 870, Dija_YES_NO[4]);
    Text2 = viewerBox(this, 1530, 1740, 11925, 360);
    viewerCaption(this, QStringLiteral("Вихід 1-32"), 300, 1740, Text2);
    Text3 = viewerBox(this, 1530, 2160, 11925, 360);
    viewerCaption(this, QStringLiteral("Прапорець 1-32"), 150, 2160, Text3);
    Dija_YES_NO[0] = viewerBox(this, 1530, 2580, 4665, 360);
    viewerCaption(this, QStringLiteral("Дія YES1"), 300, 2580, Dija_YES_NO[0]);
    Dija_YES_NO[1] = viewerBox(this, 1530, 3000, 4665, 360);
    viewerCaption(this, QStringLiteral("Дія YES2"), 300, 3000, Dija_YES_NO[1]);
    Text4 = viewerBox(this, 1530, 3420, 855, 360);
    viewerCaption(this, QStringLiteral("GoTo STEP"), 300, 3420, Text4);
    Command1[0] = new QPushButton(QStringLiteral("Go >>"), this);
    Command1[0]->setGeometry(twipRect(2790, 3420, 1245, 345));
    Label16 = new QLabel(QStringLiteral("else"), this);
    Label16->setGeometry(twipRect(1560, 3900, 1245, 255));
    Text9 = viewerBox(this, 1500, 4650, 11925, 360);
    viewerCaption(this, QStringLiteral("Вихід 1-32"), 300, 4650, Text9);
    Text8 = viewerBox(this, 1500, 5070, 11925, 360);
    viewerCaption(this, QStringLiteral("Прапорець 1-32"), 150, 5070, Text8);
    Dija_YES_NO[2] = viewerBox(this, 1500, 5490, 4665, 360);
    viewerCaption(this, QStringLiteral("Дія NO1"), 300, 5490, Dija_YES_NO[2]);
    Dija_YES_NO[3] = viewerBox(this, 1500, 5940, 4665, 360);
    viewerCaption(this, QStringLiteral("Дія NO2"), 300, 5940, Dija_YES_NO[3]);
    Text7 = viewerBox(this, 1500, 6360, 855, 360);
    viewerCaption(this, QStringLiteral("GoTo STEP"), 300, 6360, Text7);
    Command1[1] = new QPushButton(QStringLiteral("Go >>"), this);
    Command1[1]->setGeometry(twipRect(2790, 6330, 1245, 345));
    Text1 = viewerBox(this, 1500, 6990, 615, 375, QStringLiteral("0"));

    // The bit lines and their rulers in one fixed-width face, so that every
    // ruler number stands over its item.
    for (QLineEdit *box : {Text2, Text3, Text9, Text8})
        box->setFont(bitFont(box));
    Label5 = new BitRuler(this, Text2);
    Label5->setGeometry(twipRect(720, 1380, 13065, 225));
    Label10 = new BitRuler(this, Text9);
    Label10->setGeometry(twipRect(690, 4290, 13065, 225));
    viewerCaption(this, QStringLiteral("№ Кроку"), 300, 6990, Text1);

    for (int k = 0; k < 2; ++k)
        connect(Command1[k], &QPushButton::clicked, this, [this, k] { Command1_Click(k); });
    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });

    Coment_Set_SP = new QPushButton(QString::fromUtf16(kComments), this);
    Coment_Set_SP->setGeometry(twipRect(6180, 7350, 1995, 405));
    connect(Coment_Set_SP, &QPushButton::clicked, this, [this] { Coment_Set_SP_Click(); });
}

void Mem_ALGORITHM::buildTables()
{
    SSTab1 = new QTabWidget(this);
    SSTab1->setAutoFillBackground(true);
    SSTab1->hide();
    const char16_t *captions[6] = {u"Задатчики SP1-128", u"Задатчики SP1-128 (ком)", u"Прапорці FLAG1-32",
                                   u"Таймери TIMER1-32", u"Входи INP1-32",           u"Виходи OUT1-32"};
    const char *boxNames[6] = {"Data_ZAD",           "Data_ZAD_COMMENT",   "Data_FLAG_COMMENT",
                               "Data_TIMER_COMMENT", "Data_INPUT_COMMENT", "Data_OUTPUT_COMMENT"};
    QFont boxFont(QStringLiteral("MS Sans Serif"));
    boxFont.setPointSizeF(8.25);
    for (int t = 0; t < 6; ++t) {
        auto *page = new QWidget;
        SSTab1->addTab(page, QString::fromUtf16(captions[t]));

        auto *grid = new QTableWidget(page);
        MSFlexGrid[t] = grid;
        grid->setObjectName(QStringLiteral("MSFlexGrid%1").arg(t + 1));
        grid->setFont(gridFont());
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setSelectionMode(QAbstractItemView::NoSelection);
        // Rows 240 high, unless the font needs more; the edit boxes are placed
        // from the rows' real places, whatever their height.
        const int rowHeight = std::max(px(240), QFontMetrics(gridFont()).height() + 2);
        grid->verticalHeader()->setMinimumSectionSize(rowHeight);
        grid->verticalHeader()->setDefaultSectionSize(rowHeight);
        grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        grid->horizontalHeader()->setDefaultSectionSize(px(960));
        grid->verticalHeader()->setFixedWidth(labelColumnWidth(t + 1));
        grid->viewport()->installEventFilter(this);
        // The corner shows the heading of column 0.
        corner_[t] = grid->findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly);
        if (corner_[t])
            corner_[t]->installEventFilter(this);
        grid->horizontalHeader()->viewport()->installEventFilter(this);
        grid->verticalHeader()->viewport()->installEventFilter(this);

        // The box lies in the grid's cell area: it scrolls with the row it was
        // opened over and is cut at the grid's edges like the cells.
        auto *box = new QLineEdit(grid->viewport());
        box->setObjectName(QLatin1String(boxNames[t]));
        box->setFont(boxFont);
        box->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 192);"));
        box->resize(px(975), px(285));
        box->setAlignment(Qt::AlignCenter);
        box->hide();
        connect(box, &QLineEdit::returnPressed, this, [this, t] { Data_KeyPress(t, 13); });
        Data[t] = box;

        Print_SP[t] = new QPushButton(QStringLiteral("Друк SP"), page);
        Print_SP[t]->setStyleSheet(QStringLiteral("background-color: rgb(192, 192, 192);"));
        Print_SP[t]->setEnabled(false);
        if (t < 2) {
            Set_SP_0[t] = new QPushButton(QStringLiteral("SP1-128=0"), page);
            Set_SP_0[t]->setStyleSheet(QStringLiteral("background-color: rgb(255, 192, 192);"));
            connect(Set_SP_0[t], &QPushButton::clicked, this, [this, t] { Set_SP_0_Click(t); });
        } else {
            Del_coment[t - 2] = new QPushButton(QStringLiteral("Видалити"), page);
            Del_coment[t - 2]->setStyleSheet(QStringLiteral("background-color: rgb(255, 192, 192);"));
            connect(Del_coment[t - 2], &QPushButton::clicked, this, [this, t] { Del_coment_Click(t - 2); });
        }
        connect(Print_SP[t], &QPushButton::clicked, this, [this, t] { Print_SP_Click(t); });
    }
    connect(SSTab1, &QTabWidget::currentChanged, this, [this] { SSTab1_Click(); });
}

void Mem_ALGORITHM::Form_Load()
{
    const ProjectModel &m = m_;
    setWindowTitle(QString::fromUtf16(kCaption) + m.settings.Project_File_Path);

    // The SP value table: eight pairs of a label column and a value column.
    QTableWidget *g1 = MSFlexGrid[0];
    g1->setRowCount(16);
    g1->setColumnCount(15);
    setCornerText(0, QStringLiteral("№ SP"));
    g1->horizontalHeader()->setFixedHeight(std::max(px(240) + 2, g1->horizontalHeader()->sizeHint().height()));
    g1->setTextElideMode(Qt::ElideNone);
    // Label columns 600 wide, value columns of the grid's default width; wider
    // where a heading or label would be cut.
    const int labelWidth = widthFor(g1->font(), px(600), numbered(QStringLiteral("SP"), 1, 128), cellMargin(g1));
    const int valueWidth = widthFor(g1->font(), px(960), {QStringLiteral("Value SP")}, headingMargin(g1));
    for (int c = 1; c <= 15; ++c) {
        auto *head = new QTableWidgetItem(c % 2 ? QStringLiteral("Value SP") : QStringLiteral("№ SP"));
        g1->setHorizontalHeaderItem(c - 1, head);
        g1->setColumnWidth(c - 1, c % 2 == 0
                                      ? std::max(labelWidth, widthFor(g1->font(), 0, {head->text()}, headingMargin(g1)))
                                      : valueWidth);
    }
    for (int i = 1; i <= 16; ++i) {
        g1->setVerticalHeaderItem(i - 1, new QTableWidgetItem(QStringLiteral("SP%1").arg(i)));
        for (int c = 1; c <= 15; ++c) {
            auto *item = new QTableWidgetItem;
            if (c % 2 == 0) {
                item->setText(QStringLiteral("SP%1").arg(16 * (c / 2) + i));
                item->setBackground(palette().color(QPalette::Button));
            }
            item->setTextAlignment(Qt::AlignCenter);
            g1->setItem(i - 1, c - 1, item);
        }
    }
    // Every row and column is shown: the table has no scroll bars and is as
    // large as its cells need, never smaller than its place.
    g1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g1->setGeometry(valueTableRect());

    fillGauge();
    Label5->setText(ruler());
    Label10->setText(ruler());
    // The viewer decodes the step even when the number equals the box's first text.
    const QString step = QString::number(m.settings.ALGORITHM_Last_Step);
    if (Text1->text() == step)
        Text1_Change();
    else
        Text1->setText(step);
}

void Mem_ALGORITHM::fillGauge()
{
    const AlgorithmTables &alg = m_.alg;
    const auto size = static_cast<std::int16_t>(alg.Alg_Size - alg.Alg_Size_Empty);
    // The bar shows its range's end for a size outside it; the caption the true share.
    ProgressBar1->setValue(std::clamp<int>(size, 0, kGaugeCapacity));
    Label1->setText(QString::number(size / (kGaugeCapacity / 100.0), 'f', 2) + QStringLiteral("%"));
    Label1->adjustSize();
}

void Mem_ALGORITHM::Text1_Change()
{
    const ProjectModel &m = m_;
    view_ = alg::decodeStep(m, m.settings.Num_Block_Edit, Text1->text());
    Dija_YES_NO[4]->setText(view_.condition);
    for (int k = 0; k < 4; ++k)
        Dija_YES_NO[k]->setText(view_.actions[k]);
    // The bit lines show their 32 items in the ruler's columns.
    Text2->setText(alg::bitLineColumns(view_.yesOutputs));
    Text3->setText(alg::bitLineColumns(view_.yesFlags));
    Text9->setText(alg::bitLineColumns(view_.noOutputs));
    Text8->setText(alg::bitLineColumns(view_.noFlags));
    Text4->setText(view_.yesStep);
    Text7->setText(view_.noStep);
    for (QLineEdit *box :
         {Dija_YES_NO[0], Dija_YES_NO[1], Dija_YES_NO[2], Dija_YES_NO[3], Dija_YES_NO[4], Text2, Text3, Text8, Text9})
        box->setCursorPosition(0);
    if (view_.valid)
        Label16->setText(view_.branchCaption);
}

void Mem_ALGORITHM::Command1_Click(int Index)
{
    if (Index < 0 || Index > 1 || !view_.valid)
        return;
    Text1->setText(alg::successorStepText(m_, view_.nameBase, view_.stepStart, Index));
}

void Mem_ALGORITHM::Coment_Set_SP_Click()
{
    if (Coment_Set_SP->text() != QString::fromUtf16(kComments)) {
        Coment_Set_SP->setText(QString::fromUtf16(kComments));
        SSTab1->hide();
        return;
    }
    SSTab1->show();
    Coment_Set_SP->setText(QString::fromUtf16(kClose));
    SSTab1->setGeometry(px(10), px(10), width(), height());
    Coment_Set_SP->raise();
    const int top = px(7350 - kTabStripTwips);
    for (QPushButton *b : Print_SP) {
        b->setGeometry(px(12000), top, px(1245), px(345));
        b->setEnabled(true);
    }
    for (QPushButton *b : Set_SP_0)
        b->setGeometry(px(10000), top, px(1245), px(345));
    for (QPushButton *b : Del_coment)
        b->setGeometry(px(10000), top, px(1245), px(345));
    if (SSTab1->currentIndex() != Tab_Mem)
        SSTab1->setCurrentIndex(Tab_Mem); // runs the tab switch
    else
        SSTab1_Click();
}

void Mem_ALGORITHM::SSTab1_Click()
{
    const int tab = SSTab1->currentIndex();
    if (tab < 0)
        return;
    Tab_Mem = static_cast<std::int16_t>(tab);
    const QRect tableRect(px(80), px(800 - kTabStripTwips), px(13800), px(6100));
    if (tab == 0) {
        Set_SP_0[0]->show();
        Data[0]->hide();
        Data[1]->hide();
        MSFlexGrid[0]->setGeometry(valueTableRect());
        MSFlexGrid[0]->raise();
        fillValueTable();
    } else if (tab == 1) {
        Set_SP_0[1]->show();
        Data[1]->hide();
        MSFlexGrid[1]->setGeometry(tableRect);
        MSFlexGrid[1]->raise();
        fillSpCommentTable();
    } else {
        Set_SP_0[0]->hide();
        Set_SP_0[1]->hide();
        Del_coment[tab - 2]->raise();
        MSFlexGrid[tab]->show();
        MSFlexGrid[tab]->setGeometry(tableRect);
        MSFlexGrid[tab]->raise();
        fillCommentTable(tab);
    }
    Data[tab]->raise();
}

void Mem_ALGORITHM::setCell(int g, int row, int col, const QString &text)
{
    QTableWidget *grid = MSFlexGrid[g - 1];
    if (row < 1 || col < 1 || row > grid->rowCount() || col > grid->columnCount())
        return;
    QTableWidgetItem *item = grid->item(row - 1, col - 1);
    if (!item) {
        item = new QTableWidgetItem;
        grid->setItem(row - 1, col - 1, item);
    }
    item->setText(text);
}

QString Mem_ALGORITHM::cellText(int g, int row, int col) const
{
    if (g < 1 || g > 6)
        return {};
    const QTableWidget *grid = MSFlexGrid[g - 1];
    if (row < 0 || col < 0 || row > grid->rowCount() || col > grid->columnCount())
        return {};
    if (row == 0 && col == 0)
        return cornerText_[g - 1];
    const QTableWidgetItem *item = row == 0   ? grid->horizontalHeaderItem(col - 1)
                                   : col == 0 ? grid->verticalHeaderItem(row - 1)
                                              : grid->item(row - 1, col - 1);
    return item ? item->text() : QString();
}

int Mem_ALGORITHM::topRow(int g) const
{
    const QTableWidget *grid = MSFlexGrid[g - 1];
    const int first = grid->rowAt(0);
    return first < 0 ? 1 : first + 1;
}

void Mem_ALGORITHM::fillValueTable()
{
    const ProjectModel &m = m_;
    const int start = m.schema.Parametr_Value_Start(m.settings.Num_Block_Edit);
    for (int j = 0; j <= 7; ++j)
        for (int i = 1; i <= 16; ++i) {
            const int index = start + 16 * j + i;
            setCell(1, i, 2 * j + 1, index <= 10000 ? num::shortText(m.schema.Parametr_Value(index)) : QString());
        }
}

void Mem_ALGORITHM::fillSpCommentTable()
{
    const ProjectModel &m = m_;
    QTableWidget *grid = MSFlexGrid[1];
    if (grid->rowCount() != 128) {
        grid->setRowCount(128);
        grid->setColumnCount(2);
    }
    grid->setColumnWidth(0, widthFor(grid->font(), px(960), {QStringLiteral("Value SP ")}, headingMargin(grid)));
    grid->setColumnWidth(1, lastColumnWidth(2, px(11515)));
    setCornerText(1, QStringLiteral("№ SP "));
    grid->setHorizontalHeaderItem(0, new QTableWidgetItem(QStringLiteral("Value SP ")));
    grid->setHorizontalHeaderItem(1, new QTableWidgetItem(QStringLiteral("Коментар ")));
    const int start = m.schema.Parametr_Value_Start(m.settings.Num_Block_Edit);
    QFont regular = gridFont();
    regular.setBold(false);
    for (int i = 1; i <= 128; ++i) {
        grid->setVerticalHeaderItem(i - 1, new QTableWidgetItem(QStringLiteral("SP%1").arg(i)));
        const int index = start + i;
        auto *value = new QTableWidgetItem(index <= 10000 ? num::shortText(m.schema.Parametr_Value(index)) : QString());
        value->setForeground(rgb(0, 0, 255));
        auto *comment = new QTableWidgetItem(m.alg.ALGORITHM_Comment(i));
        comment->setForeground(kDarkGreen);
        comment->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        comment->setFont(regular);
        if (i % 2) {
            value->setBackground(kLightGreen);
            comment->setBackground(kLightGreen);
        }
        grid->setItem(i - 1, 0, value);
        grid->setItem(i - 1, 1, comment);
    }
}

void Mem_ALGORITHM::fillCommentTable(int g)
{
    const ProjectModel &m = m_;
    const CommentKind &kind = kKinds[g - 2];
    QTableWidget *grid = MSFlexGrid[g];
    if (grid->rowCount() != 32) {
        grid->setRowCount(32);
        grid->setColumnCount(1);
    }
    grid->setColumnWidth(0, lastColumnWidth(g + 1, px(12485)));
    setCornerText(g, QStringLiteral("№ %1 ").arg(QLatin1String(kind.label)));
    grid->setHorizontalHeaderItem(0, new QTableWidgetItem(QStringLiteral("Коментар ")));
    for (int i = 1; i <= 32; ++i) {
        grid->setVerticalHeaderItem(i - 1,
                                    new QTableWidgetItem(QStringLiteral("%1%2").arg(QLatin1String(kind.label)).arg(i)));
        auto *comment = new QTableWidgetItem(m.alg.ALGORITHM_Comment(kind.offset + i));
        comment->setForeground(kDarkGreen);
        comment->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        if (i % 2)
            comment->setBackground(kLightGreen);
        grid->setItem(i - 1, 0, comment);
    }
}

bool Mem_ALGORITHM::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    if (type == QEvent::Paint)
        for (int t = 0; t < 6; ++t)
            if (corner_[t] && watched == corner_[t]) {
                paintCorner(t);
                return true;
            }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    for (int g = 1; g <= 6; ++g) {
        QTableWidget *grid = MSFlexGrid[g - 1];
        const bool onCells = watched == grid->viewport();
        const bool onTop = watched == grid->horizontalHeader()->viewport();
        const bool onSide = watched == grid->verticalHeader()->viewport();
        if (!onCells && !onTop && !onSide)
            continue;
        auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint p = mouse->position().toPoint();
        if (type == QEvent::MouseButtonPress) {
            const int row = onTop ? 0 : grid->rowAt(p.y()) + 1;
            const int col = onSide ? 0 : grid->columnAt(p.x()) + 1;
            MSFlexGrid_MouseDown(g, mouse->button(), row, col);
        } else if (type == QEvent::MouseButtonRelease) {
            // The release that ends a double-click is no click of its own:
            // it would hide the box the double-click has just opened.
            if (mouse->button() == Qt::LeftButton && !releaseEndsDblClick_)
                MSFlexGrid_Click(g);
            releaseEndsDblClick_ = false;
        } else {
            releaseEndsDblClick_ = true;
            MSFlexGrid_DblClick(g);
        }
        return false;
    }
    return QWidget::eventFilter(watched, event);
}

void Mem_ALGORITHM::MSFlexGrid_MouseDown(int g, Qt::MouseButton button, int row, int col)
{
    (void)g;
    if (button != Qt::LeftButton)
        return;
    Mouse_Col = static_cast<std::int16_t>(col);
    Mouse_Row = static_cast<std::int16_t>(row);
}

void Mem_ALGORITHM::MSFlexGrid_Click(int g)
{
    if (g >= 1 && g <= 6)
        Data[g - 1]->hide();
}

void Mem_ALGORITHM::MSFlexGrid_DblClick(int g)
{
    if (g < 1 || g > 6)
        return;
    const ProjectModel &m = m_;
    const int row = Mouse_Row, col = Mouse_Col;
    QLineEdit *box = nullptr;
    int width = 975;
    Qt::Alignment align = Qt::AlignCenter;
    QString text;
    if (g == 1) {
        if (row >= 1 && col >= 1 && col % 2 == 1)
            box = Data[0];
    } else if (g == 2) {
        if (row >= 1 && (col == 1 || col == 2)) {
            box = Data[1];
            if (col == 2) {
                width = 11500;
                align = Qt::AlignLeft | Qt::AlignVCenter;
                text = m.alg.ALGORITHM_Comment(row);
            }
        }
    } else if (row >= 1 && col == 1) {
        box = Data[g - 1];
        width = 12470;
        align = Qt::AlignLeft | Qt::AlignVCenter;
        text = m.alg.ALGORITHM_Comment(kKinds[g - 3].offset + row);
    }
    if (!box || row > MSFlexGrid[g - 1]->rowCount() || col > MSFlexGrid[g - 1]->columnCount()) {
        Data[g - 1]->hide();
        return;
    }
    box->setGeometry(editBoxRect(g, row, col, px(width), box->height()));
    box->setAlignment(align);
    box->setText(text);
    box->show();
    box->raise();
    box->setFocus();
    Edit_Col = static_cast<std::int16_t>(col);
    Edit_Row = static_cast<std::int16_t>(row);
    boxRow_[g - 1] = row;
    boxCol_[g - 1] = col;
}

QRect Mem_ALGORITHM::editBoxRect(int g, int row, int col, int width, int height)
{
    QTableWidget *grid = MSFlexGrid[g - 1];
    const QModelIndex index = grid->model()->index(row - 1, col - 1);
    // A row cut at the grid's edge comes into view first, so that the box
    // covers the row it writes.
    grid->scrollTo(index);
    const QRect cell = grid->visualRect(index);
    return {cell.left(), cell.top() + (cell.height() - height) / 2, width, height};
}

void Mem_ALGORITHM::setCornerText(int t, const QString &text)
{
    cornerText_[t] = text;
    if (corner_[t])
        corner_[t]->update();
}

void Mem_ALGORITHM::paintCorner(int t)
{
    QAbstractButton *corner = corner_[t];
    QStyleOptionHeader opt;
    opt.initFrom(corner);
    opt.state |= QStyle::State_Raised | QStyle::State_Horizontal;
    opt.rect = corner->rect();
    opt.text = cornerText_[t];
    opt.textAlignment = Qt::AlignCenter;
    opt.position = QStyleOptionHeader::OnlyOneSection;
    opt.orientation = Qt::Horizontal;
    QStylePainter painter(corner);
    painter.drawControl(QStyle::CE_Header, opt);
}

int Mem_ALGORITHM::labelColumnWidth(int g) const
{
    const QTableWidget *grid = MSFlexGrid[g - 1];
    QStringList texts;
    if (g <= 2) {
        texts = numbered(QStringLiteral("SP"), 1, g == 1 ? 16 : 128);
        texts << (g == 1 ? QStringLiteral("№ SP") : QStringLiteral("№ SP "));
    } else {
        const QString label = QLatin1String(kKinds[g - 3].label);
        texts = numbered(label, 1, 32);
        texts << QStringLiteral("№ %1 ").arg(label);
    }
    return widthFor(grid->font(), px(labelColumnTwips(g)), texts, headingMargin(grid));
}

int Mem_ALGORITHM::lastColumnWidth(int g, int width) const
{
    // The comment column keeps its width unless that would need a sideways
    // scroll bar in the table's place.
    const QTableWidget *grid = MSFlexGrid[g - 1];
    int room = px(13800) - 2 * grid->frameWidth() - labelColumnWidth(g) -
               grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
    for (int c = 0; c + 1 < grid->columnCount(); ++c)
        room -= grid->columnWidth(c);
    return std::min(width, room);
}

QRect Mem_ALGORITHM::valueTableRect() const
{
    // At its place, unless its cells need more room than is left to the
    // window's right edge: then it moves left as far as needed. The tab
    // control stands 10 pixels in from the window's left edge.
    const QSize size = valueTableSize();
    const int right = width() - px(10) - 6;
    return {QPoint(std::max(2, std::min(px(700), right - size.width())), px(1700 - kTabStripTwips)), size};
}

QSize Mem_ALGORITHM::valueTableSize() const
{
    const QTableWidget *g1 = MSFlexGrid[0];
    int width = 2 * g1->frameWidth() + labelColumnWidth(1);
    for (int c = 0; c < g1->columnCount(); ++c)
        width += g1->columnWidth(c);
    int height = 2 * g1->frameWidth() + g1->horizontalHeader()->maximumHeight();
    for (int r = 0; r < g1->rowCount(); ++r)
        height += g1->rowHeight(r);
    return {std::max(px(12585), width), std::max(px(4185), height)};
}

void Mem_ALGORITHM::Data_KeyPress(int b, int KeyAscii)
{
    if (KeyAscii != 13 || b < 0 || b > 5)
        return;
    if (b == 0 || (b == 1 && boxCol_[1] == 1 && Tab_Mem < 2))
        commitValue(b);
    else
        commitComment(b);
}

void Mem_ALGORITHM::commitValue(int b)
{
    ProjectModel &m = m_;
    const int row = boxRow_[b], col = boxCol_[b];
    const float value = alg::singleValue(num::leadingNumber(Data[b]->text()));
    setCell(b + 1, row, col, num::shortText(value));
    alg::storeSetPoint(m, alg::setPointOfValueCell(b + 1, row, col), value);
    Data[b]->hide();
}

void Mem_ALGORITHM::commitComment(int b)
{
    ProjectModel &m = m_;
    const int row = boxRow_[b];
    const int offset = b == 1 ? 0 : kKinds[b - 2].offset;
    const int col = b == 1 ? 2 : 1;
    const int limit = b == 1 ? 128 : 32;
    if (row >= 1 && row <= limit) {
        setCell(b + 1, row, col, Data[b]->text());
        m.alg.ALGORITHM_Comment(offset + row) = Data[b]->text();
    }
    Data[b]->hide();
}

void Mem_ALGORITHM::Set_SP_0_Click(int Index)
{
    ProjectModel &m = m_;
    const int start = m.schema.Parametr_Value_Start(m.settings.Num_Block_Edit);
    const bool zero = showMessage(QStringLiteral("Записати у SP1-SP128 = 0?"), MsgIcon::Question, MsgButtons::YesNo) ==
                      MsgAnswer::Yes;
    if (zero) {
        for (int n = 1; n <= 128; ++n) {
            if (start + n <= 10000)
                m.schema.Parametr_Value(start + n) = 0;
            if (Index == 1)
                setCell(2, n, 1, QStringLiteral("0"));
            else
                setCell(1, (n - 1) % 16 + 1, 2 * ((n - 1) / 16) + 1, QStringLiteral("0"));
        }
    }
    if (Index != 1)
        return;
    if (showMessage(QString::fromUtf16(kDeleteComments), MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    for (int n = 1; n <= 128; ++n) {
        setCell(2, n, 2, QString());
        m.alg.ALGORITHM_Comment(n) = QString();
    }
}

void Mem_ALGORITHM::Del_coment_Click(int Index)
{
    if (Index < 0 || Index > 3)
        return;
    if (showMessage(QString::fromUtf16(kDeleteComments), MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    ProjectModel &m = m_;
    for (int i = 1; i <= 32; ++i) {
        setCell(Index + 3, i, 1, QString());
        m.alg.ALGORITHM_Comment(kKinds[Index].offset + i) = QString();
    }
}

alg::GridContents Mem_ALGORITHM::gridContents(int g) const
{
    alg::GridContents contents;
    const QTableWidget *grid = MSFlexGrid[g - 1];
    const QFont font = grid->font();
    contents.fontName = font.family();
    contents.fontSize = font.pointSizeF();
    contents.bold = font.bold();
    contents.colWidth.push_back(labelColumnTwips(g));
    for (int c = 0; c < grid->columnCount(); ++c)
        contents.colWidth.push_back(grid->columnWidth(c) * kTwipsPerPixel);
    for (int r = 0; r <= grid->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c <= grid->columnCount(); ++c)
            row << cellText(g, r, c);
        contents.rows.push_back(row);
    }
    return contents;
}

void Mem_ALGORITHM::Print_SP_Click(int Index)
{
    (void)Index; // the tab shown decides the table
    if (showMessage(QStringLiteral("Друкувати таблицю?"), MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    if (Tab_Mem < 0 || Tab_Mem > 5)
        return;
    const ProjectModel &m = m_;
    bool failed = false;
    std::unique_ptr<alg::PrintSurface> printer;
    try {
        printer = makePrinter();
    } catch (const alg::PrintError &) {
        failed = true;
    }
    if (printer) {
        const bool landscape = Tab_Mem != 1;
        try {
            printer->setLandscape(landscape);
        } catch (const alg::PrintError &) {
            failed = true; // remembered; the table is still printed
        }
        const double ymin = landscape ? 600 : 500;
        try {
            alg::Print_Grid(*printer, gridContents(Tab_Mem + 1), 500, ymin, m.settings.Name_Project,
                            m.settings.Name_Schema);
        } catch (const alg::PrintError &) {
            failed = true;
        }
    }
    if (failed) {
        showMessage(QStringLiteral("Помилка принтера!"), MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    try {
        printer->endDoc();
    } catch (const alg::PrintError &) {
        showMessage(QStringLiteral("Помилка принтера!"), MsgIcon::Critical, MsgButtons::Ok);
    }
}

void Mem_ALGORITHM::Form_Unload()
{
    // A step number that is no whole 16-bit number leaves the last step as it was.
    if (const auto step = num::toInt16(num::leadingNumber(Text1->text())))
        m_.settings.ALGORITHM_Last_Step = *step;
}

void Mem_ALGORITHM::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

} // namespace pelmora
