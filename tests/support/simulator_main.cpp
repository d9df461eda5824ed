// A controller simulator to run by hand against the program:
//   pelmora_controller_sim --tcp PORT        listen on 127.0.0.1:PORT
//   pelmora_controller_sim --serial DEVICE   answer on a serial device (a socat pty end)
// It takes the schema frames and answers once after the last one, answers
// every page packet, takes the mechanism picture packets, answering each, and
// says when a picture is whole, and answers the trend readout's requests with
// registers of a known pattern.
// Options: --every (answer every frame), --status N (reply status), --silent,
// --baud N (emulate a line of N bits a second).
// Every frame received is printed in hex with its checksum verdict.

#include "support/simulator.h"
#include "support/simulator_mechanism.h"
#include "support/simulator_pages.h"
#include "support/simulator_readout.h"
#include "support/simulator_schema.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

using pelmora::test::ControllerSimulator;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Controller simulator"));
    parser.addHelpOption();
    const QCommandLineOption tcp(QStringLiteral("tcp"), QStringLiteral("Listen on 127.0.0.1:<port>."),
                                 QStringLiteral("port"));
    const QCommandLineOption serial(QStringLiteral("serial"), QStringLiteral("Answer on <device>."),
                                    QStringLiteral("device"));
    const QCommandLineOption every(QStringLiteral("every"), QStringLiteral("Answer every frame."));
    const QCommandLineOption status(QStringLiteral("status"), QStringLiteral("Reply status <n>."), QStringLiteral("n"));
    const QCommandLineOption silent(QStringLiteral("silent"), QStringLiteral("Never answer."));
    const QCommandLineOption baud(QStringLiteral("baud"), QStringLiteral("Emulate a line of <n> bits a second."),
                                  QStringLiteral("n"));
    parser.addOptions({tcp, serial, every, status, silent, baud});
    parser.process(app);

    ControllerSimulator sim;
    pelmora::test::SchemaController schema(sim);
    pelmora::test::PageController pages(sim);
    pelmora::test::MechanismController mechanism(sim);
    pelmora::test::ReadoutController readout(sim);
    sim.lineBaud = parser.value(baud).toInt();
    sim.answerEveryFrame = parser.isSet(every);
    sim.fault.status = static_cast<std::uint8_t>(parser.value(status).toInt());
    sim.fault.silent = parser.isSet(silent);

    if (parser.isSet(tcp)) {
        if (!sim.listenTcp(static_cast<quint16>(parser.value(tcp).toUInt()))) {
            std::fprintf(stderr, "cannot listen on port %s\n", qPrintable(parser.value(tcp)));
            return 1;
        }
        std::printf("listening on 127.0.0.1:%u\n", sim.tcpPort());
    } else if (parser.isSet(serial)) {
        if (!sim.openSerial(parser.value(serial))) {
            std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(parser.value(serial)),
                         qPrintable(sim.serialError()));
            return 1;
        }
        std::printf("answering on %s\n", qPrintable(parser.value(serial)));
    } else {
        parser.showHelp(2);
    }
    std::fflush(stdout);

    std::size_t shown = 0;
    std::size_t pagesShown = 0;
    int shownTaken = 0;
    qsizetype shownProblems = 0;
    QTimer report;
    QObject::connect(&report, &QTimer::timeout, [&] {
        for (; shown < sim.frames().size(); ++shown) {
            const auto &f = sim.frames()[shown];
            std::printf("frame %zu '%c' %lld bytes, checksum %s: %s\n", shown + 1, f.kind,
                        static_cast<long long>(f.bytes.size()), f.crcGood ? "good" : "BAD",
                        f.bytes.left(48).toHex(' ').constData());
        }
        for (; pagesShown < pages.pagesWritten().size(); ++pagesShown)
            std::printf("page %d written\n", pages.pagesWritten()[pagesShown] + 1);
        if (mechanism.complete() && mechanism.packetsTaken() != shownTaken) {
            shownTaken = mechanism.packetsTaken();
            std::printf("mechanism picture %d x %d, length %d, whole\n", mechanism.picture().width(),
                        mechanism.picture().height(), mechanism.length());
        }
        if (mechanism.problems().size() < shownProblems)
            shownProblems = 0; // a new picture began
        for (; shownProblems < mechanism.problems().size(); ++shownProblems)
            std::printf("mechanism picture: %s\n", qPrintable(mechanism.problems().at(shownProblems)));
        std::fflush(stdout);
    });
    report.start(100);
    return app.exec();
}
