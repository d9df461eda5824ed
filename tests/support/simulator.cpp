#include "support/simulator.h"

#include "link/controller_reply.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>

namespace pelmora::test {

ControllerSimulator::ControllerSimulator()
{
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *s = server_.nextPendingConnection()) {
            if (peer_)
                peer_->deleteLater(); // one controller talks to one client
            peer_ = s;
            s->setParent(this);
            connect(s, &QTcpSocket::readyRead, this, [this, s] { arrive(s->readAll()); });
        }
    });
    connect(&serial_, &QSerialPort::readyRead, this, [this] { arrive(serial_.readAll()); });
    clock_.start();
    lineTimer_.setSingleShot(true);
    lineTimer_.setTimerType(Qt::PreciseTimer);
    connect(&lineTimer_, &QTimer::timeout, this, [this] { deliverDue(); });
    connect(&floodTimer_, &QTimer::timeout, this, [this] { write(noise(floodBytes_)); });
    replyTimer_.setSingleShot(true);
    replyTimer_.setTimerType(Qt::PreciseTimer);
    connect(&replyTimer_, &QTimer::timeout, this, [this] {
        // The held replies leave in order, each once its time has come.
        const qint64 now = clock_.elapsed();
        while (!heldReplies_.empty() && heldReplies_.front().first <= now) {
            const std::function<void()> send = heldReplies_.front().second;
            heldReplies_.pop_front();
            send();
        }
        if (!heldReplies_.empty())
            replyTimer_.start(static_cast<int>(heldReplies_.front().first - now));
    });
}

ControllerSimulator::~ControllerSimulator()
{
    if (peer_)
        peer_->abort();
    server_.close();
    if (serial_.isOpen())
        serial_.close();
}

bool ControllerSimulator::listenTcp(quint16 port) { return server_.listen(QHostAddress::LocalHost, port); }

quint16 ControllerSimulator::tcpPort() const { return server_.serverPort(); }

bool ControllerSimulator::openSerial(const QString &device)
{
    serial_.setPortName(device);
    serial_.setBaudRate(QSerialPort::Baud115200);
    serial_.setDataBits(QSerialPort::Data8);
    serial_.setParity(QSerialPort::NoParity);
    serial_.setStopBits(QSerialPort::OneStop);
    serial_.setFlowControl(QSerialPort::NoFlowControl);
    // A pseudo-terminal carries bytes at once, a serial line in their wire
    // time, which the program counts on (no reply can come before its frame
    // has left): the line is played at the port's speed unless a test has
    // chosen another (or none, with a negative speed).
    if (lineBaud == 0)
        lineBaud = 115200;
    return serial_.open(QIODevice::ReadWrite);
}

QString ControllerSimulator::serialError() const { return serial_.errorString(); }

bool ControllerSimulator::tcpPeerConnected() const
{
    return peer_ && peer_->state() == QAbstractSocket::ConnectedState;
}

void ControllerSimulator::addRule(FrameRule rule) { rules_.push_back(std::move(rule)); }

void ControllerSimulator::clearRecords()
{
    received_.clear();
    unframed_.clear();
    sent_.clear();
    frames_.clear();
    replies_ = 0;
}

void ControllerSimulator::sendHeld()
{
    const QByteArray rest = held_;
    held_.clear();
    if (!rest.isEmpty())
        write(rest);
}

double ControllerSimulator::wireMs(qsizetype bytes) const
{
    return lineBaud > 0 ? static_cast<double>(bytes) * 10.0 * 1000.0 / lineBaud : 0.0;
}

void ControllerSimulator::arrive(const QByteArray &bytes)
{
    if (lineBaud > 0)
        queueOnLine(inbound_, inboundFree_, bytes);
    else
        takeBytes(bytes);
}

void ControllerSimulator::queueOnLine(std::deque<OnWire> &queue, double &freeAt, const QByteArray &bytes)
{
    // A chunk starts crossing when the line is free and takes its wire time.
    const double now = static_cast<double>(clock_.nsecsElapsed()) / 1000.0;
    freeAt = std::max(now, freeAt) + wireMs(bytes.size()) * 1000.0;
    queue.push_back({freeAt, bytes});
    deliverDue();
}

void ControllerSimulator::deliverDue()
{
    const double now = static_cast<double>(clock_.nsecsElapsed()) / 1000.0;
    while (!inbound_.empty() && inbound_.front().due <= now) {
        const QByteArray bytes = inbound_.front().bytes;
        inbound_.pop_front();
        takeBytes(bytes);
    }
    while (!outbound_.empty() && outbound_.front().due <= now) {
        const QByteArray bytes = outbound_.front().bytes;
        outbound_.pop_front();
        transmit(bytes);
    }
    double next = -1;
    if (!inbound_.empty())
        next = inbound_.front().due;
    if (!outbound_.empty() && (next < 0 || outbound_.front().due < next))
        next = outbound_.front().due;
    if (next >= 0)
        lineTimer_.start(std::max(0, static_cast<int>((next - now + 999.0) / 1000.0)));
}

void ControllerSimulator::takeBytes(const QByteArray &bytes)
{
    received_ += bytes;
    pending_ += bytes;
    cutFrames();
}

