#pragma once
// The one link to the controller: the serial port, the TCP client and the TCP
// server. Every upload and the monitors share it, since a serial device cannot
// be opened twice. The port opens on demand and then stays open from one
// transfer to the next.

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <optional>

namespace pelmora {

// The device that serial port COMn stands for: the environment variable
// PELMORA_COMn when it names one, else /dev/ttyS(n-1). Empty for numbers
// outside 1..8, which name no port.
QString comDevicePath(int comNumber);

// How the operation that starts an upload reaches the controller for a link kind.
enum class UploadLink {
    Serial,    // kinds 1..8: the serial port of that number
    TcpClient, // kind 9
    TcpServer, // kind 10: no upload goes over it
    NoPort,    // any other kind: a serial port number that names no device
};
UploadLink uploadLinkFor(int linkKind);

// During a transfer every kind above 8 sends and reads through the TCP client.
inline bool transferOverTcp(int linkKind) { return linkKind > 8; }

// Said when an upload is started with the TCP server link kind.
extern const char16_t *const kTcpServerNoUpload;
// Said when a transfer is started while one of another kind holds the link
// (the claim refused): the one text of every transfer for it.
extern const char16_t *const kLinkBusy;

// What a transfer's tick needs from the link; tests may give a fake.
class LinkIo {
public:
    virtual ~LinkIo() = default;
    virtual bool send(const QByteArray &bytes) = 0;
    // Everything received since the last read; nothing when the port cannot be read.
    virtual std::optional<QByteArray> read() = 0;
    // Bytes queued that have not yet left for the device or socket.
    virtual qint64 pendingOutput() = 0;
};

// Milliseconds that `bytes` take on a serial line of `baud` bits a second, ten
// bits a byte, rounded up; 0 where the link has no line speed (TCP).
int lineWireMs(qsizetype bytes, int baud);

class ControllerLink : public QObject {
    Q_OBJECT

public:
    explicit ControllerLink(QObject *parent = nullptr);
    ~ControllerLink() override;

    // ---- serial port ----
    bool serialIsOpen() const;
    // The number the open port was opened on, 0 while closed.
    int serialPortNumber() const { return serialIsOpen() ? openNumber_ : 0; }
    // The device the open port uses, empty while closed.
    QString serialDevice() const;
    // The open port's speed in bits a second, 0 while closed.
    qint32 serialBaudRate() const { return serialIsOpen() ? serial_.baudRate() : 0; }
    // Opens COMn at 115200 baud (or the speed given), 8 data bits, no parity,
    // one stop bit, unless a port is already open: then nothing is done, and
    // transfers go out on the port that is open, whatever its number and
    // speed. False when it cannot be opened.
    bool openSerialOnDemand(int comNumber, qint32 baud = 115200);
    void closeSerial();
    // Why the last open failed (for the log of a test; the user sees the caller's message).
    QString serialError() const { return serialError_; }

    // ---- TCP client ----
    // Sets the remote host and port and connects; the project loader's step.
    void connectClient(const QString &host, quint16 port);
    void closeClient();
    bool clientConnected() const;
    // Starts connecting the client to host:port unless it is connected or
    // connecting there, so that a transfer over the client link needs no
    // earlier connection, as the serial port opens on demand; it never waits
    // (the caller watches clientConnected() or the socket's signals). A
    // connection to another address, left from earlier settings, is closed.
    // False when there is nothing to wait for: an empty host or a port outside
    // 0..65535 is not tried (and an earlier connection is closed).
    bool connectClientOnDemand(const QString &host, int port);
    QTcpSocket &tcpClient() { return client_; }

    // ---- TCP server ----
    QTcpServer &tcpServer() { return server_; }
    void closeServer();

    // ---- transfers, by link kind (above 8: the TCP client; else the serial port) ----
    // Queues the bytes for sending. False when the port is closed, the client
    // is not connected, or the write fails.
    bool send(int linkKind, const QByteArray &bytes);
    // Everything received since the last read, so the receive buffer is
    // empty afterwards. Nothing (nullopt) when the port or connection cannot be read.
    std::optional<QByteArray> read(int linkKind);
    // Drops input left over from an earlier exchange.
    void discardInput(int linkKind);
    // Bytes received and not yet read.
    qint64 bytesAvailable(int linkKind) const;
    // Bytes queued for sending that have not yet left for the device or socket.
    qint64 bytesToWrite(int linkKind) const;

signals:
    // Bytes have arrived on the serial port or the TCP client.
    void bytesArrived();

private:
    void serialErrorOccurred(QSerialPort::SerialPortError error);

    QSerialPort serial_;
    QTcpSocket client_;
    QTcpServer server_;
    int openNumber_ = 0;
    QString serialError_;
};

// The link as a transfer of one link kind sees it.
class ControllerLinkIo final : public LinkIo {
public:
    ControllerLinkIo(ControllerLink &link, int linkKind) : link_(link), kind_(linkKind) {}
    bool send(const QByteArray &bytes) override { return link_.send(kind_, bytes); }
    std::optional<QByteArray> read() override { return link_.read(kind_); }
    qint64 pendingOutput() override { return link_.bytesToWrite(kind_); }

private:
    ControllerLink &link_;
    int kind_;
};

} // namespace pelmora
