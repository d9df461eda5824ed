#pragma once
// Bringing the page elements of a project just read into the model onto the
// canvases: the old element controls of the pages read are unloaded, the
// warning line placed, and the control of every used element loaded from its
// record and shown where its dialog placed it. Page 1 is the current page
// afterwards.
//
// The project opener calls it once the model holds the whole file (the tab
// captions, background pictures and page colours are the opener's).

namespace pelmora {

struct MainSurface;
struct ProjectModel;
class PageEditor;
class PageView;

void restorePageElements(ProjectModel &m, PageEditor &editor, PageView &view, MainSurface &surface);

} // namespace pelmora
