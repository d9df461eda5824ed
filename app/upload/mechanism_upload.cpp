#include "upload/mechanism_upload.h"

#include "core/model/project_model.h"
#include "core/services.h"
#include "ui/main_window_port.h"
#include "upload/controller_link.h"
#include "upload/write_schema.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QWidget>

namespace pelmora {

const char16_t *const kMechanismLinkBusy = u"Іде інший обмін з контролером. Зачекайте його завершення.";

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

MechanismUpload::MechanismUpload(ProjectModel &m, MainWindowPort &main) : m_(m), main_(main), sender_(m.link)
{
    setObjectName(QStringLiteral("MechanismUpload"));
    MECH_Timer = new QTimer(this);
    MECH_Timer->setObjectName(QStringLiteral("MECH_Timer"));
    MECH_Timer->setInterval(kIdleInterval);
    connect(MECH_Timer, &QTimer::timeout, this, &MechanismUpload::MECH_Timer_Timer);
    // A reply is judged as soon as it is complete, not only when the wait runs out.
    connect(&main.link(), &ControllerLink::bytesArrived, this, &MechanismUpload::bytesArrived);
}

MechanismUpload::Packing MechanismUpload::ZIP_GIF_Orvo(const QImage &phase)
{
    ProjectModel &m = m_;
    Packing out;

    // Pressed again: the run in progress ends here and the new picture goes from its start.
    ++run_;
    const bool wasRunning = running();
    if (wasRunning) {
        MECH_Timer->stop();
        sender_.abandon();
        release();
        main_.enableSettings(true);
        Write_SCHEMA::unload(main_);
    }

    if (m.link.Transfer_Busy != LinkTransfer::None) {
        showMessage(QString::fromUtf16(kMechanismLinkBusy), MsgIcon::Exclamation);
        return out;
    }

    const mechanism::PackedPicture packed = mechanism::packMechanism(phase);
    out.error = packed.error;
    if (packed.length > 0)
        out.length = packed.length;
    if (packed.error != mechanism::PackError::None) {
        const mechanism::PackMessage msg = mechanism::mechanismMessage(packed.error);
        showMessage(msg.text, MsgIcon::Critical, MsgButtons::Ok, msg.title);
        return out;
    }

    const int kind = m.settings.Num_COM_Link;
    if (uploadLinkFor(kind) == UploadLink::TcpServer) {
        showMessage(QString::fromUtf16(kTcpServerNoUpload), MsgIcon::Exclamation);
        return out;
    }
    std::vector<QByteArray> packets = mechanism::mechanismPackets(packed, m.settings.Num_Net, 0);

    Write_SCHEMA &w = Write_SCHEMA::load(m_, main_);
    w.setWindowTitle(QStringLiteral("Запис схеми в Orvo"));
    w.Write_SCHEMA_ProgressBar->setRange(0, PacketSender::kProgressMaximum);
    w.Write_SCHEMA_ProgressBar->setValue(0);
    w.Err_Write_Scada->setText(QStringLiteral("0"));
    w.open();

    ControllerLink &link = main_.link();
    if (uploadLinkFor(kind) != UploadLink::TcpClient && !link.openSerialOnDemand(kind)) {
        // Nothing will be sent: the progress window goes too.
        Write_SCHEMA::unload(main_);
        showMessage(QString::fromUtf16(mechanism::kMechanismPortError), MsgIcon::Critical, MsgButtons::Ok,
                    QString::fromUtf16(mechanism::kMechanismPortErrorTitle));
        return out;
    }
    // The TCP client connects on demand to the address the settings show now;
    // one that cannot be connected fails on the first packet.
    if (uploadLinkFor(kind) == UploadLink::TcpClient)
        link.connectClientOnDemand(m.settings.Adr_IP, m.settings.Port_IP);
    // Bytes from an earlier exchange must not be taken for this upload's reply.
    link.discardInput(kind);

    // The queue holds this image's row only.
    PacketSender::Rows rows;
    rows.push_back(std::move(packets));
    const int first = sender_.start(std::move(rows), kind, m.settings.T_Zapyt, link.serialBaudRate());
    kind_ = kind;
    m.link.Transfer_Busy = LinkTransfer::Mechanism;
    main_.enableSettings(false);
    w.T_msec->setText(QString::number(first));
    MECH_Timer->start(first);
    out.started = true;
    return out;
}

void MechanismUpload::MECH_Timer_Timer()
{
    if (!running()) {
        MECH_Timer->stop();
        return;
    }
    ControllerLinkIo io(main_.link(), kind_);
    apply(sender_.tick(io));
}

void MechanismUpload::bytesArrived()
{
    if (!running())
        return;
    ControllerLinkIo io(main_.link(), kind_);
    apply(sender_.bytesArrived(io));
}

void MechanismUpload::apply(const PacketSender::Result &r)
{
    if (!r.stepped)
        return;
    // Writing a field loads the window again (hidden) after "Відміна".
    Write_SCHEMA::load(m_, main_).showSenderStep(r);
    if (r.end == PacketSender::End::None) {
        MECH_Timer->start(r.interval);
        return;
    }

    // The timer stops before any message, so no step runs while it is open.
    MECH_Timer->stop();
    release();
    const quint64 run = run_;
    if (!r.message.isEmpty())
        showMessage(r.message, r.icon);
    if (run != run_)
        return; // a new upload was started while the message was open
    switch (r.end) {
    case PacketSender::End::Done:
        Write_SCHEMA::unload(main_);
        main_.enableSettings(true);
        break;
    case PacketSender::End::GaveUp:
        // The progress window stays with its last figures, and the settings
        // dialog disabled, until its "Відміна".
        break;
    case PacketSender::End::PortFailure:
        Write_SCHEMA::unload(main_);
        main_.enableSettings(true);
        if (!transferOverTcp(kind_))
            main_.link().closeSerial();
        break;
    case PacketSender::End::None: break;
    }
}

void MechanismUpload::release()
{
    if (m_.link.Transfer_Busy == LinkTransfer::Mechanism)
        m_.link.Transfer_Busy = LinkTransfer::None;
}

} // namespace pelmora
