#include "mainwindow/config_scada.h"

#include "algorithm/mem_algorithm.h"
#include "blockparams/property_block.h"
#include "element_dialogs/element_openers.h"
#include "link/controller_link.h"
#include "link/write_schema.h"
#include "mainwindow/logo.h"
#include "monitors/calculiator.h"
#include "monitors/monitor_menu.h"
#include "pages/page_dialogs.h"
#include "pages/page_editor.h"
#include "pages/page_view.h"
#include "project/config_project.h"
#include "project/project_menu.h"
#include "project/schema_view.h"
#include "project/startup.h"
#include "ui/guarded_application.h"
#include "upload/mechanism_upload.h"
#include "upload/scada_upload.h"
#include "upload/schema_upload.h"
#include "upload/shown_page_views.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace pelmora {

Config_SCADA::Config_SCADA() : model_(std::make_unique<ProjectModel>()), link_(std::make_unique<ControllerLink>())
{
    setObjectName(QStringLiteral("Config_SCADA"));
    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("Client"));
    setCentralWidget(Client);

    buildMenuTree(*this, menuBar(), this);
    connect(mnuHelp5, &QAction::triggered, this, &Config_SCADA::mnuHelp5_Click);
    connect(mnuHelp4, &QAction::triggered, this, &Config_SCADA::mnuHelp4_Click);
    connect(mnuHelp3, &QAction::triggered, this, &Config_SCADA::mnuHelp3_Click);
    connect(mnuHelp1, &QAction::triggered, this, &Config_SCADA::mnuHelp1_Click);
    connect(mnuHelp2, &QAction::triggered, this, &Config_SCADA::mnuHelp2_Click);
    connect(mnuExit, &QAction::triggered, this, &Config_SCADA::mnuExit_Click);

    Logo = new QLabel(Client);
    Logo->setObjectName(QStringLiteral("Logo"));
    Logo->setPixmap(drawLogo());
    Logo->setGeometry(168, 92, 457, 179);

    Block_IMAGE[0] = new QLabel(Client);
    Block_IMAGE[0]->setObjectName(QStringLiteral("Block_IMAGE_0"));
    Block_IMAGE[0]->setGeometry(0, 0, 40, 40);
    Block_IMAGE[0]->hide();

    Varning_Text = new QLineEdit(QStringLiteral("Попередження"), Client);
    Varning_Text->setObjectName(QStringLiteral("Varning_Text"));
    Varning_Text->hide();

    Form_Load();
    attachSubsystems();
}

Config_SCADA::~Config_SCADA()
{
    HandlerGuard::instance().removeTransferStop(this);
    // The subsystem objects go before the model, the link and the registry they use.
    elementOpeners.reset();
    // The mechanism upload is a child of this window; it gives back its claim
    // on the link while the model still exists.
    delete MechanismUpload::find(*this);
    scadaUpload.reset();
    projectMenu.reset();
    projectSettings.reset();
    schemaView.reset();
    pageEditor.reset();
    pageView.reset();
    schemaUpload.reset();
}

