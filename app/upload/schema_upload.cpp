#include "upload/schema_upload.h"

#include "core/model/project_model.h"
#include "ui/main_window_port.h"
#include "ui/window_registry.h"
#include "upload/controller_link.h"
#include "upload/schema_frames.h"
#include "upload/write_schema.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace pelmora {

const char16_t *const kComPortError = u"Помилка СОМ порту!";

SchemaUpload::SchemaUpload(ProjectModel &m, MainWindowPort &main) : m_(m), main_(main), stepper_(m.link)
{
    Timer_05 = new QTimer(this);
    Timer_05->setObjectName(QStringLiteral("Timer_05"));
    Timer_05->setInterval(100);
    connect(Timer_05, &QTimer::timeout, this, &SchemaUpload::Timer_05_Timer);
}

void SchemaUpload::MnuSaveOrvo_Click()
{
    ProjectModel &m = m_;
    const int kind = m.settings.Num_COM_Link;

    // A transfer of another kind holds the link: it goes on untouched.
    if (m.link.Transfer_Busy != LinkTransfer::None && m.link.Transfer_Busy != LinkTransfer::Schema) {
        showMessage(QString::fromUtf16(kLinkBusy), MsgIcon::Exclamation);
        return;
    }

    // Choosing the item again starts over: the run in progress ends here.
    ++run_;
    const bool wasRunning = stepper_.running();
    if (wasRunning) {
        Timer_05->stop();
        stepper_.abandon();
        main_.enableSettings(true);
    }
    auto refuse = [&](const QString &text, MsgIcon icon) {
        release();
        if (wasRunning)
            Write_SCHEMA::unload(main_);
        showMessage(text, icon);
    };

    if (uploadLinkFor(kind) == UploadLink::TcpServer) {
        refuse(QString::fromUtf16(kTcpServerNoUpload), MsgIcon::Exclamation);
        return;
    }

    // Every frame is built and checked before anything is sent.
    const SchemaFrames frames = Schema_Frame(m);
    if (!frames.ok()) {
        refuse(frames.error, MsgIcon::None);
        return;
    }

    Write_SCHEMA &w = Write_SCHEMA::load(m_, main_);
    w.setWindowTitle(QStringLiteral("Запис схеми в Orvo"));
    w.T_msec->setText(QString::number(m.settings.T_Zapyt));
    // A packet upload may have left the bar at 0..8.
    w.Write_SCHEMA_ProgressBar->setRange(0, 10);
    w.Write_SCHEMA_ProgressBar->setValue(0);
    w.open();

    ControllerLink &link = main_.link();
    // The TCP client connects on demand, as the serial port opens: choosing the
    // link in the settings dialog does not connect it. A client that cannot
    // connect ends in the transfer's port error.
    if (uploadLinkFor(kind) == UploadLink::TcpClient)
        link.connectClientOnDemand(m.settings.Adr_IP, m.settings.Port_IP);
    if (uploadLinkFor(kind) != UploadLink::TcpClient && !link.openSerialOnDemand(kind)) {
        Write_SCHEMA::unload(main_);
        release();
        showMessage(QString::fromUtf16(kComPortError));
        main_.windows().settle(main_.mainWindow());
        return;
    }
    // Bytes from an earlier exchange must not be taken for this upload's reply.
    link.discardInput(kind);

    const int first = stepper_.start(frames.frame, kind, m.settings.T_Zapyt, link.serialBaudRate());
    m.link.Transfer_Busy = LinkTransfer::Schema;
    main_.enableSettings(false);
    Timer_05->setInterval(first);
    Timer_05->start();
}

void SchemaUpload::release()
{
    if (m_.link.Transfer_Busy == LinkTransfer::Schema)
        m_.link.Transfer_Busy = LinkTransfer::None;
}

void SchemaUpload::Timer_05_Timer()
{
    if (!stepper_.running())
        return;
    const int kind = m_.settings.Num_COM_Link;
    ControllerLinkIo io(main_.link(), kind);
    const SchemaStepper::Result r = stepper_.tick(io);

    // Writing a field loads the window again (hidden) after "Відміна".
    QProgressBar *bar = Write_SCHEMA::load(m_, main_).Write_SCHEMA_ProgressBar;
    bar->setValue(qBound(bar->minimum(), r.progress, bar->maximum()));
    if (r.interval)
        Timer_05->setInterval(*r.interval);
    if (!r.finished)
        return;

    // The timer stops before any message, so no tick runs while it is open.
    Timer_05->stop();
    release();
    const quint64 run = run_;
    if (!r.message.isEmpty())
        showMessage(r.message, r.icon);
    if (run != run_)
        return; // the upload was started again while the message was open
    Write_SCHEMA::unload(main_);
    main_.enableSettings(true);
}

} // namespace pelmora
