#include "project/config_project.h"

#include "core/numbers.h"
#include "core/serial_ports.h"
#include "core/services.h"
#include "pages/page_view.h"
#include "project/config_project_model.h"
#include "project/project_menu.h"
#include "project/schema_drawing.h"
#include "project/schema_view.h"
#include "schema/netlist_reader.h"
#include "schema/schema_import.h"
#include "ui/main_menu.h"
#include "ui/main_window_port.h"
#include "ui/window_frame.h"
#include "ui/window_registry.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace pelmora {
namespace {

const char16_t kCaption[] = u"Проект";
const char16_t kEmptySchema[] = u"Пусто";
const char16_t kMainCaption[] = u"Конфігуратор Orvo - ";
const char16_t kPeriodTooLarge[] = u"Період запиту має бути від -32768 до 32767 мс!";
const char16_t kPortOutOfRange[] = u"Номер порту має бути від 0 до 65535!";
const char16_t kLinkBusyNote[] = u"Іде обмін з контролером: налаштування лише для перегляду.";

// How often the shown dialog looks at the link.
constexpr int kLinkLookMs = 250;

// The link list: eight serial ports (a Cyrillic "С" before the Latin "OM"),
// then the two TCP kinds.
// clang-format off
const char16_t *const kLinkItems[] = {
    u"\u0421OM1", u"\u0421OM2", u"\u0421OM3", u"\u0421OM4", u"\u0421OM5",
    u"\u0421OM6", u"\u0421OM7", u"\u0421OM8", u"TCP/IP клієнт", u"TCP/IP сервер",
};
// clang-format on

constexpr int kTcpClient = 9, kTcpServer = 10;

} // namespace

