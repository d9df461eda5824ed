#pragma once
// The picture array export: a picture packed as the mechanism upload packs it
// (with the export's own limits) and printed as the text of an array
// initialiser, to be pasted into source text.

#include "upload/mechanism_packing.h"

#include <QImage>
#include <QString>

namespace pelmora::mechanism {

// "{" then the decimal values of image bytes 0 .. L + 3 (the size trailer
// included) separated by "," and "};". Empty for a failed packing.
QString arrayText(const PackedPicture &packed);

// As mechanismMessage, except that a code stream over the export's limit
// says "Не хватает памяти!" (title "Ошибка !!!").
PackMessage arrayMessage(PackError error);

extern const char16_t *const kArraySizeLabel; // "Розмір масива - "

// What the export shows for a picture: the size line and the array text, or
// the message of a refusal.
struct PictureArray {
    PackError error = PackError::None;
    PackMessage message; // when refused
    QString sizeText;    // "Розмір масива - " followed by L
    QString text;
};
PictureArray pictureArray(const QImage &picture);

} // namespace pelmora::mechanism
