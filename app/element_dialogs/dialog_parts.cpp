#include "element_dialogs/dialog_parts.h"

#include "elements/bgr_colour.h"
#include "elements/element_codec.h"

#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTimer>

namespace pelmora {

void showChoice(QComboBox *box, const element::ChoiceList &list)
{
    const QSignalBlocker block(box);
    box->clear();
    box->addItems(list.entries);
    box->setPlaceholderText(list.text);
    box->setCurrentIndex(list.selected);
}

element::ChoiceList choiceOf(const QComboBox *box)
{
    element::ChoiceList list;
    for (int i = 0; i < box->count(); ++i)
        list.entries.push_back(box->itemText(i));
    list.selected = box->currentIndex();
    list.text = list.selected >= 0 ? box->currentText() : box->placeholderText();
    return list;
}

NumberBox::NumberBox(const QString &name, QWidget *parent) : QLineEdit(QStringLiteral("0"), parent)
{
    setObjectName(name);
    setMaxLength(5);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
}

ColourBox::ColourBox(const QString &name, QWidget *parent) : QLineEdit(parent)
{
    setObjectName(name);
    setReadOnly(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setColour(0);
}

void ColourBox::setColour(std::int32_t bgr)
{
    colour_ = bgr;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, element::colourOf(bgr));
    setPalette(pal);
}

void ColourBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    event->accept();
}

EyedropperButton::EyedropperButton(const QString &name, QWidget *parent) : QPushButton(parent)
{
    setObjectName(name);
    setToolTip(QStringLiteral("Піпетка"));
    setAutoFillBackground(true);
    setFlat(true);
}

void EyedropperButton::paint(std::int32_t bgr)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Button, element::colourOf(bgr));
    pal.setColor(QPalette::Window, element::colourOf(bgr));
    setPalette(pal);
}

BindingPanel::BindingPanel(const QString &blockBoxName, const QString &listName, const QString &listLabel,
                           QWidget *parent)
    : QGroupBox(QStringLiteral("Схема"), parent)
{
    auto *blockLabel = new QLabel(QStringLiteral("Номер блоку 1-99"), this);
    blockLabel->setGeometry(10, 22, 120, 20);
    block_ = new QLineEdit(QStringLiteral("0"), this);
    block_->setObjectName(blockBoxName);
    // Two characters as typed; a longer number written from a damaged record
    // stays whole, so Ok writes back what was stored.
    block_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral(".{0,2}")), block_));
    block_->setGeometry(136, 20, 50, 24);
    listLabel_ = new QLabel(listLabel, this);
    listLabel_->setObjectName(listName + QStringLiteral("_Label"));
    listLabel_->setGeometry(10, 54, 120, 20);
    list_ = new QComboBox(this);
    list_->setObjectName(listName);
    list_->setGeometry(136, 52, 110, 24);
    list_->setMaxVisibleItems(16);
    connect(block_, &QLineEdit::textEdited, this, [this] { blockChanged(); });
}

void BindingPanel::show(const QString &blockText, const element::ChoiceList &list)
{
    {
        const QSignalBlocker b(block_);
        block_->setText(blockText);
    }
    showChoice(list_, list);
}

void BindingPanel::blockChanged()
{
    if (rebuild)
        showChoice(list_, rebuild(block_->text()));
}

BlinkPreview::BlinkPreview(std::int16_t &phase, QObject *parent)
    : QObject(parent), phase_(phase), timer_(new QTimer(this))
{
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, &BlinkPreview::tick);
}

void BlinkPreview::setBlinking(bool on)
{
    if (on) {
        timer_->start();
        return;
    }
    timer_->stop();
    if (showSteady)
        showSteady();
}

bool BlinkPreview::blinking() const { return timer_->isActive(); }

void BlinkPreview::tick()
{
    const bool second = element::blinkStep(phase_);
    if (showPhase)
        showPhase(second);
}

} // namespace pelmora
