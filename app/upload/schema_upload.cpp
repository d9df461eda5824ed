#include "upload/schema_upload.h"

#include "core/model/project_model.h"
#include "link/controller_link.h"
#include "link/write_schema.h"
#include "ui/main_window_port.h"
#include "ui/window_registry.h"
#include "upload/schema_frames.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace pelmora {

const char16_t *const kComPortError = u"Помилка СОМ порту!";
const char16_t *const kNoSchemaToWrite = u"Netlist не завантажено: схеми для запису немає.";

namespace {

QTimer *stepTimer(QObject *parent)
{
    auto *t = new QTimer(parent);
    t->setObjectName(QStringLiteral("Timer_05"));
    t->setInterval(100);
    return t;
}

} // namespace

SchemaUpload::SchemaUpload(ProjectModel &m, MainWindowPort &main)
    : Timer_05(stepTimer(this)), m_(m), main_(main), stepper_(m.link),
      driver_(m, main, LinkTransfer::Schema, *Timer_05,
              {[this] { return stepper_.running(); }, [this](LinkIo &io) { show(stepper_.tick(io)); },
               [this](LinkIo &io) { show(stepper_.bytesArrived(io)); }, [this] { stepper_.abandon(); }},
              this)
{}

void SchemaUpload::MnuSaveOrvo_Click()
{
    ProjectModel &m = m_;
    const int kind = m.settings.Num_COM_Link;

    // A project opened without its netlist has no schema; an empty one would
    // wipe the controller's.
    if (m.schema.Netlist_Not_Loaded) {
        showMessage(QString::fromUtf16(kNoSchemaToWrite), MsgIcon::Exclamation);
        return;
    }

    // A transfer of another kind holds the link: it goes on untouched. An
    // upload in progress keeps its claim and starts over; else the link must be free.
    if (driver_.begin() == TransferDriver::Begin::Busy) {
        showMessage(QString::fromUtf16(kLinkBusy), MsgIcon::Exclamation);
        return;
    }

    if (uploadLinkFor(kind) == UploadLink::TcpServer) {
        driver_.refuse(QString::fromUtf16(kTcpServerNoUpload), MsgIcon::Exclamation, QString(), true);
        return;
    }

    // Every frame is built and checked before anything is sent.
    const SchemaFrames frames = Schema_Frame(m);
    if (!frames.ok()) {
        driver_.refuse(frames.error, MsgIcon::None, QString(), true);
        return;
    }

    // A packet upload may have left the bar at 0..8.
    Write_SCHEMA &w = driver_.openProgress(QStringLiteral("Запис схеми в Orvo"), 10);
    w.T_msec->setText(QString::number(m.settings.T_Zapyt));

    // The TCP client connects on demand, as the serial port opens: choosing the
    // link in the settings dialog does not connect it. A client that cannot
    // connect ends in the transfer's port error.
    const bool launched =
        driver_.launch(kind, [&](int baud) { return stepper_.start(frames.frame, kind, m.settings.T_Zapyt, baud); });
    if (!launched)
        driver_.refuse(QString::fromUtf16(kComPortError), MsgIcon::None);
}

void SchemaUpload::Timer_05_Timer() { driver_.tick(); }

void SchemaUpload::stop() { driver_.stop(); }

void SchemaUpload::show(const SchemaStepper::Result &r)
{
    // Writing a field loads the window again (hidden) after "Відміна".
    QProgressBar *bar = Write_SCHEMA::load(m_, main_).Write_SCHEMA_ProgressBar;
    bar->setValue(qBound(bar->minimum(), r.progress, bar->maximum()));
    if (r.interval)
        driver_.tickEvery(*r.interval);
    if (!r.finished)
        return;
    TransferDriver::Ending e;
    e.message = r.message;
    e.icon = r.icon;
    driver_.finish(e);
}

} // namespace pelmora
