#include "project/project_menu.h"

#include "core/services.h"
#include "pages/page_editor.h"
#include "pages/page_restore.h"
#include "pages/page_view.h"
#include "project/config_scada.h"
#include "project/format_version.h"
#include "project/project_file.h"
#include "project/project_file_disk.h"
#include "project/project_file_layout.h"
#include "project/schema_view.h"
#include "schema/schema_import.h"
#include "upload/controller_link.h"

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

// The file dialog leaves the chosen file's folder current: the copies and the
// later opening look for the project's files there.
void makeFolderCurrent(const QString &file) { QDir::setCurrent(QFileInfo(file).absolutePath()); }

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

ProjectMenu::ProjectMenu(Config_SCADA &main) : main_(main)
{
    connect(main_.mnuSave, &QAction::triggered, this, &ProjectMenu::mnuSave_Click);
    connect(main_.mnuLoad, &QAction::triggered, this, &ProjectMenu::mnuLoad_Click);
}

void ProjectMenu::mnuSave_Click()
{
    ProjectModel &m = main_.model();
    auto &s = m.settings;
    // 1. and 2.
    FileDialogRequest request;
    request.filter = kProjectFilter;
    request.defaultName = s.Name_Project;
    const std::optional<QString> chosen = Services::files().save(request);
    if (!chosen || chosen->isEmpty())
        return;
    const QString path = QFileInfo(*chosen).absoluteFilePath();
    makeFolderCurrent(path);
    // 4.
    if (s.Project_File_Path != path) {
        if (showMessage(QString::fromUtf16(kNameDiffers), MsgIcon::None, MsgButtons::YesNo) != MsgAnswer::Yes)
            return;
        s.Project_File_Path = path;
    }
    // Two ALGORITHM blocks share the one stored program.
    if (algorithmBlockCount(m) > 1)
        showMessage(QString::fromUtf16(kOneAlgorithmProgram), MsgIcon::Exclamation);
    // 7. and 9. the counts of the version; 8. the element lock.
    prepareForSave(m);
    main_.mnuBlockSCADA->setChecked(true);
    // 10.
    const SaveResult saved = saveProjectFile(m, path);
    if (!saved.ok) {
        showMessage(QString::fromUtf16(kFileLocked), MsgIcon::Critical);
        return;
    }
    // 12. and 13. the netlist and the page pictures next to the project file.
    const CopyResult copies = copyProjectFiles(m, QDir::currentPath());
    if (!copies.failed.isEmpty())
        showMessage(QString::fromUtf16(kCopyFailed) + u'\n' + copies.failed.join(u'\n'), MsgIcon::Exclamation);
}

void ProjectMenu::mnuLoad_Click()
{
    ProjectModel &m = main_.model();
    // 1. and 2.
    main_.Logo->hide();
    FileDialogRequest request;
    request.filter = kProjectFilter;
    const std::optional<QString> chosen = Services::files().open(request);
    if (!chosen)
        return;
    // 3. No file: the netlist of the project in memory is imported again.
    if (chosen->isEmpty()) {
        importAndFinish();
        return;
    }
    const QString path = QFileInfo(*chosen).absoluteFilePath();
    makeFolderCurrent(path);

    // 4. to 12. and the sections of the file, read whole into a copy of the
    // open project; only a file read to its end replaces it.
    ProjectModel staging = m;
    const ReadResult read = openProjectFile(path, staging, QDir::currentPath());
    if (!read.ok) {
        showMessage(unreadableMessage(read), MsgIcon::Critical);
        return;
    }
    staging.settings.Project_File_Path = path;
    staging.settings.Nastrojki_Flag = 0;

    applyWindowState(staging, read.version);
    // 10. The link of the opened project; a socket that fails does not stop the opening.
    // (The pause between the pages of a multi-page write, 3000 ms for link kind 9
    // and 1000 ms for the others, is the page range writer's to take from Num_COM_Link.)
    if (main_.link)
        startProjectLink(*main_.link, staging);
    // 11. to 14. (Unloading the old element views and loading the new ones
    // belongs to the page editor's canvases; the tables are filled here.)
    m.pages.Varning_Stranica = 0;
    restoreBackgrounds(staging);
    adoptProject(m, std::move(staging), read);
    restoreNamesAndColours();
    if (main_.pageEditor)
        restorePageElements(main_);
    importAndFinish();
}

void ProjectMenu::applyWindowState(const ProjectModel &m, std::optional<int> version)
{
    // 5. the save item and the version's check mark.
    main_.mnuSave->setEnabled(true);
    if (version) {
        for (const VersionItem &item : versionItems())
            if (QAction *a = main_.menuItem(QLatin1String(item.menuName)))
                a->setChecked(item.code == *version);
    }
    // 8. the address box of the settings dialog, when it is loaded.
    if (QWidget *settings = main_.openWindow(QStringLiteral("Config_Project"))) {
        if (auto *ip = settings->findChild<QLineEdit *>(QStringLiteral("IP_address"))) {
            if (m.settings.Num_COM_Link == 9)
                ip->setEnabled(true);
            else if (m.settings.Num_COM_Link == 10)
                ip->setEnabled(false);
        }
    }
    // 9. The warning banner is hidden and its dialog's page list shows "No".
    main_.mnuNetlist->setVisible(true);
    main_.mnu5->setVisible(true);
    main_.Varning_Text->hide();
    if (QWidget *varning = main_.openWindow(QStringLiteral("Varning")))
        if (auto *list = varning->findChild<QComboBox *>(QStringLiteral("Num_Sheet_Var")))
            list->setCurrentIndex(0);
}

void ProjectMenu::importAndFinish()
{
    ProjectModel &m = main_.model();
    // 13.
    if (!importNetlistFile(m, m.settings.Name_Schema)) {
        showMessage(QString::fromUtf16(kNetlistMissing) + m.settings.Name_Schema, MsgIcon::Exclamation);
        return;
    }
    // 14. to 16.
    main_.setEnabled(true);
    main_.mnuConfig->setVisible(true);
    main_.MnuOrvo->setVisible(true);
    main_.setWindowTitle(captionWithPath(m.settings.Format_Version, m.settings.Name_Schema));
    if (main_.schemaView)
        main_.schemaView->Draw_Schema();
}

void ProjectMenu::restoreBackgrounds(const ProjectModel &opened)
{
    if (!main_.pageView)
        return;
    PageView &view = *main_.pageView;
    const auto &pg = opened.pages;
    const int N = opened.settings.Stranica_Count;
    // 13. Captions and background pictures, page by page; a picture that
    // cannot be loaded leaves its page with a cleared picture.
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
        QPixmap picture;
        if (!picture.load(inFolder(QDir::currentPath(), name)))
            continue;
        canvas->setPixmap(picture);
        view.selectTab(p);
        canvas->show();
    }
    // 14.
    view.selectTab(0);
}

void ProjectMenu::restoreNamesAndColours()
{
    if (!main_.pageView)
        return;
    PageView &view = *main_.pageView;
    ProjectModel &m = main_.model();
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
