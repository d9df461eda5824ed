#include "upload/picture_array.h"

namespace pelmora::mechanism {

const char16_t *const kArraySizeLabel = u"Розмір масива - ";

QString arrayText(const PackedPicture &packed)
{
    if (packed.error != PackError::None || packed.image.isEmpty())
        return {};
    QString text;
    text.reserve(packed.image.size() * 4 + 3);
    text += u'{';
    for (qsizetype i = 0; i < packed.image.size(); ++i) {
        if (i > 0)
            text += u',';
        text += QString::number(static_cast<std::uint8_t>(packed.image.at(i)));
    }
    text += QStringLiteral("};");
    return text;
}

PackMessage arrayMessage(PackError error)
{
    if (error == PackError::CodesTooLong)
        return {QStringLiteral("Не хватает памяти!"), QStringLiteral("Ошибка !!!")};
    return mechanismMessage(error);
}

PictureArray pictureArray(const QImage &picture)
{
    const PackedPicture packed = packArray(picture);
    PictureArray out;
    out.error = packed.error;
    if (packed.error != PackError::None) {
        out.message = arrayMessage(packed.error);
        return out;
    }
    out.sizeText = QString::fromUtf16(kArraySizeLabel) + QString::number(packed.length);
    out.text = arrayText(packed);
    return out;
}

} // namespace pelmora::mechanism
