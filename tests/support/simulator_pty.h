#pragma once
// A pseudo-terminal pair made by socat, for serial transfer tests: the link
// opens one end, the controller simulator the other. Started by the test that
// needs it and stopped when the object goes.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace pelmora::test {

// Sets an environment variable (for example PELMORA_COM1) for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const QString &value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    const char *name_;
    bool had_;
    QByteArray old_;
};

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
