#include "upload/scada_upload.h"

#include "core/model/project_model.h"
#include "link/controller_link.h"
#include "link/write_schema.h"
#include "ui/main_window_port.h"
#include "ui/window_registry.h"
#include "upload/page_build.h"
#include "upload/page_range.h"
#include "upload/save_n_scada.h"
#include "upload/schema_upload.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace pelmora {

namespace {

QTimer *senderTimer(QObject *parent)
{
    auto *t = new QTimer(parent);
    t->setObjectName(QStringLiteral("SCADA_Timer"));
    t->setInterval(500);
    t->setTimerType(Qt::PreciseTimer);
    return t;
}

} // namespace

ScadaUpload::ScadaUpload(ProjectModel &m, MainWindowPort &main)
    : SCADA_Timer(senderTimer(this)), m_(m), main_(main), sender_(m.link),
      driver_(m, main, LinkTransfer::Page, *SCADA_Timer,
              {[this] { return sender_.running(); }, [this](LinkIo &io) { show(sender_.tick(io)); },
               [this](LinkIo &io) { show(sender_.bytesArrived(io)); }, [this] { sender_.abandon(); }},
              this)
{
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
}

ScadaUpload::~ScadaUpload() { driver_.abandon(); }

void ScadaUpload::refuse(const QString &text, MsgIcon icon, const QString &title)
{
    // Nothing is sent, and a range goes no further.
    page::endPageRange(m_);
    driver_.refuse(text, icon, title);
}

void ScadaUpload::MnuSaveOrvoSCADA_Click()
{
    ProjectModel &m = m_;
    const int kind = m.settings.Num_COM_Link;
    // A page started now stands for the one a range timer would start, so
    // no page is started twice; the range goes on from this page's end.
    Timer_SAVE_Stranica_SCADA->stop();
    Timer_Stranica_SCADA->stop();

    // A page in progress keeps its claim and starts over; else the link must be free.
    if (driver_.begin() == TransferDriver::Begin::Busy) {
        // The transfer that holds the link goes on untouched.
        page::endPageRange(m);
        showMessage(QString::fromUtf16(kLinkBusy), MsgIcon::Exclamation);
        return;
    }
    if (uploadLinkFor(kind) == UploadLink::TcpServer) {
        refuse(QString::fromUtf16(kTcpServerNoUpload), MsgIcon::Exclamation);
        return;
    }

    page_ = qBound(0, static_cast<int>(m.pages.Num_Stranica_SCADA), 15);
    Write_SCHEMA &w = driver_.openProgress(QString::fromUtf16(page::kWriteScadaCaption), 10);
    w.Err_Write_Scada->setText(QStringLiteral("0"));

    // The whole page is drawn, checked and cut into packets before anything is sent.
    const page::PageUpload built = page::buildPageUpload(m, page_, pageViews ? pageViews(page_) : page::PageViews{});
    if (!built.ok()) {
        refuse(built.message, built.icon, built.title);
        return;
    }
    const bool launched = driver_.launch(
        kind, [&](int baud) { return sender_.start(built.rows(), kind, m.settings.T_Zapyt, baud); }, true);
    if (!launched)
        refuse(QString::fromUtf16(kComPortError), MsgIcon::None);
}

void ScadaUpload::SCADA_Timer_Timer() { driver_.tick(); }

void ScadaUpload::show(const PacketSender::Result &r)
{
    if (!r.stepped)
        return;
    // Writing a field loads the window again (hidden) after "Відміна".
    Write_SCHEMA &w = Write_SCHEMA::load(m_, main_);
    w.showSenderStep(PacketSender::kProgressMaximum, r.progress, r.errors, r.interval, r.rowsDone);
    if (r.rowsDone)
        w.Numb_Sheet_SCADA->setText(QString::number(page_ + 1));

    if (r.end == PacketSender::End::None) {
        driver_.next(r.nextStepMs);
        if (selectPage)
            selectPage(page_);
        return;
    }

    TransferDriver::Ending e;
    e.message = r.message;
    e.icon = r.icon;
    switch (r.end) {
    case PacketSender::End::Done:
        if (!driver_.finish(e))
            return;
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
        e.keepWindow = true;
        driver_.finish(e);
        return;
    case PacketSender::End::PortFailure:
        page::endPageRange(m_);
        e.closeSerial = true;
        driver_.finish(e);
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

void ScadaUpload::stop()
{
    Timer_SAVE_Stranica_SCADA->stop();
    Timer_Stranica_SCADA->stop();
    page::endPageRange(m_);
    driver_.stop();
}

void ScadaUpload::projectOpened(int linkKind)
{
    Timer_Stranica_SCADA->setInterval(page::pagePauseAfterOpening(linkKind));
}

} // namespace pelmora
