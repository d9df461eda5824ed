#include "link/controller_link.h"

#include "core/serial_ports.h"

#include <cerrno>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace pelmora {

int lineWireMs(qsizetype bytes, int baud)
{
    if (baud <= 0 || bytes <= 0)
        return 0;
    return static_cast<int>((static_cast<long long>(bytes) * 10 * 1000 + baud - 1) / baud);
}

const char16_t *const kTcpServerNoUpload =
    u"Запис у контролер через TCP сервер не виконується. Оберіть у налаштуваннях COM порт або TCP клієнт.";

const char16_t *const kLinkBusy = u"Іде інший обмін з контролером. Зачекайте його завершення.";

QString comDevicePath(int comNumber)
{
    // The same mapping the settings dialog shows beside the chosen port.
    return serialPortDevice(comNumber);
}

UploadLink uploadLinkFor(int linkKind)
{
    if (linkKind >= 1 && linkKind <= 8)
        return UploadLink::Serial;
    if (linkKind == 9)
        return UploadLink::TcpClient;
    if (linkKind == 10)
        return UploadLink::TcpServer;
    return UploadLink::NoPort;
}

ControllerLink::ControllerLink(QObject *parent) : QObject(parent)
{
    connect(&serial_, &QSerialPort::readyRead, this, &ControllerLink::bytesArrived);
    connect(&client_, &QTcpSocket::readyRead, this, &ControllerLink::bytesArrived);
    connect(&serial_, &QSerialPort::errorOccurred, this, &ControllerLink::serialErrorOccurred);
}

ControllerLink::~ControllerLink()
{
    closeSerial();
    client_.abort();
    server_.close();
}

bool ControllerLink::serialIsOpen() const { return serial_.isOpen(); }

QString ControllerLink::serialDevice() const { return serialIsOpen() ? serial_.portName() : QString(); }

bool ControllerLink::openSerialOnDemand(int comNumber, qint32 baud)
{
    if (serialIsOpen())
        return true;
    const QString device = comDevicePath(comNumber);
    if (device.isEmpty()) {
        serialError_ = QStringLiteral("COM%1 names no serial device").arg(comNumber);
        return false;
    }
    serial_.setPortName(device);
    serial_.setBaudRate(baud > 0 ? baud : qint32(QSerialPort::Baud115200));
    serial_.setDataBits(QSerialPort::Data8);
    serial_.setParity(QSerialPort::NoParity);
    serial_.setStopBits(QSerialPort::OneStop);
    serial_.setFlowControl(QSerialPort::NoFlowControl);
    if (!serial_.open(QIODevice::ReadWrite)) {
        serialError_ = device + QStringLiteral(": ") + serial_.errorString();
        serial_.clearError();
        return false;
    }
    serialError_.clear();
    openNumber_ = comNumber;
    return true;
}

void ControllerLink::closeSerial()
{
    if (serial_.isOpen())
        serial_.close();
    openNumber_ = 0;
}

void ControllerLink::serialErrorOccurred(QSerialPort::SerialPortError error)
{
    // A device that went away cannot be used again: close it, so that the next
    // transfer opens it afresh instead of writing into a dead handle.
    if (error == QSerialPort::ResourceError && serial_.isOpen()) {
        serialError_ = serial_.errorString();
        closeSerial();
    }
}

void ControllerLink::connectClient(const QString &host, quint16 port)
{
    client_.abort();
    client_.connectToHost(host, port);
}

void ControllerLink::closeClient() { client_.abort(); }

bool ControllerLink::connectClientOnDemand(const QString &host, int port)
{
    if (host.trimmed().isEmpty() || port < 0 || port > 65535) {
        // No address to reach: a connection to an earlier one is not used either.
        client_.abort();
        return false;
    }
    // A connection (made or under way) to the address the settings show now is
    // used as it is; one to another address, left from earlier settings, is closed.
    const bool samePlace = client_.peerName() == host && client_.peerPort() == port;
    if (clientConnected() && samePlace)
        return true;
    const bool underWay = client_.state() != QAbstractSocket::UnconnectedState && samePlace;
    if (!underWay)
        connectClient(host, static_cast<quint16>(port));
    return true;
}

bool ControllerLink::clientConnected() const { return client_.state() == QAbstractSocket::ConnectedState; }

void ControllerLink::closeServer()
{
    if (server_.isListening())
        server_.close();
}

bool ControllerLink::send(int linkKind, const QByteArray &bytes)
{
    if (transferOverTcp(linkKind)) {
        if (!clientConnected())
            return false;
        return client_.write(bytes) == bytes.size();
    }
    if (!serialIsOpen())
        return false;
    return serial_.write(bytes) == bytes.size();
}

namespace {

// What the system holds for the descriptor beyond what the event loop has
// taken in: a step that judges a reply missing must not miss bytes that have
// come but were not yet announced (a busy machine delivers the announcement
// late). Reading the descriptor directly delivers no event, so no step of a
// transfer runs inside another; the bytes follow those the device object
// holds, which came first.
QByteArray waitingOnDescriptor(qintptr fd, bool socket)
{
    QByteArray out;
    if (fd < 0)
        return out;
    const int d = static_cast<int>(fd);
    for (;;) {
        int waiting = 0;
        if (::ioctl(d, FIONREAD, &waiting) != 0 || waiting <= 0)
            break;
        QByteArray chunk(waiting, '\0');
        const ssize_t n = socket ? ::recv(d, chunk.data(), static_cast<size_t>(waiting), MSG_DONTWAIT)
                                 : ::read(d, chunk.data(), static_cast<size_t>(waiting));
        if (n <= 0)
            break;
        out += chunk.left(static_cast<qsizetype>(n));
    }
    return out;
}

} // namespace

std::optional<QByteArray> ControllerLink::read(int linkKind)
{
    if (transferOverTcp(linkKind)) {
        // Bytes that arrived before the connection broke are still read.
        if (!clientConnected() && client_.bytesAvailable() == 0)
            return std::nullopt;
        QByteArray got = client_.readAll();
        if (clientConnected())
            got += waitingOnDescriptor(client_.socketDescriptor(), true);
        return got;
    }
    if (!serialIsOpen())
        return std::nullopt;
    QByteArray got = serial_.readAll();
    got += waitingOnDescriptor(serial_.handle(), false);
    return got;
}

void ControllerLink::discardInput(int linkKind)
{
    if (transferOverTcp(linkKind)) {
        if (client_.isOpen())
            client_.readAll();
        return;
    }
    if (serialIsOpen()) {
        serial_.readAll();
        serial_.clear(QSerialPort::Input);
    }
}

qint64 ControllerLink::bytesAvailable(int linkKind) const
{
    if (transferOverTcp(linkKind))
        return client_.bytesAvailable();
    return serialIsOpen() ? serial_.bytesAvailable() : 0;
}

qint64 ControllerLink::bytesToWrite(int linkKind) const
{
    if (transferOverTcp(linkKind))
        return client_.bytesToWrite();
    return serialIsOpen() ? serial_.bytesToWrite() : 0;
}

} // namespace pelmora
