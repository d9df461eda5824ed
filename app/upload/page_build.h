#pragma once
// Building the upload of one SCADA page in one call: the page is drawn, checked
// against the page size, encoded into its eight image slots with the element
// tables after the last band, and cut into framed 0x43 packets, one row of
// packets a band, ready for the packet sender. A page that cannot be built
// comes back with the message to show instead.

#include "core/model/project_model.h"
#include "core/services.h"
#include "upload/page_image_codec.h"
#include "upload/page_renderer.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

namespace pelmora::page {

extern const char16_t *const kWriteScadaCaption;   // "Запис SCADA в Orvo": the progress window's caption
extern const char16_t *const kPageTooLarge;        // "Розмір Х x Y повинен бути менше 800 x 480"
extern const char16_t *const kPageTooLargeTitle;   // "Помилка !!!"
extern const char16_t *const kOutOfMemory;         // "Не вистачає пам'яті!"
extern const char16_t *const kOutOfMemoryTitle;    // "омилка !!!"
extern const char16_t *const kBannerWithoutOutput; // %1: the banner's block

struct PageUpload {
    // Empty when the page was built; else shown with icon and title, and nothing is sent.
    QString message;
    MsgIcon icon = MsgIcon::None;
    QString title;
    bool ok() const { return message.isEmpty(); }

    QImage picture;   // the page as drawn, once drawing has been reached
    QByteArray image; // the eight image slots, zeroed before the build
    PageData data;    // slot lengths, table length and packets of each band built
    // The packets in sending order, one row a band (rows 0..7): the sender's queue.
    std::vector<std::vector<QByteArray>> rows() const;
    int packetCount() const;
};

// Builds page `page` (0..15) of the model as its canvas of `canvasSize` shows it.
PageUpload buildPageUpload(const ProjectModel &m, int page, const PageViews &views = {},
                           QSize canvasSize = QSize(PageWidth, PageHeight));

} // namespace pelmora::page
