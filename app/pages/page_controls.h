#pragma once
// The controls that show page elements on the canvases: a label (parameters,
// text signals, transitions, static texts, menu text boxes, clock labels, the
// level bar boxes), an image (control buttons, mechanisms, menu pictures,
// graph windows, manometers) and the figure control (rectangle or circle).
// Each keeps its properties in the program's own terms (0x00BBGGRR colours,
// border style 0/1) and paints itself, and each can be copied, which is how a
// control array loads a further element from its template.

#include <QFont>
#include <QPixmap>
#include <QWidget>
#include <cstdint>

class QLineEdit;

namespace pelmora::pages {

class ElementLabel : public QWidget {
    Q_OBJECT

public:
    explicit ElementLabel(QWidget *parent = nullptr);
    // A hidden copy of `from` with all its properties, in the same container.
    static ElementLabel *copyOf(const ElementLabel &from);

    QString caption() const { return caption_; }
    void setCaption(const QString &caption);
    std::int32_t foreColor() const { return fore_; }
    void setForeColor(std::int32_t bgr);
    std::int32_t backColor() const { return back_; }
    void setBackColor(std::int32_t bgr);
    // Transparent: the canvas shows through around the text.
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);
    int borderStyle() const { return border_; } // 0 none, 1 a single line
    void setBorderStyle(int style);
    QFont captionFont() const { return font_; }
    void setCaptionFont(const QFont &font);
    void setPointSize(int points);
    void setBold(bool bold);
    // Auto-size: the label takes the size of its caption.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    // Centre the caption instead of writing it from the top left.
    void setCentred(bool centred);
    // A text box: the user types the caption into the label itself, at most
    // `maxLength` characters. Only the user's typing raises captionEdited;
    // a caption set from code does not.
    void setEditable(int maxLength);
    bool editable() const { return edit_ != nullptr; }
    QLineEdit *editor() const { return edit_; }

signals:
    void captionEdited(const QString &caption);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fit();
    void dressEditor();
    QLineEdit *edit_ = nullptr; // a child of the label
    int maxLength_ = 0;
    QString caption_;
    std::int32_t fore_ = 0;
    std::int32_t back_ = 0xFFFFFF;
    bool transparent_ = false;
    int border_ = 0;
    QFont font_;
    bool autoSize_ = false;
    bool centred_ = false;
};

class ElementImage : public QWidget {
    Q_OBJECT

public:
    explicit ElementImage(QWidget *parent = nullptr);
    static ElementImage *copyOf(const ElementImage &from);

    const QPixmap &picture() const { return picture_; }
    // Without stretching the image takes the picture's own size.
    void setPicture(const QPixmap &picture);
    void clearPicture();
    bool stretch() const { return stretch_; }
    void setStretch(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap picture_;
    bool stretch_ = true;
};

// The figure control: a rectangle (shape kind 0) or a circle (kinds 1 and 3)
// outlined in its line colour and width, transparent inside, to the eye and
// to the mouse. A circle takes
// the smaller of width and height as its diameter, centred in the control.
class FigureShape : public QWidget {
    Q_OBJECT

public:
    explicit FigureShape(QWidget *parent = nullptr);
    static FigureShape *copyOf(const FigureShape &from);

    int shape() const { return shape_; }
    void setShape(int kind);
    bool isCircle() const { return shape_ == 1 || shape_ == 3; }
    std::int32_t lineColor() const { return lineColor_; }
    void setLineColor(std::int32_t bgr);
    int lineWidth() const { return lineWidth_; }
    void setLineWidth(int pixels);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateMask();
    int shape_ = 0;
    std::int32_t lineColor_ = 0;
    int lineWidth_ = 1;
};

} // namespace pelmora::pages
