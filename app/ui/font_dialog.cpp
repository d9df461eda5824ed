#include "ui/font_dialog.h"

#include "core/font_families.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleValidator>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelmora {
namespace {

constexpr int kBoldRole = Qt::UserRole;
constexpr int kItalicRole = Qt::UserRole + 1;

const int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

QIcon swatch(const QColor &c)
{
    QPixmap p(24, 12);
    p.fill(c);
    return QIcon(p);
}

// A family listed with its foundry ("Nimbus Sans [urw]") is stored by its
// name alone, as a project file names fonts.
QString familyName(const QString &listed)
{
    const qsizetype foundry = listed.lastIndexOf(QStringLiteral(" ["));
    return foundry > 0 && listed.endsWith(QLatin1Char(']')) ? listed.left(foundry) : listed;
}

QString sizeText(double points) { return QString::number(points, 'g', 4); }

} // namespace

const QList<NamedColour> &FontDialog::colours()
{
    static const QList<NamedColour> list = {
        {QStringLiteral("Чорний"), QColor(0x00, 0x00, 0x00)},
        {QStringLiteral("Бордовий"), QColor(0x80, 0x00, 0x00)},
        {QStringLiteral("Зелений"), QColor(0x00, 0x80, 0x00)},
        {QStringLiteral("Оливковий"), QColor(0x80, 0x80, 0x00)},
        {QStringLiteral("Темно-синій"), QColor(0x00, 0x00, 0x80)},
        {QStringLiteral("Фіолетовий"), QColor(0x80, 0x00, 0x80)},
        {QStringLiteral("Бірюзовий"), QColor(0x00, 0x80, 0x80)},
        {QStringLiteral("Сірий"), QColor(0x80, 0x80, 0x80)},
        {QStringLiteral("Сріблястий"), QColor(0xC0, 0xC0, 0xC0)},
        {QStringLiteral("Червоний"), QColor(0xFF, 0x00, 0x00)},
        {QStringLiteral("Салатовий"), QColor(0x00, 0xFF, 0x00)},
        {QStringLiteral("Жовтий"), QColor(0xFF, 0xFF, 0x00)},
        {QStringLiteral("Синій"), QColor(0x00, 0x00, 0xFF)},
        {QStringLiteral("Пурпуровий"), QColor(0xFF, 0x00, 0xFF)},
        {QStringLiteral("Блакитний"), QColor(0x00, 0xFF, 0xFF)},
        {QStringLiteral("Білий"), QColor(0xFF, 0xFF, 0xFF)},
    };
    return list;
}

QString FontDialog::styleName(bool bold, bool italic)
{
    if (bold)
        return italic ? QStringLiteral("Жирний курсив") : QStringLiteral("Жирний");
    return italic ? QStringLiteral("Курсив") : QStringLiteral("Звичайний");
}

