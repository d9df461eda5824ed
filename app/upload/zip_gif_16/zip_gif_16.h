#pragma once
// The picture array export tool "ZIP Image GIF": a developer loads a picture,
// packs it as the mechanism upload packs it, and gets its bytes as the text
// of an array initialiser to paste into source text. It sends nothing to a
// controller, and nothing in the configurator opens it.

#include <QImage>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;

namespace pelmora {

class Zip_GIF_16 : public QWidget {
    Q_OBJECT

public:
    Zip_GIF_16();

    QPushButton *Command1; // "Load Image"
    QPushButton *Command2; // "Run >"
    QScrollArea *Picture1Area;
    QLabel *Picture1; // the loaded picture
    QLabel *Label2;   // the packed size
    QProgressBar *ProgressBar1;
    QPlainTextEdit *Text2; // the array text

    // Lets the developer choose a picture file (any kind Qt reads) and shows it.
    void Command1_Click();
    // Packs the shown picture and writes its size and array text.
    void Command2_Click();

    const QImage &picture() const { return picture_; }

private:
    QImage picture_;
};

} // namespace pelmora
