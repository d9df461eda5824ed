#pragma once
// The picture files a project names: page backgrounds, button pictures and
// mechanism phases. Qt's GIF reader shows a file that ends inside its picture,
// or whose compressed pixels are damaged, as a whole picture with the missing
// pixels black; such a file is refused here as one that is no picture at all,
// so it never reaches a page or the controller.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace pelmora {

// True when a GIF file's blocks are all there and the first picture's
// compressed pixels decode to every pixel of it without a bad code.
bool gifIsWhole(const QByteArray &bytes);

// The picture in `path`; a null image when the file cannot be read, is no
// picture, or is a GIF that is damaged or cut short.
QImage readPicture(const QString &path);

} // namespace pelmora
