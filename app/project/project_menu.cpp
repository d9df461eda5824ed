#include "project/project_menu.h"

#include "core/file_names.h"
#include "core/picture_file.h"
#include "core/services.h"
#include "link/controller_link.h"
#include "pages/page_editor.h"
#include "pages/page_restore.h"
#include "pages/page_view.h"
#include "project/config_project.h"
#include "project/format_version.h"
#include "project/project_file.h"
#include "project/project_file_disk.h"
#include "project/project_file_layout.h"
#include "project/schema_drawing.h"
#include "project/schema_view.h"
#include "schema/schema_import.h"
#include "ui/main_menu.h"
#include "ui/main_window_port.h"
#include "ui/window_registry.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>

namespace pelmora {

using namespace projectfile;

namespace {

const QString kProjectFilter = QStringLiteral("project file|*.prt");

// The file dialog leaves the chosen file's folder current; the program makes
// the folder of a project file current once it has been saved or opened.
void makeFolderCurrent(const QString &file) { QDir::setCurrent(QFileInfo(file).absolutePath()); }

// A file that cannot be written says only that it is locked; a project the
// writer refuses also says why.
QString saveFailedMessage(const SaveResult &saved)
{
    QString text = QString::fromUtf16(kFileLocked);
    if (saved.refused && !saved.reason.isEmpty())
        text += u'\n' + saved.reason;
    return text;
}

} // namespace

void startProjectLink(ControllerLink &link, const ProjectModel &m)
{
    if (m.settings.Num_COM_Link == 9) {
        if (m.settings.Port_IP >= 0 && m.settings.Port_IP <= 65535)
            link.connectClient(m.settings.Adr_IP, static_cast<quint16>(m.settings.Port_IP));
        return;
    }
    link.closeClient();
    link.closeServer();
}

ProjectMenu::ProjectMenu(ProjectModel &m, MainWindowPort &main, SchemaView &schemaView, PageView &pageView,
                         PageEditor &pageEditor)
    : m_(m), main_(main), menu_(main.menu()), schemaView_(schemaView), pageView_(pageView), pageEditor_(pageEditor)
{
    connect(menu_.mnuSave, &QAction::triggered, this, [this] { mnuSave_Click(); });
    connect(menu_.mnuLoad, &QAction::triggered, this, &ProjectMenu::mnuLoad_Click);
}

bool ProjectMenu::askToSaveChanges()
{
    if (!menu_.mnuSave->isEnabled() || !saved_.changedSince(m_))
        return true;
    switch (showMessage(QString::fromUtf16(kSaveChanges), MsgIcon::Question, MsgButtons::YesNoCancel)) {
    case MsgAnswer::Yes: return mnuSave_Click();
    case MsgAnswer::No: return true;
    default: return false;
    }
}

bool ProjectMenu::mnuSave_Click()
{
    ProjectModel &m = m_;
    auto &s = m.settings;
    FileDialogRequest request;
    request.filter = kProjectFilter;
    request.defaultName = s.Name_Project;
    const std::optional<QString> chosen = Services::files().save(request);
    if (!chosen || chosen->isEmpty())
        return false;
    // A name typed without an extension gets ".prt", so that opening lists the file.
    const QString path = QFileInfo(withDefaultExtension(*chosen, filterExtension(kProjectFilter))).absoluteFilePath();
    // Saving under another name than the project's asks first.
    if (s.Project_File_Path != path &&
        showMessage(QString::fromUtf16(kNameDiffers), MsgIcon::None, MsgButtons::YesNo) != MsgAnswer::Yes)
        return false;
    // Two ALGORITHM blocks share the one stored program.
    if (algorithmBlockCount(m) > 1)
        showMessage(QString::fromUtf16(kOneAlgorithmProgram), MsgIcon::Exclamation);
    // The counts of the version and the element lock.
    prepareForSave(m);
    menu_.mnuBlockSCADA->setChecked(true);
    const SaveResult saved = saveProjectFile(m, path);
    if (!saved.ok) {
        showMessage(saveFailedMessage(saved), MsgIcon::Critical);
        return false;
    }
    // Only a save that succeeded moves the project to the chosen file and its folder.
    s.Project_File_Path = path;
    makeFolderCurrent(path);
    saved_.remember(m);
    // The netlist and the pictures go next to the project file.
    const CopyResult copies = copyProjectFiles(m, QFileInfo(path).absolutePath());
    if (!copies.failed.isEmpty())
        showMessage(QString::fromUtf16(kCopyFailed) + u'\n' + copies.failed.join(u'\n'), MsgIcon::Exclamation);
    return true;
}

void ProjectMenu::mnuLoad_Click()
{
    ProjectModel &m = m_;
    // A transfer owns its project until it ends.
    if (m.link.transferUnderWay()) {
        showMessage(QString::fromUtf16(kProjectWhileTransfer), MsgIcon::Exclamation);
        return;
    }
    if (!askToSaveChanges())
        return;
    main_.surface().Logo->hide();
    FileDialogRequest request;
    request.filter = kProjectFilter;
    const std::optional<QString> chosen = Services::files().open(request);
    if (!chosen)
        return;
    // No file: the netlist of the project in memory is imported again.
    if (chosen->isEmpty()) {
        if (!importAndFinish())
            showNetlistMissing();
        return;
    }
    const QString path = QFileInfo(*chosen).absoluteFilePath();
    const QString folder = QFileInfo(path).absolutePath();

    // The file is read whole into a copy of the open project; only a file read
    // to its end replaces it, and makes its folder current.
    ProjectModel staging = m;
    QByteArray bytes;
    const ReadResult read = openProjectFile(path, staging, folder, &bytes);
    if (!read.ok) {
        showMessage(unreadableMessage(read), MsgIcon::Critical);
        return;
    }
    makeFolderCurrent(path);
    staging.settings.Project_File_Path = path;
    staging.settings.Nastrojki_Flag = 0;

    applyWindowState(staging, read.version);
    // The link of the opened project; a socket that fails does not stop the
    // opening. The pause between the pages of a range follows the link kind.
    startProjectLink(main_.link(), staging);
    if (linkStarted)
        linkStarted(staging.settings.Num_COM_Link);
    // The page tabs, the tables and the element views of the opened project.
    m.pages.Varning_Stranica = 0;
    restoreBackgrounds(staging);
    adoptProject(m, std::move(staging), read);
    restoreNamesAndColours();
    restorePageElements(m, pageEditor_, pageView_, main_.surface());
    if (!importAndFinish()) {
        // Without its netlist the opened project has no schema: nothing of the
        // one open before stays beside its pages, so no write can send it.
        adoptSchemaWithoutNetlist(m, bytes, folder);
        main_.mainWindow().setWindowTitle(
            captionWithPath(m.settings.Format_Version, QString::fromUtf16(kNetlistNotLoaded)));
        schemaView_.Draw_Schema();
        showNetlistMissing();
    }
    // The opened project, as its file holds it, is the saved one.
    saved_.remember(m);
}

void ProjectMenu::showNetlistMissing()
{
    showMessage(QString::fromUtf16(kNetlistMissing) + m_.settings.Name_Schema, MsgIcon::Exclamation);
}

void ProjectMenu::applyWindowState(const ProjectModel &m, std::optional<int> version)
{
    // The save item and the version's check mark.
    menu_.mnuSave->setEnabled(true);
    if (version) {
        for (const VersionItem &item : versionItems())
            if (QAction *a = menu_.menuItem(QLatin1String(item.menuName)))
                a->setChecked(item.code == *version);
    }
    // The address box of the settings dialog, when it is loaded.
    if (Config_Project *settings = main_.windows().find<Config_Project>())
        settings->showLinkKind(m.settings.Num_COM_Link);
    // The warning banner is hidden. (Its dialog's page list shows "No" when
    // the dialog opens next.)
    menu_.mnuNetlist->setVisible(true);
    menu_.mnu5->setVisible(true);
    main_.surface().Varning_Text->hide();
}

bool ProjectMenu::importAndFinish()
{
    ProjectModel &m = m_;
    if (!importNetlistFile(m, m.settings.Name_Schema))
        return false;
    main_.windows().settle(main_.mainWindow());
    menu_.mnuConfig->setVisible(true);
    menu_.MnuOrvo->setVisible(true);
    main_.mainWindow().setWindowTitle(captionWithPath(m.settings.Format_Version, m.settings.Name_Schema));
    schemaView_.Draw_Schema();
    return true;
}

void ProjectMenu::restoreBackgrounds(const ProjectModel &opened)
{
    PageView &view = pageView_;
    const auto &pg = opened.pages;
    const int N = opened.settings.Stranica_Count;
    // Captions and background pictures, page by page; a picture that cannot be
    // loaded leaves its page with a cleared picture.
    for (int p = 0; p <= N - 1 && p < PageView::kPages; ++p) {
        QLabel *canvas = view.SCADA_Picture[static_cast<std::size_t>(p)];
        canvas->setPixmap(QPixmap());
        view.SCADA_SSTab->setTabCaption(p, QStringLiteral("Сторінка %1").arg(p + 1));
        if (pg.Stranica_Fon_Flag(p) != 1)
            continue;
        const QString &name = pg.Stranica_Fon_Name(p);
        if (name.isEmpty()) {
            canvas->hide();
            view.selectTab(p);
            continue;
        }
        const QPixmap picture = QPixmap::fromImage(readPicture(inFolder(QDir::currentPath(), name)));
        if (picture.isNull())
            continue;
        canvas->setPixmap(picture);
        view.selectTab(p);
        canvas->show();
    }
    view.selectTab(0);
}

void ProjectMenu::restoreNamesAndColours()
{
    PageView &view = pageView_;
    ProjectModel &m = m_;
    const auto &pg = m.pages;
    const int N = m.settings.Stranica_Count;
    // The page names of the file, each set on its tab.
    if (hasMechanisms(m.settings.Format_Version)) {
        m.settings.Load_Project_Flag = 1;
        for (int k = 0; k <= 15; ++k) {
            view.selectTab(k);
            view.SCADA_SSTab->setTabCaption(k, pg.Stranica_Name(k));
        }
        m.settings.Load_Project_Flag = 0;
        view.selectTab(0);
    }
    // The page colours; every page canvas is shown again.
    for (int p = 0; p <= N - 1 && p < PageView::kPages; ++p) {
        QLabel *canvas = view.SCADA_Picture[static_cast<std::size_t>(p)];
        const std::int32_t bgr = pg.Stranica_Fon_Color(p);
        QPalette pal = canvas->palette();
        pal.setColor(QPalette::Window, QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF));
        canvas->setPalette(pal);
        canvas->show();
    }
}

} // namespace pelmora