// Creates the subsystem objects that hold their handlers, each given the model,
// this window's port and the other subsystems' objects it works with.
void Config_SCADA::attachSubsystems()
{
    ProjectModel &m = *model_;
    schemaUpload = std::make_unique<SchemaUpload>(m, *this);
    connect(MnuSaveOrvo, &QAction::triggered, schemaUpload.get(), &SchemaUpload::MnuSaveOrvo_Click);
    pageView = std::make_unique<PageView>(m, *this);
    pageEditor = std::make_unique<PageEditor>(m, *this, *pageView);
    pageView->blinkTick = [this] { pageEditor->Signal_Timer_Miganie_SCADA_Timer(); };
    schemaView = std::make_unique<SchemaView>(m, *this, *pageView);
    projectSettings = std::make_unique<ProjectSettingsMenu>(m, *this, *schemaView, *pageView);
    projectMenu = std::make_unique<ProjectMenu>(m, *this, *schemaView, *pageView, *pageEditor);
    projectSettings->mayReplaceProject = [this] { return projectMenu->askToSaveChanges(); };
    // A double-click on a page element opens its kind's dialog.
    elementOpeners = std::make_unique<ElementOpeners>(m, *this, *pageEditor);
    connect(mnuCalculiator, &QAction::triggered, this, [this] { Calculiator::mnuCalculiator_Click(*this); });

    // Writing pages into the controller: each page drawn as its canvas and
    // views show it, its tab shown while it is written.
    scadaUpload = std::make_unique<ScadaUpload>(m, *this);
    scadaUpload->pageViews = [this](int page) { return shownPageViews(*pageView, pageEditor->elements, page); };
    scadaUpload->selectPage = [this](int page) {
        if (pageView->SCADA_SSTab->Tab() != page)
            pageView->selectTab(page);
    };
    connect(MnuSaveOrvoSCADA, &QAction::triggered, scadaUpload.get(), &ScadaUpload::MnuSaveOrvoSCADA_Click);
    connect(MnuAllSaveOrvoSCADA, &QAction::triggered, scadaUpload.get(), &ScadaUpload::MnuAllSaveOrvoSCADA_Click);
    projectMenu->linkStarted = [this](int linkKind) { scadaUpload->projectOpened(linkKind); };
    // The trend monitors: "&Монітор Orvo", and "&Монітор Tesk", which stays hidden.
    connectMonitorMenu(m, *this);

    HandlerGuard::instance().addTransferStop(this, [this] { stopTransfers(); });
}

void Config_SCADA::stopTransfers()
{
    schemaUpload->stop();
    scadaUpload->stop();
    if (MechanismUpload *u = MechanismUpload::find(*this))
        u->stop();
    stopMonitorReadouts(*this);
}

