#include "upload/scada_upload.h"

#include "core/model/project_model.h"
#include "ui/main_window_port.h"
#include "ui/window_registry.h"
#include "upload/controller_link.h"
#include "upload/page_build.h"
#include "upload/page_range.h"
#include "upload/save_n_scada.h"
#include "upload/schema_upload.h"
#include "upload/write_schema.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace pelmora {

ScadaUpload::ScadaUpload(ProjectModel &m, MainWindowPort &main) : m_(m), main_(main), sender_(m.link)
{
    SCADA_Timer = new QTimer(this);
    SCADA_Timer->setObjectName(QStringLiteral("SCADA_Timer"));
    SCADA_Timer->setInterval(500);
    SCADA_Timer->setTimerType(Qt::PreciseTimer);
    connect(SCADA_Timer, &QTimer::timeout, this, &ScadaUpload::SCADA_Timer_Timer);

    Timer_SAVE_Stranica_SCADA = new QTimer(this);
    Timer_SAVE_Stranica_SCADA->setObjectName(QStringLiteral("Timer_SAVE_Stranica_SCADA"));
    Timer_SAVE_Stranica_SCADA->setSingleShot(true);
    Timer_SAVE_Stranica_SCADA->setInterval(page::kRangeFirstPageDelay);
    connect(Timer_SAVE_Stranica_SCADA, &QTimer::timeout, this, &ScadaUpload::Timer_SAVE_Stranica_SCADA_Timer);

    Timer_Stranica_SCADA = new QTimer(this);
    Timer_Stranica_SCADA->setObjectName(QStringLiteral("Timer_Stranica_SCADA"));
    Timer_Stranica_SCADA->setSingleShot(true);
    Timer_Stranica_SCADA->setInterval(1000);
    connect(Timer_Stranica_SCADA, &QTimer::timeout, this, &ScadaUpload::Timer_Stranica_SCADA_Timer);

    // A reply is judged as soon as it is complete; the timer only bounds the wait.
    connect(&main.link(), &ControllerLink::bytesArrived, this, &ScadaUpload::bytesArrived);
}

ScadaUpload::~ScadaUpload()
{
    SCADA_Timer->stop();
    sender_.abandon();
    release();
}

void ScadaUpload::release()
{
    if (m_.link.Transfer_Busy == LinkTransfer::Page)
        m_.link.Transfer_Busy = LinkTransfer::None;
}

void ScadaUpload::refuse(const QString &text, MsgIcon icon, const QString &title)
{
    // Nothing is sent, and a range goes no further.
    release();
    page::endPageRange(m_);
    Write_SCHEMA::unload(main_);
    main_.enableSettings(true);
    showMessage(text, icon, MsgButtons::Ok, title);
}

void ScadaUpload::MnuSaveOrvoSCADA_Click()
{
    ProjectModel &m = m_;
    const int kind = m.settings.Num_COM_Link;
    // A page started now stands for the one a range timer would start, so
    // no page is started twice; the range goes on from this page's end.
    Timer_SAVE_Stranica_SCADA->stop();
    Timer_Stranica_SCADA->stop();

    if (m.link.Transfer_Busy != LinkTransfer::None && m.link.Transfer_Busy != LinkTransfer::Page) {
        // The transfer that holds the link goes on untouched.
        page::endPageRange(m);
        showMessage(QString::fromUtf16(kLinkBusy), MsgIcon::Exclamation);
        return;
    }
    // Choosing the item again while a page is written starts over.
    if (sender_.running()) {
        SCADA_Timer->stop();
        sender_.abandon();
        Write_SCHEMA::unload(main_); // loaded again with its design values
    }
    if (uploadLinkFor(kind) == UploadLink::TcpServer) {
        refuse(QString::fromUtf16(kTcpServerNoUpload), MsgIcon::Exclamation);
        return;
    }

    page_ = qBound(0, static_cast<int>(m.pages.Num_Stranica_SCADA), 15);
    Write_SCHEMA &w = Write_SCHEMA::load(m_, main_);
    w.setWindowTitle(QString::fromUtf16(page::kWriteScadaCaption));
    w.Write_SCHEMA_ProgressBar->setRange(0, 10);
    w.Write_SCHEMA_ProgressBar->setValue(0);
    w.Err_Write_Scada->setText(QStringLiteral("0"));
    w.open();
    main_.enableSettings(false);

    // The whole page is drawn, checked and cut into packets before anything is sent.
    const page::PageUpload built = page::buildPageUpload(m, page_, pageViews ? pageViews(page_) : page::PageViews{});
    if (!built.ok()) {
        refuse(built.message, built.icon, built.title);
        return;
    }

    ControllerLink &link = main_.link();
    if (uploadLinkFor(kind) != UploadLink::TcpClient && !link.openSerialOnDemand(kind)) {
        refuse(QString::fromUtf16(kComPortError), MsgIcon::None);
        return;
    }
    // The TCP client connects on demand to the address the settings show now,
    // as the serial port opens: a connection to an earlier address is closed,
    // a dropped one made again. One that cannot be made fails on the first packet.
    if (uploadLinkFor(kind) == UploadLink::TcpClient)
        link.connectClientOnDemand(m.settings.Adr_IP, m.settings.Port_IP);
    // Bytes from an earlier exchange must not be taken for a reply of this page.
    link.discardInput(kind);

    kind_ = kind;
    m.link.Transfer_Busy = LinkTransfer::Page;
    SCADA_Timer->start(sender_.start(built.rows(), kind, m.settings.T_Zapyt, link.serialBaudRate()));
}

