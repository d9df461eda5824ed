#pragma once
// The mechanism upload: the phase picture packed into its 'D' packets and
// written into the controller through the program's one link by the
// acknowledged packet sender, with the write progress window on top.
//
// There is one upload per main window, living as long as the main window, so
// an upload started from the phase editor runs to its end when the editor
// (and the mechanism dialog) close. It queues the packets of its own image
// only: whatever an earlier page upload left behind is never sent. While it
// runs it holds the link and keeps the project settings dialog disabled, so the link cannot change under it.

#include "link/transfer_driver.h"
#include "upload/mechanism_packing.h"
#include "upload/packet_sender.h"

#include <QImage>
#include <QObject>
#include <optional>

class QTimer;

namespace pelmora {

struct ProjectModel;
class MainWindowPort;

// Said when another transfer holds the link.

class MechanismUpload : public QObject {
    Q_OBJECT

public:
    // The main window's upload, made on first use.
    static MechanismUpload &of(ProjectModel &m, MainWindowPort &main);
    // The main window's upload when one was made, else nullptr.
    static MechanismUpload *find(MainWindowPort &main);

    // The packet timer: idle (500 ms) until a packing arms it.
    QTimer *MECH_Timer;

    // What a packing reports to the phase editor.
    struct Packing {
        mechanism::PackError error = mechanism::PackError::None;
        // The packed length, known once the palette is laid out (also when
        // the length check then refuses the picture).
        std::optional<int> length;
        bool started = false; // the sender runs
    };

    // Packs `phase` (phase 0) and starts writing it into the controller.
    // Every refusal is shown to the user here. Pressed again while an upload
    // runs, the running one ends and the new picture is sent from its start.
    Packing ZIP_GIF_Orvo(const QImage &phase);

    // One step of the sender when the wait for a reply has run out.
    void MECH_Timer_Timer();
    // Stops a run in progress at once, without a message (an error escaped
    // a handler): the timer stops, the link is given back, the progress
    // window goes and the settings dialog is enabled again. Nothing when no
    // run holds the link.
    void stop();

    bool running() const { return sender_.running(); }
    const PacketSender &sender() const { return sender_; }

private:
    MechanismUpload(ProjectModel &m, MainWindowPort &main);
    void apply(const PacketSender::Result &r);

    ProjectModel &m_;
    MainWindowPort &main_;
    PacketSender sender_;
    TransferDriver driver_;
};

} // namespace pelmora
