#include "support/simulator_pty.h"

#include "support/simulator.h"

#include <QFileInfo>

namespace pelmora::test {

ScopedEnv::ScopedEnv(const char *name, const QString &value)
    : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
{
    qputenv(name, value.toLocal8Bit());
}

ScopedEnv::~ScopedEnv()
{
    if (had_)
        qputenv(name_, old_);
    else
        qunsetenv(name_);
}

PtyPair::PtyPair()
{
    if (!dir_.isValid()) {
        error_ = QStringLiteral("no temporary folder");
        return;
    }
    socat_.setProgram(QStringLiteral("socat"));
    socat_.setArguments({QStringLiteral("-d"), QStringLiteral("-d"), QStringLiteral("pty,raw,echo=0,link=") + linkEnd(),
                         QStringLiteral("pty,raw,echo=0,link=") + controllerEnd()});
    socat_.setProcessChannelMode(QProcess::MergedChannels); // its log is kept for error()
    socat_.start();
    if (!socat_.waitForStarted(5000)) {
        error_ = QStringLiteral("socat did not start: ") + socat_.errorString();
        return;
    }
    ok_ = ControllerSimulator::waitFor(
        [this] {
            return socat_.state() == QProcess::Running && QFileInfo::exists(linkEnd()) &&
                   QFileInfo::exists(controllerEnd());
        },
        5000);
    if (!ok_)
        error_ = QStringLiteral("socat made no pseudo-terminal pair: ") + QString::fromLocal8Bit(socat_.readAll());
}

PtyPair::~PtyPair() { stop(); }

void PtyPair::stop()
{
    if (socat_.state() == QProcess::NotRunning)
        return;
    socat_.terminate();
    if (!socat_.waitForFinished(3000)) {
        socat_.kill();
        socat_.waitForFinished(3000);
    }
}

} // namespace pelmora::test
