#include "project/config_scada.h"

#include "monitors/calculiator.h"
#include "pages/page_editor.h"
#include "pages/page_view.h"
#include "project/config_project.h"
#include "project/logo.h"
#include "project/project_menu.h"
#include "project/schema_view.h"
#include "project/startup.h"
#include "upload/controller_link.h"
#include "upload/schema_upload.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace pelmora {
namespace {

// Windows the main window unloads when it closes, in this order. The trend
// monitors, the mechanism phase editor, the Modbus request dialog, the menu-item
// dialog and the page network-number dialog are not on it: they stay open.
// clang-format off
const char *const kUnloadOrder[] = {
    "PropertyBLOCK", "Config_Project", "Coord_Setka",     "Figura",      "Go_Block_SCADA",
    "Grafik_SCADA",  "Image_Control",  "Level_SCADA",     "Parametr_Text_SCADA", "Signal_SCADA",
    "Text_Label",    "Text_Signal_SCADA", "Type_Control", "Vent",        "Write_SCHEMA",
    "Mem_ALGORITHM", "Save_n_SCADA",   "Calculiator",     "Varning",
};
// clang-format on

} // namespace

Config_SCADA::Config_SCADA() : model_(std::make_unique<ProjectModel>())
{
    setObjectName(QStringLiteral("Config_SCADA"));
    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("Client"));
    setCentralWidget(Client);

    buildMenus();

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

Config_SCADA::~Config_SCADA() = default;

// Creates the subsystem objects that hold their handlers and connects their
// menu items. One line (or a short block) per subsystem.
void Config_SCADA::attachSubsystems()
{
    // -- subsystem objects --
    link = std::make_unique<ControllerLink>();
    schemaUpload = std::make_unique<SchemaUpload>(*this);
    connect(MnuSaveOrvo, &QAction::triggered, schemaUpload.get(), &SchemaUpload::MnuSaveOrvo_Click);
    pageView = std::make_unique<PageView>(*this);
    schemaView = std::make_unique<SchemaView>(*this);
    projectSettings = std::make_unique<ProjectSettingsMenu>(*this);
    pageEditor = std::make_unique<PageEditor>(*this);
    projectMenu = std::make_unique<ProjectMenu>(*this);
    connect(mnuCalculiator, &QAction::triggered, this, [this] { Calculiator::mnuCalculiator_Click(*this); });
    // -- end of subsystem objects --
}

