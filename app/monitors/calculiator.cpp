#include "monitors/calculiator.h"

#include "monitors/bit_pattern.h"
#include "ui/main_window_port.h"
#include "ui/window_frame.h"
#include "ui/window_registry.h"

#include <QCheckBox>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace pelmora {
namespace {

// Design positions are in twips, 15 to the pixel.
QRect twips(int left, int top, int width, int height) { return QRect(left / 15, top / 15, width / 15, height / 15); }

} // namespace

Calculiator::Calculiator(MainWindowPort &main) : QWidget(nullptr)
{
    setObjectName(QStringLiteral("Calculiator"));
    new WindowFrame(*this, main.mainWindow(), main.windows(), WindowFrameKind::Modeless);
    setWindowTitle(QStringLiteral("Калькулятор"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(8520 / 15, 1620 / 15);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("b15     b14     b13     b12     b11     b10       b9       b8       b7       b6"
                                   "       b5       b4       b3       b2       b1      b0"));
    // The blanks of the header place each name over its box; letter spacing
    // stretches the text so that "b15" and "b0" stand centred over the outer boxes.
    {
        const int first = twips(660, 0, 195, 0).center().x();
        const int last = twips(8100, 0, 195, 0).center().x();
        QFont font = Label1->font();
        const QFontMetrics fm(font);
        const QString text = Label1->text();
        const int left = first - fm.horizontalAdvance(QStringLiteral("b15")) / 2;
        const int want = last + fm.horizontalAdvance(QStringLiteral("b0")) / 2 - left;
        font.setLetterSpacing(QFont::AbsoluteSpacing,
                              static_cast<qreal>(want - fm.horizontalAdvance(text)) / (text.size() - 1));
        Label1->setFont(font);
        Label1->setGeometry(left, 420 / 15, want + 8, fm.height() + 2);
    }

    // The boxes are evenly spaced from 660 (bit 15) to 8100 twips (bit 0).
    for (int i = 0; i < 16; ++i) {
        auto *box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("Check1_%1").arg(i));
        box->setGeometry(twips(660 + (15 - i) * 496, 660, 195, 225));
        connect(box, &QCheckBox::toggled, this, [this, i] { Check1_Click(i); });
        Check1[static_cast<std::size_t>(i)] = box;
    }

    Dat_dio = new QLabel(QStringLiteral("D = 0"), this);
    Dat_dio->setObjectName(QStringLiteral("Dat_dio"));
    Dat_dio->setFont(QFont(QStringLiteral("Arial Narrow"), 10));
    Dat_dio->setGeometry(twips(3810, 1080, 1365, 345));

    Command1 = new QPushButton(QStringLiteral("Очистити"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    // Keeps the design's right edge, widened to its caption where the font needs it.
    QRect button = twips(7380, 1080, 915, 345);
    button.setLeft(button.right() + 1 - std::max(button.width(), Command1->sizeHint().width()));
    Command1->setGeometry(button);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

Calculiator &Calculiator::mnuCalculiator_Click(MainWindowPort &main)
{
    Calculiator &w = main.windows().open<Calculiator>([&main] { return new Calculiator(main); });
    w.show();
    w.raise();
    return w;
}

Calculiator *Calculiator::loaded(MainWindowPort &main) { return main.windows().find<Calculiator>(); }

void Calculiator::Check1_Click(int /*index*/)
{
    std::array<bool, 16> bits{};
    for (std::size_t i = 0; i < bits.size(); ++i)
        bits[i] = Check1[i]->isChecked();
    Dat_dio->setText(bitPatternCaption(bits));
}

void Calculiator::Command1_Click()
{
    for (QCheckBox *box : Check1)
        box->setChecked(false); // a box that changes runs Check1_Click
}

} // namespace pelmora
