#pragma once
// A pseudo-terminal pair made by socat, for serial transfer tests: the link
// opens one end, the controller simulator the other. Started by the test that
// needs it and stopped when the object goes.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace pelmora::test {

class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    // True once both ends exist.
    bool ok() const { return ok_; }
    QString error() const { return error_; }
    // The two ends (symbolic links to the pseudo-terminals).
    QString linkEnd() const { return dir_.filePath(QStringLiteral("link")); }
    QString controllerEnd() const { return dir_.filePath(QStringLiteral("controller")); }

    void stop();

private:
    QTemporaryDir dir_;
    QProcess socat_;
    bool ok_ = false;
    QString error_;
};

} // namespace pelmora::test
