#pragma once
// The file menu's project items: "&Зберегти проект" and "&Відкрити проект".

#include "core/model/project_model.h"
#include "project/project_changes.h"

#include <QObject>
#include <QString>
#include <functional>

namespace pelmora {

class ControllerLink;
class MainWindowPort;
class PageEditor;
class PageView;
class SchemaView;
struct MainMenu;

// The link of an opened project: link kind 9 connects the TCP client to the
// project's address without waiting for it; every other kind closes the
// client and the server. An address the socket cannot take is skipped.
void startProjectLink(ControllerLink &link, const ProjectModel &m);

// Texts the two handlers show.
inline constexpr char16_t kFileLocked[] = u"Файл заблокований!!!";
inline constexpr char16_t kNameDiffers[] = u"Ім'я проекта не співпадає! Зберегти проект?";
inline constexpr char16_t kOneAlgorithmProgram[] =
    u"У схемі кілька блоків АЛГОРИТМ, а файл проекту зберігає одну програму: після відкриття всі блоки "
    u"АЛГОРИТМ отримають програму останнього з них.";
inline constexpr char16_t kCopyFailed[] = u"Не вдалося скопіювати до папки проекту:";
inline constexpr char16_t kNetlistMissing[] = u"Файл Netlist не знайдено: ";
inline constexpr char16_t kSaveChanges[] = u"Зберегти зміни в проекті?";
// "&Відкрити проект", "&Створити проект" and "&Відкрити Netlist P-CAD" while a
// transfer is under way.
inline constexpr char16_t kProjectWhileTransfer[] = u"Іде обмін з контролером. Зачекайте його завершення.";

class ProjectMenu : public QObject {
    Q_OBJECT

public:
    ProjectMenu(ProjectModel &m, MainWindowPort &main, SchemaView &schemaView, PageView &pageView,
                PageEditor &pageEditor);

    // "&Зберегти проект": writes the project file and copies the netlist and
    // the page pictures next to it. True when the project file was written.
    bool mnuSave_Click();
    // "&Відкрити проект": reads a project file whole, makes it the open
    // project, starts the link, imports the netlist the project names.
    void mnuLoad_Click();

    // Before the open project is closed or replaced (closing the program,
    // "&Створити проект", "&Відкрити проект"): a project with changes that are
    // not saved asks "Зберегти зміни в проекті?". Yes saves as
    // "&Зберегти проект" does; No goes on without saving; Cancel, or a save
    // that did not happen, keeps everything as it was. True when the caller
    // goes on. A program without a project, or a project without changes,
    // asks nothing.
    bool askToSaveChanges();

    // Run when an opened project's link has been started, with its link kind
    // (the page upload sets the pause between the pages of a range from it).
    std::function<void(int linkKind)> linkStarted;

private:
    // The page tabs and canvases of the opened project. The backgrounds are
    // set while the element tables still hold the project opened before (a tab
    // change looks at its mechanisms), the names and colours afterwards.
    void restoreBackgrounds(const ProjectModel &opened);
    void restoreNamesAndColours();
    // The end of opening: the netlist import and the main window's finish.
    // False, with nothing changed, when the netlist cannot be read.
    bool importAndFinish();
    // "Файл Netlist не знайдено: " with the netlist's path.
    void showNetlistMissing();
    void applyWindowState(const ProjectModel &opened, std::optional<int> version);

    ProjectModel &m_;
    projectfile::SavedProjectState saved_; // the project as last opened or saved
    MainWindowPort &main_;
    MainMenu &menu_;
    SchemaView &schemaView_;
    PageView &pageView_;
    PageEditor &pageEditor_;
};

} // namespace pelmora
