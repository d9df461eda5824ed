#include "pages/page_controls.h"

#include "pages/page_rules.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>

namespace pelmora::pages {

namespace {

// A copy starts hidden in the container of its template, at its place.
void copyPlacement(QWidget &to, const QWidget &from)
{
    to.setParent(from.parentWidget());
    to.setGeometry(from.geometry());
    to.setToolTip(from.toolTip());
    to.setCursor(from.cursor());
    to.hide();
}

} // namespace

// --- ElementLabel ----------------------------------------------------------------

ElementLabel::ElementLabel(QWidget *parent) : QWidget(parent)
{
    font_ = QFont(QStringLiteral("DejaVu Sans"));
    font_.setPointSize(8);
}

ElementLabel *ElementLabel::copyOf(const ElementLabel &from)
{
    auto *c = new ElementLabel;
    c->setObjectName(from.objectName());
    copyPlacement(*c, from);
    c->caption_ = from.caption_;
    c->fore_ = from.fore_;
    c->back_ = from.back_;
    c->transparent_ = from.transparent_;
    c->border_ = from.border_;
    c->font_ = from.font_;
    c->autoSize_ = from.autoSize_;
    c->centred_ = from.centred_;
    if (from.edit_)
        c->setEditable(from.maxLength_);
    return c;
}

void ElementLabel::setEditable(int maxLength)
{
    maxLength_ = maxLength;
    if (!edit_) {
        edit_ = new QLineEdit(this);
        edit_->setObjectName(QStringLiteral("caption"));
        edit_->setFrame(false);
        edit_->setTextMargins(0, 0, 0, 0);
        connect(edit_, &QLineEdit::textEdited, this, [this](const QString &text) {
            caption_ = text;
            emit captionEdited(text);
        });
    }
    edit_->setMaxLength(maxLength);
    dressEditor();
}

void ElementLabel::dressEditor()
{
    if (!edit_)
        return;
    const int frame = border_ != 0 ? 1 : 0;
    edit_->setGeometry(rect().adjusted(frame, frame, -frame, -frame));
    edit_->setFont(font_);
    QPalette pal = edit_->palette();
    pal.setColor(QPalette::Text, colourOf(fore_));
    pal.setColor(QPalette::Base, colourOf(back_));
    edit_->setPalette(pal);
    if (edit_->text() != caption_)
        edit_->setText(caption_);
}

void ElementLabel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    dressEditor();
}

void ElementLabel::setCaption(const QString &caption)
{
    caption_ = caption;
    fit();
    dressEditor();
    update();
}

void ElementLabel::setForeColor(std::int32_t bgr)
{
    fore_ = bgr;
    dressEditor();
    update();
}

void ElementLabel::setBackColor(std::int32_t bgr)
{
    back_ = bgr;
    dressEditor();
    update();
}

void ElementLabel::setTransparent(bool transparent)
{
    transparent_ = transparent;
    update();
}

void ElementLabel::setBorderStyle(int style)
{
    border_ = style;
    fit();
    dressEditor();
    update();
}

void ElementLabel::setCaptionFont(const QFont &font)
{
    font_ = font;
    fit();
    dressEditor();
    update();
}

void ElementLabel::setPointSize(int points)
{
    if (points > 0)
        font_.setPointSize(points);
    fit();
    dressEditor();
    update();
}

void ElementLabel::setBold(bool bold)
{
    font_.setBold(bold);
    fit();
    dressEditor();
    update();
}

void ElementLabel::setAutoSize(bool on)
{
    autoSize_ = on;
    fit();
}

void ElementLabel::setCentred(bool centred)
{
    centred_ = centred;
    update();
}

void ElementLabel::fit()
{
    if (!autoSize_)
        return;
    const QFontMetrics fm(font_);
    const int frame = border_ != 0 ? 2 : 0;
    const QSize text = fm.size(0, caption_.isEmpty() ? QStringLiteral(" ") : caption_);
    resize(text.width() + frame, text.height() + frame);
}

void ElementLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!transparent_)
        p.fillRect(rect(), colourOf(back_));
    QRect inner = rect();
    if (border_ != 0) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        inner.adjust(1, 1, -1, -1);
    }
    p.setFont(font_);
    p.setPen(colourOf(fore_));
    p.drawText(inner, centred_ ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignTop), caption_);
}

// --- ElementImage ----------------------------------------------------------------

ElementImage::ElementImage(QWidget *parent) : QWidget(parent) {}

ElementImage *ElementImage::copyOf(const ElementImage &from)
{
    auto *c = new ElementImage;
    c->setObjectName(from.objectName());
    copyPlacement(*c, from);
    c->picture_ = from.picture_;
    c->stretch_ = from.stretch_;
    return c;
}

void ElementImage::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    if (!stretch_ && !picture_.isNull())
        resize(picture_.size());
    update();
}

void ElementImage::clearPicture()
{
    picture_ = QPixmap();
    update();
}

void ElementImage::setStretch(bool on)
{
    stretch_ = on;
    if (!stretch_ && !picture_.isNull())
        resize(picture_.size());
    update();
}

void ElementImage::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch_)
        p.drawPixmap(rect(), picture_);
    else
        p.drawPixmap(0, 0, picture_);
}

// --- FigureShape -------------------------------------------------------------------

FigureShape::FigureShape(QWidget *parent) : QWidget(parent) {}

FigureShape *FigureShape::copyOf(const FigureShape &from)
{
    auto *c = new FigureShape;
    c->setObjectName(from.objectName());
    copyPlacement(*c, from);
    c->shape_ = from.shape_;
    c->lineColor_ = from.lineColor_;
    c->lineWidth_ = from.lineWidth_;
    c->updateMask();
    return c;
}

void FigureShape::setShape(int kind)
{
    shape_ = kind;
    updateMask();
    update();
}

void FigureShape::setLineColor(std::int32_t bgr)
{
    lineColor_ = bgr;
    update();
}

void FigureShape::setLineWidth(int pixels)
{
    lineWidth_ = pixels;
    updateMask();
    update();
}

void FigureShape::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateMask();
}

void FigureShape::updateMask()
{
    // The mouse takes the figure by its outline, with a few pixels to spare;
    // inside it the canvas and the elements below answer, so a frame drawn
    // around a whole page still lets the page be banded.
    const int grip = std::max(lineWidth_, 1) + 3;
    QRect outer = rect();
    QRegion::RegionType type = QRegion::Rectangle;
    if (isCircle()) {
        const int d = std::min(outer.width(), outer.height());
        outer = QRect(outer.center().x() - d / 2, outer.center().y() - d / 2, d, d);
        type = QRegion::Ellipse;
    }
    const QRect inner = outer.adjusted(grip, grip, -grip, -grip);
    if (inner.width() <= 0 || inner.height() <= 0) {
        clearMask();
        return;
    }
    // The mask clips the painting as well: an ellipse region is a polygon
    // that misses some pixels of the drawn circle, so it reaches a pixel
    // further out, and the control's own bounds cut it.
    QRegion shape(outer, type);
    if (type == QRegion::Ellipse)
        shape = QRegion(outer.adjusted(-1, -1, 1, 1), type).intersected(rect());
    setMask(shape.subtracted(QRegion(inner, type)));
}

void FigureShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    drawFigureOutline(p, rect(), isCircle(), lineColor_, lineWidth_);
}

} // namespace pelmora::pages
