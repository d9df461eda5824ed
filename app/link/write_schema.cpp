#include "link/write_schema.h"

#include "core/model/project_model.h"
#include "ui/main_window_port.h"
#include "ui/window_frame.h"
#include "ui/window_registry.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace pelmora {

namespace {

QLabel *label(QWidget *parent, const char *name, const QString &text, int x, int y, int w)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(x, y, w, 17);
    return l;
}

} // namespace

Write_SCHEMA::Write_SCHEMA(ProjectModel &m, MainWindowPort &main)
    : QWidget(nullptr), m_(m), main_(main),
      frame_(new WindowFrame(*this, main.mainWindow(), main.windows(), WindowFrameKind::Modeless))
{
    setObjectName(QStringLiteral("Write_SCHEMA"));
    setWindowTitle(QStringLiteral("Запис схеми в Orvo"));
    setFixedSize(297, 121);

    Label1 = label(this, "Label1", QStringLiteral("Пакет:"), 8, 8, 72);
    Num_Paket_SCADA = label(this, "Num_Paket_SCADA", QStringLiteral("0"), 80, 8, 56);
    Label2 = label(this, "Label2", QStringLiteral("Сторінка:"), 152, 8, 72);
    Numb_Sheet_SCADA = label(this, "Numb_Sheet_SCADA", QStringLiteral("0"), 224, 8, 56);
    Label3 = label(this, "Label3", QStringLiteral("Помилки:"), 8, 32, 72);
    Err_Write_Scada = label(this, "Err_Write_Scada", QStringLiteral("0"), 80, 32, 56);
    Label4 = label(this, "Label4", QStringLiteral("T ms:"), 152, 32, 72);
    T_msec = label(this, "T_msec", QStringLiteral("300"), 224, 32, 56);

    Write_SCHEMA_ProgressBar = new QProgressBar(this);
    Write_SCHEMA_ProgressBar->setObjectName(QStringLiteral("Write_SCHEMA_ProgressBar"));
    Write_SCHEMA_ProgressBar->setRange(0, 10);
    Write_SCHEMA_ProgressBar->setValue(0);
    Write_SCHEMA_ProgressBar->setTextVisible(false);
    Write_SCHEMA_ProgressBar->setGeometry(8, 58, 281, 20);

    Command1 = new QPushButton(QStringLiteral("Відміна"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(104, 86, 89, 27);
    connect(Command1, &QPushButton::clicked, this, &Write_SCHEMA::Command1_Click);
    frame_->onEscape([this] { Command1_Click(); });

    // A window left loaded when the main window goes away goes with it.
    connect(&main.mainWindow(), &QObject::destroyed, this, [this] {
        unloaded_ = true;
        deleteLater();
    });
}

Write_SCHEMA &Write_SCHEMA::load(ProjectModel &m, MainWindowPort &main)
{
    if (Write_SCHEMA *w = loaded(main))
        return *w;
    auto *w = new Write_SCHEMA(m, main);
    main.windows().add(w);
    return *w;
}

Write_SCHEMA *Write_SCHEMA::loaded(MainWindowPort &main)
{
    auto *w = main.windows().find<Write_SCHEMA>();
    return w && !w->unloaded_ ? w : nullptr;
}

void Write_SCHEMA::unload(MainWindowPort &main)
{
    if (Write_SCHEMA *w = loaded(main))
        w->Form_Unload();
}

void Write_SCHEMA::open() { frame_->show(); }

void Write_SCHEMA::Command1_Click()
{
    main_.enableSettings(true);
    m_.link.Save_n_Stranica_Flag = 0;
    Form_Unload();
}

void Write_SCHEMA::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    // A modal window still open over the main window (a dialog that started
    // the upload) keeps it disabled until that window closes.
    main_.windows().settle(main_.mainWindow());
    // The next use loads a fresh window with the design values.
    main_.windows().remove(this);
    hide();
    deleteLater();
}

void Write_SCHEMA::closeEvent(QCloseEvent *event)
{
    // A window left open by a transfer that has ended (eight bad replies)
    // gives the settings back as "Відміна" does; while a transfer runs, its
    // own end does.
    if (!m_.link.busy())
        main_.enableSettings(true);
    Form_Unload();
    event->accept();
}

void Write_SCHEMA::showSenderStep(int maximum, int progress, int errors, int interval, std::optional<int> rowsDone)
{
    Write_SCHEMA_ProgressBar->setRange(0, maximum);
    Write_SCHEMA_ProgressBar->setValue(progress);
    Err_Write_Scada->setText(QString::number(errors));
    T_msec->setText(QString::number(interval));
    if (rowsDone)
        Num_Paket_SCADA->setText(QString::number(*rowsDone));
}

} // namespace pelmora
