#include "support/mechanism_pictures.h"

namespace pelmora::test {

QImage sequencePicture(int width, int height, const std::function<QRgb(int s)> &colourAt)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, colourAt(y * width + x));
    return picture;
}

QImage alternatingPicture(int width, int height, int tailRun)
{
    const int count = width * height;
    return sequencePicture(width, height, [count, tailRun](int s) {
        if (s >= count - tailRun)
            return kColourC;
        if (s < 2)
            return kColourB;
        return s % 2 == 0 ? kColourA : kColourB;
    });
}

QRgb colour565(int v) { return qRgb(((v >> 11) & 31) << 3, ((v >> 5) & 63) << 2, (v & 31) << 3); }

} // namespace pelmora::test
