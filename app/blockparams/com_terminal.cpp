#include "blockparams/com_terminal.h"

#include "ui/main_window_port.h"
#include "ui/window_frame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace pelmora {

using namespace blockparams;

namespace {

int rowTop(int i) { return 70 + 32 * i; }

QLabel *label(const QString &text, QWidget *parent, int left, int top)
{
    auto *l = new QLabel(text, parent);
    l->move(left, top);
    l->adjustSize();
    return l;
}

// The centre of a check box's square, in its parent's measure.
QPoint indicatorCentre(const QCheckBox *box)
{
    QStyleOptionButton opt;
    opt.initFrom(box);
    opt.rect = box->rect();
    return box->mapToParent(box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, box).center());
}

// A disabled I/O box is filled grey with a grey tick, so that it stands apart
// from the white boxes that can be ticked.
void greyWhenDisabled(QCheckBox *box)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(190, 190, 190));
    p.setColor(QPalette::Disabled, QPalette::Window, QColor(190, 190, 190));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(100, 100, 100));
    box->setPalette(p);
}

} // namespace

Com_Terminal::Com_Terminal(ProjectModel &m, MainWindowPort &main, QWidget &opener)
    : QWidget(nullptr), terminal_(m), frame_(new WindowFrame(*this, opener, main.windows(), WindowFrameKind::Modal))
{
    setObjectName(QStringLiteral("Com_Terminal"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("MODBUS RTU"));
    QFont small = font(); // the window's measures are made for an 8-point face
    small.setPointSize(8);
    setFont(small);
    setFixedSize(650, 380);

    Label = label(QStringLiteral("№ у мережі"), this, 10, 14);
    Label2 = label(QStringLiteral("Швидкість"), this, 156, 14);
    Label4 = label(QStringLiteral("Запит"), this, 8, 44);
    Label1 = label(QStringLiteral("Функція"), this, 68, 44);
    Label6 = label(QStringLiteral("Адреса"), this, 148, 44);
    Label3 = label(QStringLiteral("Тип даних"), this, 232, 44);
    // The heading over the I/O boxes: a number centred over each box (placed below).
    Label5 = label(QString(), this, 408, 44);

    const QStringList functions = modbusFunctionList();
    const QStringList dataTypes = modbusDataTypeList();
    const QStringList setPoints = modbusSetPointList();
    // The data-type list shows its longest entry whole; what stands to its
    // right moves over by as much as the list had to grow.
    int typeWidth = 95;
    {
        QComboBox probe(this);
        probe.addItems(dataTypes);
        typeWidth = std::max(typeWidth, probe.sizeHint().width());
    }
    const int shift = std::max(0, 230 + typeWidth + 4 - 360);
    Label5->move(Label5->x() + shift, Label5->y());
    for (int i = 0; i < kModbusRequests; ++i) {
        const int top = rowTop(i);
        Check1[i] = new QCheckBox(QString::number(i + 1), this);
        Check1[i]->setObjectName(QStringLiteral("Check1_%1").arg(i));
        Check1[i]->move(8, top);
        Num_FUNC[i] = new QComboBox(this);
        Num_FUNC[i]->setObjectName(QStringLiteral("Num_FUNC_%1").arg(i));
        Num_FUNC[i]->addItems(functions);
        Num_FUNC[i]->setGeometry(68, top, 47, 22);
        ADR_MODBUS[i] = new QLineEdit(QStringLiteral("0"), this);
        ADR_MODBUS[i]->setObjectName(QStringLiteral("ADR_MODBUS_%1").arg(i));
        ADR_MODBUS[i]->setGeometry(146, top, 51, 22);
        Type_data[i] = new QComboBox(this);
        Type_data[i]->setObjectName(QStringLiteral("Type_data_%1").arg(i));
        Type_data[i]->addItems(dataTypes);
        Type_data[i]->setGeometry(230, top, typeWidth, 22);
        Label_I_O[i] = label(QStringLiteral("Вхід"), this, 360 + shift, top + 3);
        Label_I_O[i]->setObjectName(QStringLiteral("Label_I_O_%1").arg(i));
        for (int j = 0; j < 8; ++j) {
            auto *box = new QCheckBox(this);
            box->setObjectName(QStringLiteral("in_out_%1").arg(8 * i + j));
            box->adjustSize();
            box->move(406 + shift + 26 * j, top);
            greyWhenDisabled(box);
            in_out[8 * i + j] = box;
        }
        Num_SP[i] = new QComboBox(this);
        Num_SP[i]->setObjectName(QStringLiteral("Num_SP_%1").arg(i));
        Num_SP[i]->addItems(setPoints);
        Num_SP[i]->setGeometry(406 + shift, top, 61, 22);
        Num_SP[i]->setCurrentIndex(-1);
        Num_SP[i]->hide();
        Num_FUNC[i]->setCurrentIndex(-1);
        Type_data[i]->setCurrentIndex(-1);

        connect(Check1[i], &QCheckBox::clicked, this, [this, i] { Check1_Click(i); });
        // The program's own selections are made with the signals blocked.
        connect(Num_FUNC[i], &QComboBox::currentIndexChanged, this, [this, i] { Num_FUNC_Click(i); });
        connect(Type_data[i], &QComboBox::currentIndexChanged, this, [this, i] { Type_data_Click(i); });
        connect(Num_SP[i], &QComboBox::currentIndexChanged, this,
                [this, i](int entry) { terminal_.chooseSetPoint(i, entry); });
        connect(ADR_MODBUS[i], &QLineEdit::textEdited, this,
                [this, i](const QString &t) { terminal_.setAddress(i, t); });
        for (int j = 0; j < 8; ++j)
            connect(in_out[8 * i + j], &QCheckBox::clicked, this, [this, x = 8 * i + j] { in_out_Click(x); });
    }

    // The numbers 1 to 8 of the heading, each centred over its column of boxes.
    for (int j = 0; j < 8; ++j) {
        auto *number = new QLabel(QString::number(j + 1), this);
        number->setObjectName(QStringLiteral("Label5_%1").arg(j + 1));
        number->setAlignment(Qt::AlignCenter);
        number->setFixedWidth(24);
        number->adjustSize();
        const QPoint centre = indicatorCentre(in_out[j]);
        number->move(centre.x() - number->width() / 2, Label5->y());
        ioHeadings[j] = number;
    }
    setFixedSize(std::max(650, in_out[7]->geometry().right() + 20), 380);

    Ok_Go_Block = new QPushButton(QStringLiteral("Ok"), this);
    Ok_Go_Block->setObjectName(QStringLiteral("Ok_Go_Block"));
    Ok_Go_Block->setGeometry(400, 340, 100, 26);
    Cancel_Go_Block = new QPushButton(QStringLiteral("Відміна"), this);
    Cancel_Go_Block->setObjectName(QStringLiteral("Cancel_Go_Block_0"));
    Cancel_Go_Block->setGeometry(512, 340, 100, 26);
    connect(Ok_Go_Block, &QPushButton::clicked, this, [this] { Ok_Go_Block_Click(); });
    connect(Cancel_Go_Block, &QPushButton::clicked, this, [this] { Cancel_Go_Block_Click(0); });
    frame_->onEscape([this] { Cancel_Go_Block_Click(0); });
    frame_->setDefaultButton(Ok_Go_Block);
}

Com_Terminal::~Com_Terminal() = default;

void Com_Terminal::Form_Load()
{
    terminal_.open();
    showRows();
}

// Mirrors the terminal's rows into the controls.
void Com_Terminal::showRows()
{
    setWindowTitle(terminal_.title.isEmpty() ? QStringLiteral("MODBUS RTU") : terminal_.title);
    Label->setText(terminal_.networkLabel);
    Label->adjustSize();
    Label2->setText(terminal_.speedLabel);
    Label2->adjustSize();
    for (int i = 0; i < kModbusRequests; ++i) {
        const ModbusRowView &r = terminal_.row(i);
        {
            QSignalBlocker b(Check1[i]);
            Check1[i]->setTristate(r.check == 2);
            Check1[i]->setCheckState(r.check == 2 ? Qt::PartiallyChecked : r.check ? Qt::Checked : Qt::Unchecked);
        }
        for (auto [list, entry] : {std::pair{Num_FUNC[i], r.function}, std::pair{Type_data[i], r.dataType},
                                   std::pair{Num_SP[i], r.setPoint}}) {
            QSignalBlocker b(list);
            list->setCurrentIndex(entry);
        }
        if (ADR_MODBUS[i]->text() != r.address)
            ADR_MODBUS[i]->setText(r.address);
        Num_FUNC[i]->setEnabled(r.rowEnabled);
        Type_data[i]->setEnabled(r.rowEnabled);
        Label_I_O[i]->setEnabled(r.rowEnabled);
        Label_I_O[i]->setText(r.direction);
        Label_I_O[i]->adjustSize();
        Num_SP[i]->setVisible(r.setPointShown);
        for (int j = 0; j < 8; ++j) {
            QCheckBox *box = in_out[8 * i + j];
            box->setVisible(!r.setPointShown);
            box->setChecked(r.io[j]);
            box->setEnabled(r.ioEnabled[j]);
        }
    }
}

void Com_Terminal::Check1_Click(int Index)
{
    terminal_.setCheck(Index, Check1[Index]->checkState() != Qt::Unchecked);
    showRows();
}

void Com_Terminal::Num_FUNC_Click(int Index)
{
    terminal_.chooseFunction(Index, Num_FUNC[Index]->currentIndex());
    showRows();
}

void Com_Terminal::Type_data_Click(int Index)
{
    terminal_.chooseDataType(Index, Type_data[Index]->currentIndex());
    showRows();
}

void Com_Terminal::in_out_Click(int Index)
{
    terminal_.setIo(Index / 8, Index % 8, in_out[Index]->isChecked());
    showRows();
}

void Com_Terminal::Ok_Go_Block_Click()
{
    terminal_.store();
    close();
}

void Com_Terminal::Cancel_Go_Block_Click(int /*Index*/) { close(); }

void Com_Terminal::open() { frame_->show(); }

} // namespace pelmora