FontDialog::FontDialog(const FontChoice &initial, QWidget *parent)
    : QDialog(parent), initial_(initial), wantBold_(initial.font.bold()), wantItalic_(initial.font.italic())
{
    setObjectName(QStringLiteral("FontDialog"));
    setWindowTitle(QStringLiteral("Шрифт"));

    const QFont &f = initial.font;
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Шрифт:")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Накреслення:")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Розмір:")), 0, 2);

    Family = new QListWidget;
    Family->setObjectName(QStringLiteral("Family"));
    Family->addItems(QFontDatabase::families());
    Family->setMinimumWidth(200);
    grid->addWidget(Family, 1, 0, 2, 1);

    Style = new QListWidget;
    Style->setObjectName(QStringLiteral("Style"));
    Style->setMinimumWidth(130);
    grid->addWidget(Style, 1, 1, 2, 1);

    Size_Text = new QLineEdit;
    Size_Text->setObjectName(QStringLiteral("Size_Text"));
    auto *sizeCheck = new QDoubleValidator(1, 200, 2, Size_Text);
    sizeCheck->setNotation(QDoubleValidator::StandardNotation);
    Size_Text->setValidator(sizeCheck);
    grid->addWidget(Size_Text, 1, 2);
    Size = new QListWidget;
    Size->setObjectName(QStringLiteral("Size"));
    Size->setMaximumWidth(80);
    for (int s : kSizes)
        Size->addItem(QString::number(s));
    grid->addWidget(Size, 2, 2);

    auto *effects = new QGroupBox(QStringLiteral("Видозміна"));
    auto *effectsBox = new QVBoxLayout(effects);
    Strikeout = new QCheckBox(QStringLiteral("Закреслений"));
    Strikeout->setObjectName(QStringLiteral("Strikeout"));
    Underline = new QCheckBox(QStringLiteral("Підкреслений"));
    Underline->setObjectName(QStringLiteral("Underline"));
    effectsBox->addWidget(Strikeout);
    effectsBox->addWidget(Underline);
    effectsBox->addWidget(new QLabel(QStringLiteral("Колір:")));
    Colour = new QComboBox;
    Colour->setObjectName(QStringLiteral("Colour"));
    for (const NamedColour &c : colours())
        Colour->addItem(swatch(c.colour), c.name, c.colour);
    effectsBox->addWidget(Colour);
    effectsBox->addStretch();
    grid->addWidget(effects, 3, 0);

    auto *sampleBox = new QGroupBox(QStringLiteral("Зразок"));
    auto *sampleLayout = new QVBoxLayout(sampleBox);
    Sample = new QLabel(QStringLiteral("АаБбЇїЯя AaBbYyZz"));
    Sample->setObjectName(QStringLiteral("Sample"));
    Sample->setAlignment(Qt::AlignCenter);
    Sample->setMinimumSize(240, 80);
    Sample->setAutoFillBackground(true);
    sampleLayout->addWidget(Sample);
    grid->addWidget(sampleBox, 3, 1, 1, 2);

    Ok = new QPushButton(QStringLiteral("Ok"));
    Ok->setObjectName(QStringLiteral("Ok"));
    Ok->setAutoDefault(false);
    Ok->setDefault(true);
    Cancel = new QPushButton(QStringLiteral("Відміна"));
    Cancel->setObjectName(QStringLiteral("Cancel"));
    Cancel->setAutoDefault(false); // Enter is the Ok's alone
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Ok);
    buttons->addWidget(Cancel);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addLayout(buttons);

    // The start: the family (an installed one with the font's style), the
    // style, the size, the effects and the colour. A colour that is not on
    // the list is kept as an entry of its own.
    const QString family = installedFamily(f.family(), f.bold(), f.italic());
    QList<QListWidgetItem *> found = Family->findItems(family, Qt::MatchFixedString);
    if (found.isEmpty())
        found = Family->findItems(familyName(family) + QStringLiteral(" ["), Qt::MatchStartsWith);
    if (!found.isEmpty()) {
        startFamily_ = found.constFirst();
        Family->setCurrentItem(startFamily_);
    }
    fillStyles(f.bold(), f.italic());
    startStyle_ = Style->currentRow();
    Size_Text->setText(sizeText(f.pointSizeF() > 0 ? f.pointSizeF() : 10));
    startSize_ = Size_Text->text();
    const QList<QListWidgetItem *> size = Size->findItems(Size_Text->text(), Qt::MatchExactly);
    if (!size.isEmpty())
        Size->setCurrentItem(size.constFirst());
    Strikeout->setChecked(f.strikeOut());
    Underline->setChecked(f.underline());
    int colour = -1;
    for (int i = 0; i < colours().size(); ++i)
        if (colours()[i].colour.rgb() == initial.colour.rgb())
            colour = i;
    if (colour < 0) {
        Colour->addItem(swatch(initial.colour), QStringLiteral("Поточний"), initial.colour);
        colour = Colour->count() - 1;
    }
    Colour->setCurrentIndex(colour);

    connect(Family, &QListWidget::currentRowChanged, this, [this] {
        fillStyles(wantBold_, wantItalic_);
        showSample();
    });
    connect(Style, &QListWidget::currentRowChanged, this, [this] {
        // A style the user picks is the one looked for in other families.
        if (const QListWidgetItem *style = Style->currentItem()) {
            wantBold_ = style->data(kBoldRole).toBool();
            wantItalic_ = style->data(kItalicRole).toBool();
        }
        showSample();
    });
    connect(Size, &QListWidget::currentTextChanged, this, [this](const QString &text) {
        if (!text.isEmpty())
            Size_Text->setText(text);
    });
    connect(Size_Text, &QLineEdit::textChanged, this, &FontDialog::showSample);
    connect(Strikeout, &QCheckBox::toggled, this, &FontDialog::showSample);
    connect(Underline, &QCheckBox::toggled, this, &FontDialog::showSample);
    connect(Colour, &QComboBox::currentIndexChanged, this, &FontDialog::showSample);
    connect(Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
    showSample();
}