void buildMenuTree(MainMenu &menu, QMenuBar *bar, QWidget *owner)
{
    MainMenu &u = menu;
    auto item = [&u](QMenu *m, QAction *&action, const char *name, const QString &caption) {
        action = caption == QLatin1String("-") ? m->addSeparator() : m->addAction(caption);
        action->setObjectName(QLatin1String(name));
        u.menuItems << action;
        return action;
    };
    auto top = [&u, bar](QAction *&action, const char *name, const QString &caption) {
        QMenu *m = bar->addMenu(caption);
        m->setObjectName(QLatin1String(name) + QStringLiteral("_menu"));
        action = m->menuAction();
        action->setObjectName(QLatin1String(name));
        u.menuItems << action;
        return m;
    };
    QMenu *file = top(u.mnuFile, "mnuFile", QStringLiteral("&Файл"));
    item(file, u.mnuNEW, "mnuNEW", QStringLiteral("&Створити проект"));
    item(file, u.mnuLoad, "mnuLoad", QStringLiteral("&Відкрити проект"));
    item(file, u.mnuSave, "mnuSave", QStringLiteral("&Зберегти проект"));
    u.mnuSave->setEnabled(false);
    item(file, u.mnu5, "mnu5", QStringLiteral("-"));
    item(file, u.mnuNetlist, "mnuNetlist", QStringLiteral("&Відкрити Netlist P-CAD"));
    item(file, u.mnu1, "mnu1", QStringLiteral("-"));
    item(file, u.mnuExit, "mnuExit", QStringLiteral("&Вихід"));

    QMenu *config = top(u.mnuConfig, "mnuConfig", QStringLiteral("&Конфігуратор"));
    item(config, u.mnuSchema, "mnuSchema", QStringLiteral("&Схема"));
    item(config, u.MnuSCADA, "MnuSCADA", QStringLiteral("&SCADA"));
    item(config, u.mmnu, "mmnu", QStringLiteral("-"));
    item(config, u.mnuNastrojki, "mnuNastrojki", QStringLiteral("&Налаштування"));

    QMenu *scada = top(u.MnuSCADA1, "MnuSCADA1", QStringLiteral("&SCADA"));
    item(scada, u.MnuInsertFonSCADA, "MnuInsertFonSCADA", QStringLiteral("&Встановити фон SCADA"));
    item(scada, u.MnuColorFonSCADA, "MnuColorFonSCADA", QStringLiteral("&Колір фону"));
    scada->addSeparator();
    item(scada, u.mnuBlockSCADA, "mnuBlockSCADA", QStringLiteral("&Блокування елементів"));
    u.mnuBlockSCADA->setCheckable(true);
    u.mnuBlockSCADA->setChecked(true);
    item(scada, u.MnuCoordNetSCADA, "MnuCoordNetSCADA", QStringLiteral("&Координатна сітка"));
    scada->addSeparator();
    item(scada, u.MnuLine, "MnuLine", QStringLiteral("&Лінія"));
    u.MnuLine->setEnabled(false);
    item(scada, u.MnuFigura, "MnuFigura", QStringLiteral("&Фігура"));
    scada->addSeparator();
    item(scada, u.MnuMenuSCADA, "MnuMenuSCADA", QStringLiteral("&Меню"));
    item(scada, u.mnuText, "mnuText", QStringLiteral("&Текст"));
    item(scada, u.MnuGotoBlockSCADA, "MnuGotoBlockSCADA", QStringLiteral("&Перехід у блок"));
    item(scada, u.MnuParametrSCADA, "MnuParametrSCADA", QStringLiteral("&Параметр"));
    item(scada, u.MnuLevelSCADA, "MnuLevelSCADA", QStringLiteral("&Рівень"));
    item(scada, u.mnuManometr, "mnuManometr", QStringLiteral("&Манометр"));
    u.mnuManometr->setVisible(false);
    item(scada, u.MnuSignalSCADA, "MnuSignalSCADA", QStringLiteral("&Сигналізація"));
    item(scada, u.MnuTextSignal, "MnuTextSignal", QStringLiteral("&Текстова сигналізація"));
    item(scada, u.mnuVent, "mnuVent", QStringLiteral("&Механізм"));
    item(scada, u.MnuControl, "MnuControl", QStringLiteral("&Керування"));
    item(scada, u.MnuJurnSignal, "MnuJurnSignal", QStringLiteral("&Попередження"));
    item(scada, u.MnuClockSCADA, "MnuClockSCADA", QStringLiteral("&Годинник"));

    QMenu *orvo = top(u.MnuOrvo, "MnuOrvo", QStringLiteral("&Контролер Orvo_Tesk"));
    item(orvo, u.MnuSaveOrvo, "MnuSaveOrvo", QStringLiteral("&Записати схему в Orvo_Tesk"));
    item(orvo, u.MnuSaveOrvoSCADA, "MnuSaveOrvoSCADA", QStringLiteral("&Записати сторінку SCADA у Orvo"));
    item(orvo, u.MnuAllSaveOrvoSCADA, "MnuAllSaveOrvoSCADA", QStringLiteral("&Записати сторінки SCADA у Orvo ..."));

    QMenu *tools = top(u.mnuTesk, "mnuTesk", QStringLiteral("&Додатки"));
    item(tools, u.mnuCalculiator, "mnuCalculiator", QStringLiteral("&Калькулятор"));
    item(tools, u.mnuOSC, "mnuOSC", QStringLiteral("&Монітор Tesk"));
    u.mnuOSC->setVisible(false);
    item(tools, u.mnuOSC_Orvo, "mnuOSC_Orvo", QStringLiteral("&Монітор Orvo"));

    QMenu *help = top(u.mnuHelp, "mnuHelp", QStringLiteral("&Довідка"));
    const std::array<QAction **, 5> versionSlots = {&u.mnuHelp5, &u.mnuHelp4, &u.mnuHelp3, &u.mnuHelp1, &u.mnuHelp2};
    for (std::size_t i = 0; i < versionItems().size(); ++i) {
        const VersionItem &v = versionItems()[i];
        QAction *a = item(help, *versionSlots[i], v.menuName, QString::fromUtf16(v.caption));
        a->setCheckable(true);
    }
    // The page editor's context menu: never on the menu bar.
    u.mnuEditMenu = new QMenu(QStringLiteral("&Редагувати"), owner);
    u.mnuEdit = u.mnuEditMenu->menuAction();
    u.mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    u.mnuEdit->setVisible(false);
    u.menuItems << u.mnuEdit;
    item(u.mnuEditMenu, u.mnuCopy, "mnuCopy", QStringLiteral("&Копіювати"));
    item(u.mnuEditMenu, u.mnuPaste, "mnuPaste", QStringLiteral("&Вставити"));
    item(u.mnuEditMenu, u.mnuDelete, "mnuDelete", QStringLiteral("&Видалити"));
}

