#pragma once
// A controller simulator for transfer tests. It listens on a loopback TCP port
// or on a serial device (one end of a socat pseudo-terminal pair), cuts the
// incoming bytes into frames by the rules it knows, checks each frame's
// checksum in the byte order of its kind, records everything, and answers as a
// controller does: a five-byte reply (address, kind, status, checksum low byte
// first), or the answer a frame rule builds. Faults can be injected into the replies.

#include "link/crc16.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSerialPort>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

namespace pelmora::test {

struct ReceivedFrame {
    QByteArray bytes;      // the whole frame as received, checksum included
    std::uint8_t kind = 0; // its second byte
    bool crcGood = false;
    bool answeredGood = false; // the controller answered it whole, accepting it, with a right checksum
};

// What a reply looks like on the wire; the default is a good reply.
struct ReplyFault {
    bool badCrc = false;     // the checksum bytes do not match
    std::uint8_t status = 0; // non-zero: the frame was rejected (five-byte replies)
    int length = -1;         // 0 or more: only that many bytes of the reply, a short one
    bool silent = false;     // no reply at all
    int delayMs = 0;         // wait before the reply
    int splitAt = 0;         // above 0: that many bytes, then the rest after splitDelayMs
    int splitDelayMs = 30;   // below 0: the rest waits for sendHeld()
    int junkBytes = 0;       // above 0: that many random bytes in place of the reply
};

class ControllerSimulator : public QObject {
    Q_OBJECT

public:
    // How a frame kind is recognised: the kind byte at offset 1, the frame's
    // length once enough of it has arrived (-1: not known yet), the byte order
    // of its checksum, and whether the controller answers it.
    struct FrameRule {
        std::uint8_t kind = 0;
        CrcOrder order = CrcOrder::LowFirst;
        // The frame's length from the bytes pending (which start with it):
        // -1 while more bytes are needed, 0 when they start no frame of this kind.
        std::function<qsizetype(const QByteArray &pending)> length;
        // Called for every frame of the kind: whether the controller answers it.
        std::function<bool(const ReceivedFrame &)> answers;
        // The status of the answer; when not given, 0 for a good checksum, else 1.
        std::function<std::uint8_t(const ReceivedFrame &)> status;
        // The whole answer, checksum last, in place of the five-byte reply.
        std::function<QByteArray(const ReceivedFrame &)> answer;
    };

    ControllerSimulator();
    ~ControllerSimulator() override;

    // Listens on 127.0.0.1 at the port (0: a free one); false when it cannot.
    bool listenTcp(quint16 port = 0);
    quint16 tcpPort() const;
    // Opens a serial device at 115200 baud, 8N1, and plays the line at that
    // speed unless lineBaud was set; false when it cannot.
    bool openSerial(const QString &device);
    QString serialError() const;

    // Above 0: the line runs at this speed in bits a second, 10 bits a byte,
    // one byte at a time each way. Bytes reach the controller, and its replies
    // reach the program, only when their wire time on that line has passed.
    // 0 until a serial device is opened, which sets its speed; below 0: no
    // wire time at all (for tests of the link object alone).
    int lineBaud = 0;
    // The wire time of a number of bytes at lineBaud, in milliseconds.
    double wireMs(qsizetype bytes) const;

    void addRule(FrameRule rule);
    // Answers every frame, whatever its rule says (for tests of the link alone).
    bool answerEveryFrame = false;

    // Faults: the queued ones are used first, one per reply; then `fault`.
    ReplyFault fault;
    std::deque<ReplyFault> nextFaults;
    // A frame equal to this is rejected the first time it comes: a five-byte
    // reply says status 1, an answer a rule builds gets a wrong checksum.
    QByteArray rejectOnce;

    // What arrived: every byte, the frames cut from them, and bytes that
    // started no known frame.
    const QByteArray &received() const { return received_; }
    const std::vector<ReceivedFrame> &frames() const { return frames_; }
    const QByteArray &unframed() const { return unframed_; }
    // What was sent back.
    const QByteArray &sent() const { return sent_; }
    int repliesSent() const { return replies_; }
    bool tcpPeerConnected() const;

    // Runs the event loop until the condition holds or the time runs out.
    static bool waitFor(const std::function<bool()> &done, int timeoutMs = 5000);
    bool waitForFrames(std::size_t count, int timeoutMs = 5000);
    bool waitForReplies(int count, int timeoutMs = 5000);

    void clearRecords();
    // Sends the held second parts of split replies.
    void sendHeld();
    // Sends bytes of the test's own, as if the controller had sent them.
    void sendRaw(const QByteArray &bytes) { write(bytes); }
    // A peer that floods the line: `bytes` random bytes every `everyMs` ms
    // until stopped, whatever it receives.
    void startFlood(int bytes, int everyMs);
    void stopFlood() { floodTimer_.stop(); }

private:
    // Sends the reply to the frame, shaped by the next fault.
    void reply(const ReceivedFrame &frame, const FrameRule *rule, std::uint8_t status);
    void arrive(const QByteArray &bytes);
    void takeBytes(const QByteArray &bytes);
    void cutFrames();
    void write(const QByteArray &bytes);
    void transmit(const QByteArray &bytes);

    // The line at lineBaud: what is on the wire in each direction and when it
    // has crossed, in microseconds of `clock_`.
    struct OnWire {
        double due = 0;
        QByteArray bytes;
    };
    void queueOnLine(std::deque<OnWire> &queue, double &freeAt, const QByteArray &bytes);
    void deliverDue();
    QElapsedTimer clock_;
    QTimer lineTimer_;
    std::deque<OnWire> inbound_, outbound_;
    double inboundFree_ = 0, outboundFree_ = 0;

    QTcpServer server_;
    QPointer<QTcpSocket> peer_;
    QSerialPort serial_;
    std::vector<FrameRule> rules_;
    QByteArray pending_;
    QByteArray received_;
    QByteArray unframed_;
    QByteArray sent_;
    QByteArray held_;
    std::vector<ReceivedFrame> frames_;
    int replies_ = 0;
    // Replies held back (a delay), with the time each leaves (ms of clock_), in order.
    std::deque<std::pair<qint64, std::function<void()>>> heldReplies_;
    QTimer replyTimer_;
    QTimer floodTimer_;
    int floodBytes_ = 0;
    std::uint32_t noise_ = 0x2545F491u; // the state of the random bytes sent as junk
    QByteArray noise(int bytes);
};

// A frame rule for the schema header: 'A', 8 bytes, checksum high byte first.
ControllerSimulator::FrameRule schemaHeaderRule();

} // namespace pelmora::test
