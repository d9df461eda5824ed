#include "blockparams/property_block.h"

#include "blockparams/com_terminal.h"
#include "core/services.h"
#include "ui/main_window_port.h"
#include "ui/window_frame.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>

namespace pelmora {

using namespace blockparams;

namespace {

// Window measures are in twips, 15 to the pixel.
int px(int twips) { return twips / 15; }

constexpr int kClientWidth = 4680;
constexpr int kFrameHeight = 450; // title bar and frame, part of the window's height

QString blockNumberText(int b)
{
    // A number below 10 gets a leading zero, a larger one the blank of its sign place.
    return b < 10 ? QStringLiteral("0") + QString::number(b) : QStringLiteral(" ") + QString::number(b);
}

QPixmap blockTypePicture(int typeCode)
{
    if (typeCode < 1 || typeCode > 50)
        return QPixmap();
    return QPixmap(QStringLiteral(":/blocks/block_%1.png").arg(typeCode, 2, 10, QLatin1Char('0')));
}

} // namespace

ValueTextBox::ValueTextBox(QWidget *parent) : QLineEdit(parent)
{
    applyLength();
    connect(this, &QLineEdit::textEdited, this, [this](const QString &t) {
        shown_ = t;
        applyLength();
        if (edited)
            edited(t);
    });
}

void ValueTextBox::applyLength()
{
    applied_ = std::max(limit_, static_cast<int>(shown_.size()));
    setMaxLength(applied_);
}

void ValueTextBox::setLimit(int n)
{
    limit_ = n;
    applyLength();
}

void ValueTextBox::adoptMaxLength()
{
    if (maxLength() == applied_)
        return;
    limit_ = maxLength();
    showText(shown_);
}

void ValueTextBox::showText(const QString &text)
{
    shown_ = text;
    QSignalBlocker block(this);
    applyLength();
    if (QLineEdit::text() != text)
        setText(text);
}

PropertyBLOCK::PropertyBLOCK(ProjectModel &m, MainWindowPort &main)
    : QWidget(nullptr), m_(m), main_(main),
      frame_(new WindowFrame(*this, main.mainWindow(), main.windows(), WindowFrameKind::Modal)), editor_(m)
{
    setObjectName(QStringLiteral("PropertyBLOCK"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Налаштування параметрів"));
    QFont small = font(); // the window's measures are made for an 8-point face
    small.setPointSize(8);
    setFont(small);

    Label1 = new QLabel(QStringLiteral("Параметр                Значення"), this);
    Label1->move(px(180), px(90));
    Label1->adjustSize();

    Ok_Property = new QPushButton(QStringLiteral("Ok"), this);
    Ok_Property->setObjectName(QStringLiteral("Ok_Property"));
    Cancel_Property = new QPushButton(QStringLiteral("ВІдміна"), this);
    Cancel_Property->setObjectName(QStringLiteral("Cancel_Property"));
    connect(Ok_Property, &QPushButton::clicked, this, [this] { Ok_Property_Click(); });
    connect(Cancel_Property, &QPushButton::clicked, this, [this] { Cancel_Property_Click(); });
    frame_->onEscape([this] { Cancel_Property_Click(); });
    frame_->setDefaultButton(Ok_Property);

    Blok_Image = new QFrame(this);
    Blok_Image->setFrameShape(QFrame::Panel);
    Blok_Image->setFrameShadow(QFrame::Sunken);
    Blok_Image->resize(px(660), px(660));
    Bl_Image = new QLabel(Blok_Image);
    Bl_Image->setObjectName(QStringLiteral("Bl_Image"));
    Bl_Image->installEventFilter(this);

    Num_Block_Label = new QLabel(this);
    Num_Block_Label->setObjectName(QStringLiteral("Num_Block_Label"));
    QPalette blue = Num_Block_Label->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Num_Block_Label->setPalette(blue);

    Form_Load();
}

PropertyBLOCK::~PropertyBLOCK() = default;

void PropertyBLOCK::open() { frame_->show(); }

void PropertyBLOCK::Form_Load()
{
    // The rows, each a caption with a list or a text box, all hidden.
    for (int r = 0; r < kRowCount; ++r) {
        auto *caption = new QLabel(this);
        caption->setObjectName(QStringLiteral("Set_ParametrLabel_%1").arg(r));
        caption->resize(px(1425), px(300));
        QFont narrow = caption->font(); // the longest captions fill the caption's width
        narrow.setStretch(QFont::SemiCondensed);
        caption->setFont(narrow);
        caption->hide();
        auto *combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("Value_Combo_%1").arg(r));
        combo->resize(px(2895), combo->sizeHint().height());
        combo->hide();
        auto *text = new ValueTextBox(this);
        text->setObjectName(QStringLiteral("Value_Text_%1").arg(r));
        text->resize(px(2895), px(300));
        text->hide();
        Set_ParametrLabel[r] = caption;
        Value_Combo[r] = combo;
        Value_Text[r] = text;
        // A choice by mouse, keys or wheel; the program's own selections are made
        // with the signals blocked. Choosing the item already chosen changes nothing.
        auto chosen = [this, r] {
            if (Value_Combo[r]->currentIndex() != editor_.row(r).index)
                Value_Combo_Click(r);
        };
        connect(combo, &QComboBox::activated, this, chosen);
        connect(combo, &QComboBox::currentIndexChanged, this, chosen);
        text->edited = [this, r](const QString &) { Value_Text_Change(r); };
    }
    // Their places.
    for (int r = 0; r < kRowCount; ++r) {
        Set_ParametrLabel[r]->move(px(180), px(390 + 330 * r));
        Value_Combo[r]->move(px(1620), px(390 + 330 * r));
        Value_Text[r]->move(px(1620), px(390 + 330 * r));
    }
    // The row tables, the rows of the block's type, its values.
    label_Parametr(m_.settings.Type_Block_Edit);
    // The first value row takes the long journal names.
    Value_Text[1]->setLimit(m_.settings.Type_Block_Edit == type::JUR ? 40 : 17);
}

void PropertyBLOCK::label_Parametr(int /*tupe_bl: the editor reads Type_Block_Edit itself*/)
{
    editor_.load();

    const int n = editor_.rowCount();
    height_ = n == kRowCount ? 7310 : 1700 + 330 * n;
    setFixedSize(px(kClientWidth), px(height_ - kFrameHeight));
    const int buttonTop = height_ - 1100;
    Ok_Property->setGeometry(px(1710), px(buttonTop), px(1245), px(345));
    Cancel_Property->setGeometry(px(3210), px(buttonTop), px(1245), px(345));

    const ProjectModel &m = m_;
    const int b = editor_.block();
    Bl_Image->setPixmap(blockTypePicture(b >= 0 && b <= 100 ? m.schema.Block_Type(b) : 0));
    Bl_Image->setGeometry(px(30), px(30), px(600), px(600));
    Blok_Image->move(px(500), px(height_ - 1280));

    Num_Block_Label->setText(blockNumberText(b));
    Num_Block_Label->adjustSize();
    Num_Block_Label->move(px(200), px(height_ - 1100));

    for (int r = 0; r < kRowCount; ++r) {
        QSignalBlocker block(Value_Combo[r]);
        Value_Combo[r]->clear();
        Value_Combo[r]->addItems(editor_.row(r).items);
    }
    showRows();
}

// Mirrors the editor's rows into the controls.
void PropertyBLOCK::showRows()
{
    for (int r = 0; r < kRowCount; ++r) {
        const RowView &v = editor_.row(r);
        QLabel *caption = Set_ParametrLabel[r];
        QComboBox *combo = Value_Combo[r];
        ValueTextBox *text = Value_Text[r];
        caption->setVisible(v.kind != RowKind::None);
        combo->setVisible(v.kind == RowKind::List);
        text->setVisible(v.kind == RowKind::Number || v.kind == RowKind::Name);
        if (v.kind == RowKind::None)
            continue;
        caption->setText(v.caption);
        if (v.kind == RowKind::List) {
            if (combo->currentIndex() != v.index) {
                QSignalBlocker block(combo);
                combo->setCurrentIndex(v.index);
            }
            combo->setEnabled(v.enabled);
        } else {
            QPalette p = text->palette();
            p.setColor(QPalette::Base, v.kind == RowKind::Name ? QColor(192, 255, 255) : QColor(255, 255, 255));
            text->setPalette(p);
            text->showText(v.text);
            text->setEnabled(v.enabled);
        }
    }
}

void PropertyBLOCK::Value_Combo_Click(int Index)
{
    editor_.choose(Index, Value_Combo[Index]->currentIndex());
    showRows();
}

void PropertyBLOCK::Value_Text_Change(int Index)
{
    editor_.edit(Index, Value_Text[Index]->text());
    showRows();
}

void PropertyBLOCK::Bl_Image_Click()
{
    QString why;
    if (!opensModbusRequests(m_, &why)) {
        if (!why.isEmpty())
            showMessage(why, MsgIcon::Exclamation);
        return;
    }
    // The requests' window disables this dialog while it is open.
    comTerminal_ = new Com_Terminal(m_, main_, *this);
    comTerminal_->open();
    comTerminal_->Form_Load();
}

Com_Terminal *PropertyBLOCK::comTerminal() const { return comTerminal_.data(); }

// Every change went into the block's records as it was made: both buttons
// just close the dialog.
void PropertyBLOCK::Ok_Property_Click() { close(); }

void PropertyBLOCK::Cancel_Property_Click() { close(); }

void PropertyBLOCK::showEvent(QShowEvent *event)
{
    // An opener may have limited a row with setMaxLength, which cuts the text
    // shown; the limit is kept for typing and the whole text comes back.
    for (ValueTextBox *t : Value_Text)
        t->adoptMaxLength();
    QWidget::showEvent(event);
}

bool PropertyBLOCK::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Bl_Image && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Bl_Image_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pelmora