// The styles the family has, the one nearest to the wanted weight and slant
// selected.
void FontDialog::fillStyles(bool bold, bool italic)
{
    const QSignalBlocker quiet(Style);
    Style->clear();
    const QString family = Family->currentItem() ? Family->currentItem()->text() : QString();
    int best = -1;
    int bestScore = -1;
    for (const bool b : {false, true})
        for (const bool i : {false, true}) {
            if (!family.isEmpty() && !familyHasStyle(family, b, i))
                continue;
            auto *item = new QListWidgetItem(styleName(b, i), Style);
            item->setData(kBoldRole, b);
            item->setData(kItalicRole, i);
            const int score = (b == bold ? 2 : 0) + (i == italic ? 1 : 0);
            if (score > bestScore) {
                bestScore = score;
                best = Style->count() - 1;
            }
        }
    if (best >= 0)
        Style->setCurrentRow(best);
}

// The family is still the one shown for the given family (its substitute
// when the given one is not installed), or none was found to show.
bool FontDialog::familyKept() const { return Family->currentItem() == startFamily_; }

FontChoice FontDialog::choice() const
{
    FontChoice c;
    const QFont &given = initial_.font;
    const bool familyKept = this->familyKept();
    // The family by the name it was given while the user keeps it: a stored
    // family that is not installed here stays as stored.
    QFont f(familyKept ? given.family() : familyName(Family->currentItem()->text()));
    if (familyKept && Style->currentRow() == startStyle_) {
        f.setBold(given.bold());
        f.setItalic(given.italic());
    } else if (const QListWidgetItem *style = Style->currentItem()) {
        f.setBold(style->data(kBoldRole).toBool());
        f.setItalic(style->data(kItalicRole).toBool());
    }
    if (Size_Text->text() == startSize_ && given.pointSizeF() > 0) {
        f.setPointSizeF(given.pointSizeF()); // exact, not as the box rounds it
    } else {
        bool ok = false;
        const double points =
            QLocale::c().toDouble(QString(Size_Text->text()).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
        f.setPointSizeF(ok && points > 0 ? points : 10);
    }
    f.setStrikeOut(Strikeout->isChecked());
    f.setUnderline(Underline->isChecked());
    c.font = f;
    c.colour = Colour->currentData().value<QColor>();
    if (!c.colour.isValid())
        c.colour = initial_.colour;
    return c;
}

void FontDialog::showSample()
{
    const FontChoice c = choice();
    Sample->setFont(c.font);
    QPalette pal = Sample->palette();
    pal.setColor(QPalette::WindowText, c.colour);
    // White text needs a dark ground to be seen.
    pal.setColor(QPalette::Window, c.colour.lightness() > 200 ? QColor(0x40, 0x40, 0x40) : QColor(Qt::white));
    Sample->setPalette(pal);
}

} // namespace pelmora
