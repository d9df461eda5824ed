#include "upload/zip_gif_16/zip_gif_16.h"

#include "core/services.h"
#include "upload/picture_array.h"

#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>

namespace pelmora {

namespace {

const char16_t *const kNotAPicture = u"Неправильный тип файлу";

} // namespace

Zip_GIF_16::Zip_GIF_16() : QWidget(nullptr)
{
    setObjectName(QStringLiteral("Zip_GIF_16"));
    setWindowTitle(QStringLiteral("ZIP Image GIF"));
    setFixedSize(760, 430);

    Command1 = new QPushButton(QStringLiteral("Load Image"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(8, 8, 105, 27);
    connect(Command1, &QPushButton::clicked, this, &Zip_GIF_16::Command1_Click);

    Command2 = new QPushButton(QStringLiteral("Run >"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(121, 8, 105, 27);
    connect(Command2, &QPushButton::clicked, this, &Zip_GIF_16::Command2_Click);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(240, 8, 250, 27);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(500, 12, 252, 19);

    // A picture may be as large as a page (800 x 480): it scrolls in its box.
    Picture1Area = new QScrollArea(this);
    Picture1Area->setGeometry(8, 43, 370, 379);
    Picture1 = new QLabel;
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1Area->setWidget(Picture1);

    Text2 = new QPlainTextEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(386, 43, 366, 379);
    Text2->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text2->setWordWrapMode(QTextOption::WrapAnywhere);
}

void Zip_GIF_16::Command1_Click()
{
    // No filter: any picture file; the next choice starts in the current folder.
    const std::optional<QString> path = Services::files().open(FileDialogRequest{});
    if (!path)
        return;
    QImage loaded(*path);
    if (loaded.isNull()) {
        showMessage(QString::fromUtf16(kNotAPicture), MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    picture_ = loaded;
    Picture1->setPixmap(QPixmap::fromImage(picture_));
    Picture1->adjustSize();
}

void Zip_GIF_16::Command2_Click()
{
    ProgressBar1->setValue(0);
    const mechanism::PictureArray result = mechanism::pictureArray(picture_);
    if (result.error != mechanism::PackError::None) {
        showMessage(result.message.text, MsgIcon::Critical, MsgButtons::Ok, result.message.title);
        return;
    }
    Label2->setText(result.sizeText);
    Text2->clear();
    Text2->setPlainText(result.text);
    ProgressBar1->setValue(1);
}

} // namespace pelmora
