#pragma once
// Writing SCADA pages into the controller from the main window:
// "&Записати сторінку SCADA у Orvo" draws the current page, builds its packets
// and starts the acknowledged packet sender on SCADA_Timer; the sender's steps
// are shown in the write progress window. "&Записати сторінки SCADA у Orvo ..."
// opens the range window; a range then writes its pages one after the other,
// the first 10 ms after Ok (Timer_SAVE_Stranica_SCADA), each further one after
// a pause (Timer_Stranica_SCADA) that follows the end of the page before.
//
// A page upload holds the link from its start to its end; it is refused
// while a transfer of another kind holds it, and choosing the item again
// while a page is written starts that page over.

#include "link/transfer_driver.h"
#include "upload/packet_sender.h"
#include "upload/page_renderer.h"

#include <QObject>
#include <functional>

class QTimer;

namespace pelmora {

struct ProjectModel;
class MainWindowPort;

class ScadaUpload : public QObject {
    Q_OBJECT

public:
    ScadaUpload(ProjectModel &m, MainWindowPort &main);
    ~ScadaUpload() override;

    // The sender's timer: each step restarts it with the wait for the next reply.
    QTimer *SCADA_Timer;
    // One-shot: the first page of a range, 10 ms after Ok.
    QTimer *Timer_SAVE_Stranica_SCADA;
    // One-shot: each further page of a range, after the page before has been written.
    QTimer *Timer_Stranica_SCADA;

    // What the canvas and the element views of a page show (its background
    // picture, the pictures of its buttons and mechanisms); set by the owner
    // of the page views. Without it the page is drawn from the model.
    std::function<page::PageViews(int page)> pageViews;
    // Shows the tab of the page being written; set by the owner of the tabs.
    std::function<void(int page)> selectPage;

    void MnuSaveOrvoSCADA_Click();
    void SCADA_Timer_Timer();
    void MnuAllSaveOrvoSCADA_Click();
    void Timer_SAVE_Stranica_SCADA_Timer();
    void Timer_Stranica_SCADA_Timer();

    // Stops a page in progress at once, without a message (an error escaped
    // a handler), and a range goes no further: the timers stop, the link is
    // given back, the progress window goes and the settings dialog is
    // enabled again.
    void stop();

    // Opening a project sets the pause between the pages of a range for its
    // link kind: 3000 ms for the TCP client, 1000 ms for every other kind.
    void projectOpened(int linkKind);

    const PacketSender &sender() const { return sender_; }
    // The page being written, or written last.
    int page() const { return page_; }

private:
    void show(const PacketSender::Result &r);
    // Ends a page that could not be started: the message, no range goes on.
    void refuse(const QString &text, MsgIcon icon, const QString &title = QString());

    ProjectModel &m_;
    MainWindowPort &main_;
    PacketSender sender_;
    TransferDriver driver_;
    int page_ = 0; // the page being written
};

} // namespace pelmora