void Config_SCADA::Form_Load()
{
    // The catalogue, the per-type tables and the model's start values, with the
    // model part of the 5.71 version item; then the window's part of it.
    startUpModel(*model_);
    mnuHelp5_Click();
    mnuNetlist->setVisible(false);
    mnu5->setVisible(false);
    Varning_Text->resize(400, 19);
    // 12150 x 8550 twips; the layout is fixed, so the window cannot be resized.
    setFixedSize(810, 570);
    // The project menus appear once a project exists.
    mnuConfig->setVisible(false);
    MnuSCADA1->setVisible(false);
    MnuOrvo->setVisible(false);
    MnuSaveOrvoSCADA->setVisible(false);
    MnuAllSaveOrvoSCADA->setVisible(false);
    // Items 1 to 104 of the schema view: hidden copies of the template.
    for (int i = 1; i <= 104; ++i) {
        if (Block_IMAGE[i])
            continue;
        auto *img = new QLabel(Client);
        img->setObjectName(QStringLiteral("Block_IMAGE_%1").arg(i));
        img->setGeometry(Block_IMAGE[0]->geometry());
        img->hide();
        Block_IMAGE[i] = img;
    }
}

void Config_SCADA::selectVersion(const VersionItem &item)
{
    applyVersionItem(*model_, item);
    setWindowTitle(QString::fromUtf16(item.windowCaption));
    mnuVent->setVisible(item.mechanismsVisible);
    for (const VersionItem &v : versionItems())
        versionAction(v)->setChecked(false);
    versionAction(item)->setChecked(true);
}

QAction *Config_SCADA::versionAction(const VersionItem &item) const { return menuItem(QLatin1String(item.menuName)); }

void Config_SCADA::mnuHelp1_Click() { selectVersion(*versionItemByCode(0)); }
void Config_SCADA::mnuHelp2_Click() { selectVersion(*versionItemByCode(1)); }
void Config_SCADA::mnuHelp3_Click() { selectVersion(*versionItemByCode(3)); }
void Config_SCADA::mnuHelp4_Click() { selectVersion(*versionItemByCode(5)); }
void Config_SCADA::mnuHelp5_Click() { selectVersion(*versionItemByCode(6)); }

void Config_SCADA::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    // The windows unloaded when the main window closes, in this order. The
    // trend monitors, the mechanism phase editor, the Modbus request dialog,
    // the menu-item dialog and the page network-number dialog are not among
    // them: they stay open.
    registry_.unload<PropertyBLOCK>();
    registry_.unload<Config_Project>();
    registry_.unload<pages::Coord_Setka>();
    registry_.unload<Write_SCHEMA>();
    registry_.unload<Mem_ALGORITHM>();
    registry_.unload<Calculiator>();
    keepMainWhileMonitorsOpen(*this);
}

void Config_SCADA::enableSettings(bool enabled)
{
    Config_Project *settings = registry_.find<Config_Project>();
    if (!settings)
        return;
    settings->setEnabled(enabled);
    // A dialog enabled while a transfer is still under way (its progress
    // window's "Відміна", the pause between two pages of a range) stays
    // read-only until the transfer ends.
    settings->showLinkBusy(model_->link.transferUnderWay());
}

void Config_SCADA::mnuExit_Click() { close(); }

void Config_SCADA::closeEvent(QCloseEvent *event)
{
    // A window that disables the main window must be closed first.
    if (QWidget *open = registry_.blocker()) {
        event->ignore();
        open->raise();
        open->activateWindow();
        return;
    }
    // Unsaved changes are saved or given up only when the user says so.
    if (!unloaded_ && projectMenu && !projectMenu->askToSaveChanges()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void Config_SCADA::changeEvent(QEvent *event)
{
    // Activating the disabled main window (a click on it) brings the window
    // that disables it to the front.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        if (QWidget *open = registry_.blocker())
            QTimer::singleShot(0, open, [open] {
                open->raise();
                open->activateWindow();
            });
    QMainWindow::changeEvent(event);
}

} // namespace pelmora
