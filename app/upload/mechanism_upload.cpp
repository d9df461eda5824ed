#include "upload/mechanism_upload.h"

#include "core/model/project_model.h"
#include "core/services.h"
#include "link/controller_link.h"
#include "link/write_schema.h"
#include "ui/main_window_port.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QWidget>

namespace pelmora {

namespace {

constexpr int kIdleInterval = 500;

} // namespace

MechanismUpload &MechanismUpload::of(ProjectModel &m, MainWindowPort &main)
{
    if (MechanismUpload *u = find(main))
        return *u;
    auto *u = new MechanismUpload(m, main);
    u->setParent(&main.mainWindow());
    return *u;
}

MechanismUpload *MechanismUpload::find(MainWindowPort &main)
{
    return main.mainWindow().findChild<MechanismUpload *>(QString(), Qt::FindDirectChildrenOnly);
}

namespace {

QTimer *packetTimer(QObject *parent)
{
    auto *t = new QTimer(parent);
    t->setObjectName(QStringLiteral("MECH_Timer"));
    t->setInterval(kIdleInterval);
    return t;
}

} // namespace

MechanismUpload::MechanismUpload(ProjectModel &m, MainWindowPort &main)
    : MECH_Timer(packetTimer(this)), m_(m), main_(main), sender_(m.link),
      driver_(m, main, LinkTransfer::Mechanism, *MECH_Timer,
              {[this] { return sender_.running(); }, [this](LinkIo &io) { apply(sender_.tick(io)); },
               [this](LinkIo &io) { apply(sender_.bytesArrived(io)); }, [this] { sender_.abandon(); }},
              this)
{
    setObjectName(QStringLiteral("MechanismUpload"));
}

MechanismUpload::Packing MechanismUpload::ZIP_GIF_Orvo(const QImage &phase)
{
    ProjectModel &m = m_;
    Packing out;

    // Pressed again: the run in progress ends here and the new picture goes
    // from its start. Held from here; every refusal below gives it back before its message.
    if (driver_.begin() == TransferDriver::Begin::Busy) {
        showMessage(QString::fromUtf16(kLinkBusy), MsgIcon::Exclamation);
        return out;
    }

    const mechanism::PackedPicture packed = mechanism::packMechanism(phase);
    out.error = packed.error;
    if (packed.length > 0)
        out.length = packed.length;
    if (packed.error != mechanism::PackError::None) {
        const mechanism::PackMessage msg = mechanism::mechanismMessage(packed.error);
        driver_.refuse(msg.text, MsgIcon::Critical, msg.title, true);
        return out;
    }

    const int kind = m.settings.Num_COM_Link;
    if (uploadLinkFor(kind) == UploadLink::TcpServer) {
        driver_.refuse(QString::fromUtf16(kTcpServerNoUpload), MsgIcon::Exclamation, QString(), true);
        return out;
    }
    std::vector<QByteArray> packets = mechanism::mechanismPackets(packed, m.settings.Num_Net, 0);

    Write_SCHEMA &w = driver_.openProgress(QStringLiteral("Запис схеми в Orvo"), PacketSender::kProgressMaximum);
    w.Err_Write_Scada->setText(QStringLiteral("0"));

    // The queue holds this image's row only.
    PacketSender::Rows rows;
    rows.push_back(std::move(packets));
    int first = 0;
    const bool launched = driver_.launch(
        kind,
        [&](int baud) {
            first = sender_.start(std::move(rows), kind, m.settings.T_Zapyt, baud);
            return first;
        },
        true);
    if (!launched) {
        // Nothing will be sent: the progress window goes too.
        driver_.refuse(QString::fromUtf16(mechanism::kMechanismPortError), MsgIcon::Critical,
                       QString::fromUtf16(mechanism::kMechanismPortErrorTitle));
        return out;
    }
    w.T_msec->setText(QString::number(first));
    out.started = true;
    return out;
}

void MechanismUpload::MECH_Timer_Timer() { driver_.tick(); }

void MechanismUpload::stop() { driver_.stop(); }

void MechanismUpload::apply(const PacketSender::Result &r)
{
    if (!r.stepped)
        return;
    // Writing a field loads the window again (hidden) after "Відміна".
    Write_SCHEMA::load(m_, main_).showSenderStep(PacketSender::kProgressMaximum, r.progress, r.errors, r.interval,
                                                 r.rowsDone);
    if (r.end == PacketSender::End::None) {
        driver_.next(r.nextStepMs);
        return;
    }
    TransferDriver::Ending e;
    e.message = r.message;
    e.icon = r.icon;
    // After a give-up the progress window stays with its last figures, and
    // the settings dialog disabled, until its "Відміна".
    e.keepWindow = r.end == PacketSender::End::GaveUp;
    e.closeSerial = r.end == PacketSender::End::PortFailure;
    driver_.finish(e);
}

} // namespace pelmora
