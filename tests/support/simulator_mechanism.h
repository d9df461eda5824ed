#pragma once
// The user mechanism's picture as a controller takes it: 'D' packets of 1034
// bytes, each checked (checksum low byte first, packet number in order, the
// length fields agreeing with each other and with the image) and answered
// through the simulator's reply and fault switches: status 0 when the packet
// was taken, 1 when it was refused. Packet 1 starts a new image; once every
// packet up to the one that holds the whole size trailer has come, the image
// is decoded from its palette and code stream into a picture that a test
// compares pixel for pixel.

#include "support/simulator.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>
#include <vector>

namespace pelmora::test {

class MechanismController {
public:
    // Teaches the simulator the 'D' packets.
    explicit MechanismController(ControllerSimulator &sim);

    // Packets taken into the current image (a resent packet counts again).
    int packetsTaken() const { return taken_; }
    // Packets refused: a bad checksum, or a packet out of turn.
    int packetsRefused() const { return refused_; }
    // Every packet of the image came and the image decoded without a fault.
    bool complete() const { return complete_ && problems_.isEmpty(); }
    // Faults of the current image: its packets and its decoding.
    const QStringList &problems() const { return problems_; }

    // The image as received: bytes 0 .. L + 3, once complete.
    const QByteArray &image() const { return image_; }
    int length() const { return length_; }
    // The phase field (byte 2) of the packets of the current image.
    int phaseField() const { return phaseField_; }
    // The decoded picture (RGB565 widened back to 8 bits a channel), once complete.
    const QImage &picture() const { return picture_; }

    // Decodes a packed image (bytes 0 .. L + 3 at least); faults go to problems.
    static QImage decode(const QByteArray &image, QStringList &problems);

private:
    std::uint8_t take(const ReceivedFrame &f);
    void finish();

    int taken_ = 0;
    int refused_ = 0;
    int expected_ = 1; // the packet number due next
    int count_ = 0;    // packets of the current image
    int length_ = 0;
    int phaseField_ = 0;
    bool complete_ = false;
    QByteArray data_;
    QByteArray image_;
    QImage picture_;
    QStringList problems_;
};

} // namespace pelmora::test