void Config_SCADA::buildMenus()
{
    QMenuBar *bar = menuBar();
    auto item = [this](QMenu *menu, QAction *&action, const char *name, const QString &caption) {
        action = caption == QLatin1String("-") ? menu->addSeparator() : menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        menuItems_ << action;
        return action;
    };
    auto top = [this, bar](QAction *&action, const char *name, const QString &caption) {
        QMenu *menu = bar->addMenu(caption);
        menu->setObjectName(QLatin1String(name) + QStringLiteral("_menu"));
        action = menu->menuAction();
        action->setObjectName(QLatin1String(name));
        menuItems_ << action;
        return menu;
    };

    QMenu *file = top(mnuFile, "mnuFile", QStringLiteral("&Файл"));
    item(file, mnuNEW, "mnuNEW", QStringLiteral("&Створити проект"));
    item(file, mnuLoad, "mnuLoad", QStringLiteral("&Відкрити проект"));
    item(file, mnuSave, "mnuSave", QStringLiteral("&Зберегти проект"));
    mnuSave->setEnabled(false);
    item(file, mnu5, "mnu5", QStringLiteral("-"));
    item(file, mnuNetlist, "mnuNetlist", QStringLiteral("&Відкрити Netlist P-CAD"));
    item(file, mnu1, "mnu1", QStringLiteral("-"));
    item(file, mnuExit, "mnuExit", QStringLiteral("&Вихід"));

    QMenu *config = top(mnuConfig, "mnuConfig", QStringLiteral("&Конфігуратор"));
    item(config, mnuSchema, "mnuSchema", QStringLiteral("&Схема"));
    item(config, MnuSCADA, "MnuSCADA", QStringLiteral("&SCADA"));
    item(config, mmnu, "mmnu", QStringLiteral("-"));
    item(config, mnuNastrojki, "mnuNastrojki", QStringLiteral("&Налаштування"));

    QMenu *scada = top(MnuSCADA1, "MnuSCADA1", QStringLiteral("&SCADA"));
    item(scada, MnuInsertFonSCADA, "MnuInsertFonSCADA", QStringLiteral("&Встановити фон SCADA"));
    item(scada, MnuColorFonSCADA, "MnuColorFonSCADA", QStringLiteral("&Колір фону"));
    scada->addSeparator();
    item(scada, mnuBlockSCADA, "mnuBlockSCADA", QStringLiteral("&Блокування елементів"));
    mnuBlockSCADA->setCheckable(true);
    mnuBlockSCADA->setChecked(true);
    item(scada, MnuCoordNetSCADA, "MnuCoordNetSCADA", QStringLiteral("&Координатна сітка"));
    scada->addSeparator();
    item(scada, MnuLine, "MnuLine", QStringLiteral("&Лінія"));
    MnuLine->setEnabled(false);
    item(scada, MnuFigura, "MnuFigura", QStringLiteral("&Фігура"));
    scada->addSeparator();
    item(scada, MnuMenuSCADA, "MnuMenuSCADA", QStringLiteral("&Меню"));
    item(scada, mnuText, "mnuText", QStringLiteral("&Текст"));
    item(scada, MnuGotoBlockSCADA, "MnuGotoBlockSCADA", QStringLiteral("&Перехід у блок"));
    item(scada, MnuParametrSCADA, "MnuParametrSCADA", QStringLiteral("&Параметр"));
    item(scada, MnuLevelSCADA, "MnuLevelSCADA", QStringLiteral("&Рівень"));
    item(scada, mnuManometr, "mnuManometr", QStringLiteral("&Манометр"));
    mnuManometr->setVisible(false);
    item(scada, MnuSignalSCADA, "MnuSignalSCADA", QStringLiteral("&Сигналізація"));
    item(scada, MnuTextSignal, "MnuTextSignal", QStringLiteral("&Текстова сигналізація"));
    item(scada, mnuVent, "mnuVent", QStringLiteral("&Механізм"));
    item(scada, MnuControl, "MnuControl", QStringLiteral("&Керування"));
    item(scada, MnuJurnSignal, "MnuJurnSignal", QStringLiteral("&Попередження"));
    item(scada, MnuClockSCADA, "MnuClockSCADA", QStringLiteral("&Годинник"));

    QMenu *orvo = top(MnuOrvo, "MnuOrvo", QStringLiteral("&Контролер Orvo_Tesk"));
    item(orvo, MnuSaveOrvo, "MnuSaveOrvo", QStringLiteral("&Записати схему в Orvo_Tesk"));
    item(orvo, MnuSaveOrvoSCADA, "MnuSaveOrvoSCADA", QStringLiteral("&Записати сторінку SCADA у Orvo"));
    item(orvo, MnuAllSaveOrvoSCADA, "MnuAllSaveOrvoSCADA", QStringLiteral("&Записати сторінки SCADA у Orvo ..."));

    QMenu *tools = top(mnuTesk, "mnuTesk", QStringLiteral("&Додатки"));
    item(tools, mnuCalculiator, "mnuCalculiator", QStringLiteral("&Калькулятор"));
    item(tools, mnuOSC, "mnuOSC", QStringLiteral("&Монітор Tesk"));
    mnuOSC->setVisible(false);
    item(tools, mnuOSC_Orvo, "mnuOSC_Orvo", QStringLiteral("&Монітор Orvo"));

    QMenu *help = top(mnuHelp, "mnuHelp", QStringLiteral("&Довідка"));
    const std::array<QAction **, 5> versionSlots = {&mnuHelp5, &mnuHelp4, &mnuHelp3, &mnuHelp1, &mnuHelp2};
    for (std::size_t i = 0; i < versionItems().size(); ++i) {
        const VersionItem &v = versionItems()[i];
        QAction *a = item(help, *versionSlots[i], v.menuName, QString::fromUtf16(v.caption));
        a->setCheckable(true);
    }
    connect(mnuHelp5, &QAction::triggered, this, &Config_SCADA::mnuHelp5_Click);
    connect(mnuHelp4, &QAction::triggered, this, &Config_SCADA::mnuHelp4_Click);
    connect(mnuHelp3, &QAction::triggered, this, &Config_SCADA::mnuHelp3_Click);
    connect(mnuHelp1, &QAction::triggered, this, &Config_SCADA::mnuHelp1_Click);
    connect(mnuHelp2, &QAction::triggered, this, &Config_SCADA::mnuHelp2_Click);
    connect(mnuExit, &QAction::triggered, this, &Config_SCADA::mnuExit_Click);

    // The page editor's context menu: never on the menu bar.
    mnuEditMenu = new QMenu(QStringLiteral("&Редагувати"), this);
    mnuEdit = mnuEditMenu->menuAction();
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEdit->setVisible(false);
    menuItems_ << mnuEdit;
    item(mnuEditMenu, mnuCopy, "mnuCopy", QStringLiteral("&Копіювати"));
    item(mnuEditMenu, mnuPaste, "mnuPaste", QStringLiteral("&Вставити"));
    item(mnuEditMenu, mnuDelete, "mnuDelete", QStringLiteral("&Видалити"));
}

QAction *Config_SCADA::menuItem(const QString &name) const
{
    for (QAction *a : menuItems_)
        if (a->objectName() == name)
            return a;
    return nullptr;
}

void Config_SCADA::Form_Load()
{
    ProjectModel &m = *model_;
    // Model steps 1, 3, 6 to 9, 11, 13, 14 and 16, with the 5.71 version item's model part.
    startUpModel(m);
    // 2. the window's part of the 5.71 version item.
    mnuHelp5_Click();
    // 4.
    mnuNetlist->setVisible(false);
    mnu5->setVisible(false);
    // 5.
    Varning_Text->resize(400, 19);
    // 10. 12150 x 8550 twips.
    resize(810, 570);
    // 12.
    mnuConfig->setVisible(false);
    MnuSCADA1->setVisible(false);
    MnuOrvo->setVisible(false);
    MnuSaveOrvoSCADA->setVisible(false);
    MnuAllSaveOrvoSCADA->setVisible(false);
    // 15. items 1 to 104 of the schema view, hidden copies of the template.
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

void Config_SCADA::registerWindow(const QString &name, QWidget *window) { windows_.insert(name, window); }

QWidget *Config_SCADA::openWindow(const QString &name) const { return windows_.value(name).data(); }

void Config_SCADA::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    for (const char *name : kUnloadOrder) {
        QWidget *w = openWindow(QLatin1String(name));
        if (!w)
            continue; // a window that is not open is left alone
        w->close();
        w->deleteLater();
        windows_.remove(QLatin1String(name));
    }
}

void Config_SCADA::mnuExit_Click() { close(); }

void Config_SCADA::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept(); // closing is never refused
}

} // namespace pelmora