Config_Project::Config_Project(ProjectModel &m, MainWindowPort &main, SchemaView &schemaView, PageView &pageView)
    : QWidget(nullptr), m_(m), main_(main), menu_(main.menu()), schemaView_(schemaView), pageView_(pageView),
      frame_(new WindowFrame(*this, main.mainWindow(), main.windows(), WindowFrameKind::Modal))
{
    setObjectName(QStringLiteral("Config_Project"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf16(kCaption));
    setFixedSize(430, 345);

    auto label = [this](QLabel *&l, const char *name, const QString &text, int y) {
        l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(12, y + 3, 134, 18);
    };
    auto edit = [this](QLineEdit *&e, const char *name, const QString &text, int y, int w) {
        e = new QLineEdit(text, this);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(150, y, w, 24);
    };
    auto combo = [this](QComboBox *&c, const char *name, int y, int w) {
        c = new QComboBox(this);
        c->setObjectName(QLatin1String(name));
        c->setGeometry(150, y, w, 24);
    };

    label(Label1, "Label1", QStringLiteral("Назва проекту"), 10);
    edit(Name_Project_Text, "Name_Project_Text", QStringLiteral("Назва"), 10, 266);

    label(Label2, "Label2", QStringLiteral("Номер COM"), 42);
    combo(Combo1, "Combo1", 42, 130);
    for (const char16_t *item : kLinkItems)
        Combo1->addItem(QString::fromUtf16(item));
    Combo1->setCurrentIndex(0);
    COM_Device = new QLabel(this);
    COM_Device->setObjectName(QStringLiteral("COM_Device"));
    COM_Device->setGeometry(290, 45, 130, 18);

    label(Label3, "Label3", QStringLiteral("Номер Orvo"), 74);
    combo(Combo2, "Combo2", 74, 130);
    for (int n = 1; n <= 8; ++n)
        Combo2->addItem(QStringLiteral("№%1").arg(n));
    Combo2->setCurrentIndex(0);

    label(Label5, "Label5", QStringLiteral("IP address:"), 106);
    edit(IP_address, "IP_address", QString(), 106, 266);
    label(Label6, "Label6", QStringLiteral("Port:"), 138);
    edit(Port, "Port", QString(), 138, 100);
    label(Label8, "Label8", QStringLiteral("T запит ms"), 170);
    edit(T_Zapyt_IP, "T_Zapyt_IP", QStringLiteral("300"), 170, 100);
    for (QWidget *w :
         {static_cast<QWidget *>(Label5), static_cast<QWidget *>(IP_address), static_cast<QWidget *>(Label6),
          static_cast<QWidget *>(Port), static_cast<QWidget *>(Label8), static_cast<QWidget *>(T_Zapyt_IP)})
        w->setEnabled(false);

    label(Label7, "Label7", QStringLiteral("Тип проекту"), 202);
    combo(Combo3, "Combo3", 202, 180);
    Combo3->addItem(QStringLiteral("16 сторінок SCADA"));
    Combo3->addItem(QStringLiteral("8 сторінок SCADA"));

    // "Cхема": a Latin "C" before the Cyrillic rest, as the window always showed it.
    label(Label4, "Label4", QString::fromUtf16(u"C\u0445ема P-CAD ASCII"), 234);
    edit(Name_Schema_text, "Name_Schema_text", QString::fromUtf16(kEmptySchema), 234, 266);
    Name_Schema_text->setReadOnly(true);
    {
        QPalette pal = Name_Schema_text->palette();
        pal.setColor(QPalette::Base, QColor(0xE0, 0xE0, 0xE0));
        Name_Schema_text->setPalette(pal);
    }

    Load_Key_SCHEMA = new QPushButton(QStringLiteral("Завантажити"), this);
    Load_Key_SCHEMA->setObjectName(QStringLiteral("Load_Key_SCHEMA"));
    Load_Key_SCHEMA->setGeometry(150, 266, 120, 28);
    Ok = new QPushButton(QStringLiteral("Ok"), this);
    Ok->setObjectName(QStringLiteral("Ok"));
    Ok->setGeometry(150, 306, 120, 28);
    Cancel = new QPushButton(QStringLiteral("Відміна"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    Cancel->setGeometry(296, 306, 120, 28);
    Link_Busy_Note = new QLabel(QString::fromUtf16(kLinkBusyNote), this);
    Link_Busy_Note->setObjectName(QStringLiteral("Link_Busy_Note"));
    Link_Busy_Note->setGeometry(12, 266, 134, 68);
    Link_Busy_Note->setWordWrap(true);
    Link_Busy_Note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Link_Busy_Note->hide();

    // A transfer takes and gives back the link in the link and transfer code,
    // which knows no windows, and several transfers end where nothing tells
    // the windows (a monitor's readout that reads its last packet or stops
    // after its failures, a page range after its last page). The dialog
    // therefore looks at the link itself while it is shown, so it never stays
    // read-only after a transfer has ended, nor editable while one runs.
    Timer_Link = new QTimer(this);
    Timer_Link->setObjectName(QStringLiteral("Timer_Link"));
    Timer_Link->setInterval(kLinkLookMs);
    connect(Timer_Link, &QTimer::timeout, this, &Config_Project::Timer_Link_Timer);

    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
    connect(Load_Key_SCHEMA, &QPushButton::clicked, this, [this] { Load_Key_SCHEMA_Click(); });
    connect(Ok, &QPushButton::clicked, this, [this] { Ok_Click(); });
    connect(Cancel, &QPushButton::clicked, this, [this] { Cancel_Click(); });

    frame_->onEscape([this] { Cancel_Click(); });
    frame_->setDefaultButton(Ok);
    Form_Load();
}

Config_Project::~Config_Project() = default;

void Config_Project::open() { frame_->show(); }

void Config_Project::showLinkKind(int Num_COM_Link)
{
    if (Num_COM_Link == kTcpClient || Num_COM_Link == kTcpServer)
        showAddress(Num_COM_Link);
}

void Config_Project::showAddress(int kind)
{
    // Only a client has a remote address (a server listens); nothing is typed
    // while a transfer is under way.
    IP_address->setEnabled(!linkBusy_ && kind == kTcpClient);
}

void Config_Project::Timer_Link_Timer() { showLinkBusy(m_.link.transferUnderWay()); }

void Config_Project::showLinkBusy(bool busy)
{
    if (busy == linkBusy_)
        return;
    linkBusy_ = busy;
    Link_Busy_Note->setVisible(busy);
    for (QWidget *w :
         {static_cast<QWidget *>(Name_Project_Text), static_cast<QWidget *>(Combo1), static_cast<QWidget *>(Combo2),
          static_cast<QWidget *>(Combo3), static_cast<QWidget *>(Load_Key_SCHEMA)})
        w->setEnabled(!busy);
    showLinkFields();
    Ok->setEnabled(!busy && Name_Schema_text->text() != QString::fromUtf16(kEmptySchema));
}

void Config_Project::showLinkFields()
{
    const int kind = Combo1->currentIndex() + 1;
    const bool tcp = !linkBusy_ && (kind == kTcpClient || kind == kTcpServer);
    for (QWidget *w : {static_cast<QWidget *>(Port), static_cast<QWidget *>(Label5), static_cast<QWidget *>(Label6),
                       static_cast<QWidget *>(Label8), static_cast<QWidget *>(T_Zapyt_IP)})
        w->setEnabled(tcp);
    showAddress(kind);
}

bool Config_Project::refuseWhileLinkBusy()
{
    const auto &s = m_.settings;
    if (!m_.link.transferUnderWay())
        return false;
    showLinkBusy(true);
    if (s.Num_COM_Link >= 1 && s.Num_COM_Link <= Combo1->count())
        Combo1->setCurrentIndex(s.Num_COM_Link - 1);
    if (s.Num_Net >= 1 && s.Num_Net <= Combo2->count())
        Combo2->setCurrentIndex(s.Num_Net - 1);
    Combo3->setCurrentIndex(s.Stranica_Count == 8 ? 1 : 0);
    showDevice();
    return true;
}

void Config_Project::Form_Load()
{
    const auto &s = m_.settings;
    Name_Project_Text->setText(s.Name_Project);
    T_Zapyt_IP->setText(QString::number(s.T_Zapyt));
    Combo3->setCurrentIndex(s.Stranica_Count == 8 ? 1 : 0);
    showDevice();
}

void Config_Project::showDevice()
{
    // A long device path (a serial adapter by its id) is shortened in its
    // middle to the label's width; the whole path is its tooltip.
    const QString device = serialPortDevice(Combo1->currentIndex() + 1);
    COM_Device->setText(COM_Device->fontMetrics().elidedText(device, Qt::ElideMiddle, COM_Device->width()));
    COM_Device->setToolTip(device);
}

void Config_Project::Combo1_Click()
{
    auto &s = m_.settings;
    if (refuseWhileLinkBusy())
        return;
    s.Num_COM_Link = static_cast<std::int16_t>(Combo1->currentIndex() + 1);
    showLinkFields();
    if (s.Num_COM_Link == kTcpClient)
        s.TCP_Server = 0;
    if (s.Num_COM_Link == kTcpServer)
        s.TCP_Server = 1;
    showDevice();
}

void Config_Project::Combo2_Click()
{
    if (refuseWhileLinkBusy())
        return;
    m_.settings.Num_Net = static_cast<std::int16_t>(Combo2->currentIndex() + 1);
}

void Config_Project::Load_Key_SCHEMA_Click()
{
    ProjectModel &m = m_;
    if (refuseWhileLinkBusy())
        return;
    // A cancelled dialog, or a file that cannot be opened, ends the choice
    // silently: nothing changes.
    const std::optional<ChosenNetlist> chosen = chooseAndReadNetlist(m);
    if (!chosen)
        return;
    Name_Schema_text->setText(chosen->path);
    m.settings.Name_Schema = chosen->path;
    Ok->setEnabled(Name_Schema_text->text() != QString::fromUtf16(kEmptySchema));
    // The import shows its own messages.
    Import_NetList(m, chosen->count);
}

void Config_Project::Ok_Click()
{
    ProjectModel &m = m_;
    auto &s = m.settings;
    // Nothing changes under a transfer that is under way.
    if (refuseWhileLinkBusy())
        return;
    // Input that cannot be stored is refused before anything changes.
    const std::optional<std::int32_t> port = portFromText(Port->text());
    if (!port) {
        showMessage(QString::fromUtf16(kPortOutOfRange), MsgIcon::Exclamation);
        return;
    }
    const std::optional<std::int16_t> period = requestPeriodFromText(T_Zapyt_IP->text());
    if (!period) {
        showMessage(QString::fromUtf16(kPeriodTooLarge), MsgIcon::Exclamation);
        return;
    }
    menu_.mnuSave->setEnabled(true);
    schemaView_.clearDrawing();
    s.Name_Project = Name_Project_Text->text();
    s.Adr_IP = IP_address->text();
    s.Port_IP = *port;
    s.T_Zapyt = *period;
    menu_.mnuConfig->setVisible(true);
    menu_.MnuOrvo->setVisible(true);
    // The caption names the netlist, not the project (or says that none is loaded).
    const QString netlist = m.schema.Netlist_Not_Loaded ? QString::fromUtf16(kNetlistNotLoaded) : s.Name_Schema;
    main_.mainWindow().setWindowTitle(QString::fromUtf16(kMainCaption) + netlist);
    schemaView_.Draw_Schema();
    // A new project's blocks get their default texts.
    if (s.Nastrojki_Flag != 1)
        writeNewProjectDefaults(m);
    // Every page gets a name and loses its mechanisms' background flags;
    // selecting each tab runs the tab change.
    for (int p = 0; p <= 15; ++p) {
        resetPageOnConfirm(m, p);
        pageView_.selectTab(p);
        pageView_.SCADA_SSTab->setCaption(m.pages.Stranica_Name(p));
    }
    pageView_.selectTab(0);
    s.Nastrojki_Flag = 0;
    s.Stranica_Count = Combo3->currentIndex() == 1 ? 8 : 16;
    close();
}

void Config_Project::Cancel_Click() { close(); }

void Config_Project::Form_Unload() { m_.settings.Nastrojki_Flag = 0; }

void Config_Project::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void Config_Project::showEvent(QShowEvent *event)
{
    Timer_Link->start();
    QWidget::showEvent(event);
}

void Config_Project::hideEvent(QHideEvent *event)
{
    Timer_Link->stop();
    QWidget::hideEvent(event);
}

ProjectSettingsMenu::ProjectSettingsMenu(ProjectModel &m, MainWindowPort &main, SchemaView &schemaView,
                                         PageView &pageView)
    : m_(m), main_(main), schemaView_(schemaView), pageView_(pageView)
{
    setObjectName(QStringLiteral("ProjectSettingsMenu"));
    connect(main.menu().mnuNEW, &QAction::triggered, this, [this] { mnuNEW_Click(); });
    connect(main.menu().mnuNastrojki, &QAction::triggered, this, [this] { mnuNastrojki_Click(); });
}

Config_Project &ProjectSettingsMenu::dialog()
{
    return main_.windows().open<Config_Project>(
        [this] { return new Config_Project(m_, main_, schemaView_, pageView_); });
}

void ProjectSettingsMenu::mnuNEW_Click()
{
    // A transfer owns its project until it ends.
    if (m_.link.transferUnderWay()) {
        showMessage(QString::fromUtf16(kProjectWhileTransfer), MsgIcon::Exclamation);
        return;
    }
    if (mayReplaceProject && !mayReplaceProject())
        return;
    main_.surface().Logo->setVisible(false);
    Config_Project &dlg = dialog();
    dlg.open();
    dlg.Ok->setEnabled(false);
    m_.settings.Nastrojki_Flag = 0;
}

void ProjectSettingsMenu::mnuNastrojki_Click()
{
    auto &s = m_.settings;
    s.Nastrojki_Flag = 1;
    Config_Project &dlg = dialog();
    dlg.open();
    // A controller write may have left the dialog disabled.
    dlg.setEnabled(true);
    dlg.Name_Schema_text->setText(s.Name_Schema);
    dlg.Ok->setEnabled(dlg.Name_Schema_text->text() != QString::fromUtf16(kEmptySchema));
    // Setting a list from code runs its click handler. A value that is not
    // in the list (a damaged project file) leaves the list and the value alone.
    if (s.Num_COM_Link >= 1 && s.Num_COM_Link <= dlg.Combo1->count()) {
        dlg.Combo1->setCurrentIndex(s.Num_COM_Link - 1);
        dlg.Combo1_Click();
    }
    dlg.IP_address->setText(s.Adr_IP);
    dlg.Port->setText(QString::number(s.Port_IP));
    if (s.Num_Net >= 1 && s.Num_Net <= dlg.Combo2->count()) {
        dlg.Combo2->setCurrentIndex(s.Num_Net - 1);
        dlg.Combo2_Click();
    }
    dlg.T_Zapyt_IP->setText(QString::number(s.T_Zapyt));
    // The settings of a transfer under way are shown read-only.
    dlg.showLinkBusy(m_.link.transferUnderWay());
}

} // namespace pelmora