void ControllerSimulator::cutFrames()
{
    while (pending_.size() >= 2) {
        const auto kind = static_cast<std::uint8_t>(pending_.at(1));
        const FrameRule *rule = nullptr;
        for (const FrameRule &r : rules_)
            if (r.kind == kind)
                rule = &r;
        if (!rule) {
            // Not the start of a frame this controller knows: drop one byte and look again.
            unframed_ += pending_.at(0);
            pending_.remove(0, 1);
            continue;
        }
        const qsizetype length = rule->length(pending_);
        if (length == 0) {
            unframed_ += pending_.at(0);
            pending_.remove(0, 1);
            continue;
        }
        if (length < 0 || pending_.size() < length)
            return; // wait for the rest
        ReceivedFrame frame;
        frame.bytes = pending_.left(length);
        frame.kind = kind;
        pending_.remove(0, length);
        if (frame.bytes.size() >= 3) {
            const QByteArrayView body = QByteArrayView(frame.bytes).first(frame.bytes.size() - 2);
            frame.crcGood = withCrc(body, rule->order) == frame.bytes;
        }
        frames_.push_back(frame);
        const bool answer = rule->answers && rule->answers(frame);
        if (answer || answerEveryFrame)
            reply(frame, rule, rule->status ? rule->status(frame) : (frame.crcGood ? 0 : 1));
    }
}

QByteArray ControllerSimulator::noise(int bytes)
{
    QByteArray out(std::max(0, bytes), '\0');
    for (char &c : out) {
        noise_ ^= noise_ << 13;
        noise_ ^= noise_ >> 17;
        noise_ ^= noise_ << 5;
        c = static_cast<char>(noise_ & 0xFF);
    }
    return out;
}

void ControllerSimulator::startFlood(int bytes, int everyMs)
{
    floodBytes_ = bytes;
    floodTimer_.start(std::max(1, everyMs));
}

void ControllerSimulator::reply(const ReceivedFrame &frame, const FrameRule *rule, std::uint8_t frameStatus)
{
    ReplyFault f = fault;
    if (!nextFaults.empty()) {
        f = nextFaults.front();
        nextFaults.pop_front();
    }
    if (!rejectOnce.isEmpty() && frame.bytes == rejectOnce) {
        rejectOnce.clear();
        if (rule && rule->answer)
            f.badCrc = true;
        else
            f.status = 1;
    }
    if (f.silent)
        return;
    QByteArray bytes;
    if (rule && rule->answer) {
        bytes = rule->answer(frame);
    } else {
        const std::uint8_t status = f.status != 0 ? f.status : frameStatus;
        bytes = controllerReply(static_cast<std::uint8_t>(frame.bytes.at(0)), frame.kind, status);
    }
    if (f.badCrc && bytes.size() >= 2) // the checksum's low byte
        bytes[bytes.size() - 2] = static_cast<char>(bytes.at(bytes.size() - 2) ^ 0x5A);
    if (f.length >= 0)
        bytes.truncate(f.length);
    if (f.junkBytes > 0)
        bytes = noise(f.junkBytes);
    // The truth of this frame, for tests that check what was said written.
    if (!frames_.empty() && frames_.back().bytes == frame.bytes)
        frames_.back().answeredGood = f.junkBytes <= 0 && !f.badCrc && f.length < 0 && bytes.size() >= 5 &&
                                      (rule && rule->answer ? true : static_cast<std::uint8_t>(bytes.at(2)) == 0);
    auto send = [this, bytes, f] {
        ++replies_;
        if (f.splitAt > 0 && f.splitAt < bytes.size()) {
            write(bytes.left(f.splitAt));
            const QByteArray rest = bytes.mid(f.splitAt);
            if (f.splitDelayMs < 0)
                held_ += rest;
            else
                QTimer::singleShot(f.splitDelayMs, this, [this, rest] { write(rest); });
        } else {
            write(bytes);
        }
    };
    // A controller answers in the order the frames came: a reply never
    // overtakes one that is still held back.
    const qint64 now = clock_.elapsed();
    const qint64 at = std::max(now + std::max(0, f.delayMs), heldReplies_.empty() ? now : heldReplies_.back().first);
    if (at <= now && heldReplies_.empty()) {
        send();
        return;
    }
    heldReplies_.emplace_back(at, send);
    if (!replyTimer_.isActive())
        replyTimer_.start(static_cast<int>(std::max<qint64>(0, heldReplies_.front().first - now)));
}

void ControllerSimulator::write(const QByteArray &bytes)
{
    if (lineBaud > 0)
        queueOnLine(outbound_, outboundFree_, bytes);
    else
        transmit(bytes);
}

void ControllerSimulator::transmit(const QByteArray &bytes)
{
    sent_ += bytes;
    if (peer_)
        peer_->write(bytes);
    if (serial_.isOpen())
        serial_.write(bytes);
}

bool ControllerSimulator::waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

bool ControllerSimulator::waitForFrames(std::size_t count, int timeoutMs)
{
    return waitFor([this, count] { return frames_.size() >= count; }, timeoutMs);
}

bool ControllerSimulator::waitForReplies(int count, int timeoutMs)
{
    return waitFor([this, count] { return replies_ >= count; }, timeoutMs);
}

ControllerSimulator::FrameRule schemaHeaderRule()
{
    ControllerSimulator::FrameRule rule;
    rule.kind = 'A';
    rule.order = CrcOrder::HighFirst;
    rule.length = [](const QByteArray &) -> qsizetype { return 8; };
    rule.answers = [](const ReceivedFrame &) { return false; };
    return rule;
}

} // namespace pelmora::test
