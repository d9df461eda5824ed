#pragma once
// Writing a range of SCADA pages: the choices and prefill of the range window
// ("Записати сторінки SCADA"), its confirmation, the step taken after every
// page the sender completes, and the end of a range on any failure. Each page
// of a range travels as a single page would; these rules only say which page
// comes next.

#include "core/model/project_model.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace pelmora::page {

extern const char16_t *const kRangeOrderError; // "№ початкової сторінки більше кінечної!"

// The one-shot timers of a range: the first page starts 10 ms after Ok; each
// further page after a pause of 1000 ms, or 3000 ms when the project was
// opened with a TCP client link.
constexpr int kRangeFirstPageDelay = 10;
int pagePauseAfterOpening(int linkKind);

// The project's pages, "1" up to Stranica_Count, for both lists of the window.
QStringList pageRangeChoices(const ProjectModel &m);

// List indexes the window opens with: the current page first, and the last
// page of the range confirmed before (page 1 before any).
struct PageRangeChoice {
    int first = 0;
    int last = 0;
};
PageRangeChoice pageRangePrefill(const ProjectModel &m);

// Ok with the two list indexes (-1 for a text that matches no entry): the
// order message when the last page comes before the first, the window staying
// open; else the range is set up (current page := the first page, Stranica_Stop
// := one past the last, Save_n_Stranica_Flag := 1), an index of -1 taken as
// page 1, and nullopt is returned: the first page follows kRangeFirstPageDelay later.
std::optional<QString> startPageRange(ProjectModel &m, int firstIndex, int lastIndex);

// After a page has been written to its end: true when a range goes on with
// the next page (now the current page), after the pause. At the end of a
// range the flag is cleared and the last page written stays current.
bool pageRangeStep(ProjectModel &m);

// Any failure while a page is built or written ends the range there, so a
// later single page never continues it.
void endPageRange(ProjectModel &m);

} // namespace pelmora::page