void ScadaUpload::SCADA_Timer_Timer()
{
    if (!sender_.running()) {
        SCADA_Timer->stop();
        return;
    }
    ControllerLinkIo io(main_.link(), kind_);
    show(sender_.tick(io));
}

void ScadaUpload::bytesArrived()
{
    if (!sender_.running())
        return;
    ControllerLinkIo io(main_.link(), kind_);
    show(sender_.bytesArrived(io));
}

void ScadaUpload::show(const PacketSender::Result &r)
{
    if (!r.stepped)
        return;
    // Writing a field loads the window again (hidden) after "Відміна".
    Write_SCHEMA &w = Write_SCHEMA::load(m_, main_);
    w.showSenderStep(r);
    if (r.rowsDone)
        w.Numb_Sheet_SCADA->setText(QString::number(page_ + 1));

    if (r.end == PacketSender::End::None) {
        SCADA_Timer->start(r.interval);
        if (selectPage)
            selectPage(page_);
        return;
    }

    // The timer stops before any message, so no step runs while it is open.
    SCADA_Timer->stop();
    release();
    switch (r.end) {
    case PacketSender::End::Done:
        Write_SCHEMA::unload(main_);
        main_.enableSettings(true);
        // A range goes on from the page just written, whichever tab was clicked meanwhile.
        if (m_.link.Save_n_Stranica_Flag == 1)
            m_.pages.Num_Stranica_SCADA = static_cast<std::int16_t>(page_);
        if (page::pageRangeStep(m_))
            Timer_Stranica_SCADA->start();
        return;
    case PacketSender::End::GaveUp:
        // The window keeps its last figures and the settings stay disabled
        // until "Відміна".
        page::endPageRange(m_);
        showMessage(r.message, r.icon);
        return;
    case PacketSender::End::PortFailure:
        page::endPageRange(m_);
        Write_SCHEMA::unload(main_);
        main_.enableSettings(true);
        if (!transferOverTcp(kind_))
            main_.link().closeSerial();
        showMessage(r.message, r.icon);
        return;
    case PacketSender::End::None: break;
    }
}

void ScadaUpload::MnuAllSaveOrvoSCADA_Click()
{
    Save_n_SCADA &w = main_.windows().open<Save_n_SCADA>(
        [this] { return new Save_n_SCADA(m_, main_, [this] { Timer_SAVE_Stranica_SCADA->start(); }); });
    w.open();
}

void ScadaUpload::Timer_SAVE_Stranica_SCADA_Timer()
{
    Timer_SAVE_Stranica_SCADA->stop();
    MnuSaveOrvoSCADA_Click();
}

void ScadaUpload::Timer_Stranica_SCADA_Timer()
{
    Timer_Stranica_SCADA->stop();
    MnuSaveOrvoSCADA_Click();
}

void ScadaUpload::projectOpened(int linkKind)
{
    Timer_Stranica_SCADA->setInterval(page::pagePauseAfterOpening(linkKind));
}

} // namespace pelmora
