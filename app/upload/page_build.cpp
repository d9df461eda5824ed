#include "upload/page_build.h"

namespace pelmora::page {

const char16_t *const kWriteScadaCaption = u"Запис SCADA в Orvo";
const char16_t *const kPageTooLarge = u"Розмір Х x Y повинен бути менше 800 x 480";
const char16_t *const kPageTooLargeTitle = u"Помилка !!!";
const char16_t *const kOutOfMemory = u"Не вистачає пам'яті!";
const char16_t *const kOutOfMemoryTitle = u"омилка !!!";
const char16_t *const kBannerWithoutOutput =
    u"Попередження прив'язане до блоку %1, але номер виходу не обрано. Оберіть вихід у вікні \"Попередження\".";

std::vector<std::vector<QByteArray>> PageUpload::rows() const
{
    return std::vector<std::vector<QByteArray>>(data.packets.begin(), data.packets.end());
}

int PageUpload::packetCount() const
{
    int n = 0;
    for (const auto &band : data.packets)
        n += static_cast<int>(band.size());
    return n;
}

namespace {

PageUpload refused(PageUpload out, const QString &message, const char16_t *title)
{
    out.message = message;
    out.icon = MsgIcon::Critical;
    out.title = QString::fromUtf16(title);
    return out;
}

} // namespace

PageUpload buildPageUpload(const ProjectModel &m, int page, const PageViews &views, QSize canvasSize)
{
    PageUpload out;
    if (page < 0 || page > 15)
        return refused(out, QString::fromUtf16(kOutOfMemory), kOutOfMemoryTitle);
    if (canvasSize.width() - 1 > PageWidth - 1 || canvasSize.height() - 1 > PageHeight - 1)
        return refused(out, QString::fromUtf16(kPageTooLarge), kPageTooLargeTitle);

    // A banner bound to a block but to none of its outputs cannot be sent; one
    // bound to no block goes out as output 0 (page_tables_codec).
    const auto &t = m.pages;
    if (longTableLayout(m.settings.Format_Version) && t.Varning_Num_Block != 0 && t.Varning_Num_OUT == -1)
        return refused(out, QString::fromUtf16(kBannerWithoutOutput).arg(t.Varning_Num_Block), kPageTooLargeTitle);

    RenderedPage drawn = renderPage(m, page, views, canvasSize.width(), canvasSize.height());
    if (!drawn.error.isEmpty())
        return refused(out, drawn.error, kPageTooLargeTitle);
    out.picture = drawn.image;

    // Bytes of a slot that the build does not write go out as zeros.
    out.image = QByteArray(ImageBytes, '\0');
    out.data = buildPageData(out.picture, m, page, out.image, views.controlViewTop);
    switch (out.data.error) {
    case PageBuildError::None: break;
    case PageBuildError::TooLarge: return refused(out, QString::fromUtf16(kPageTooLarge), kPageTooLargeTitle);
    case PageBuildError::OutOfMemory: return refused(out, QString::fromUtf16(kOutOfMemory), kOutOfMemoryTitle);
    }
    return out;
}

} // namespace pelmora::page
