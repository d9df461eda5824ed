// lumtor-register: registers a control library in the per-user control
// registry by calling its own registration entry point, or unregisters it.
//   lumtor-register [--unregister] <library>

#include "platform/control_registry.h"
#include "platform/control_server.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    QTextStream out(stdout);

    QStringList args = app.arguments().mid(1);
    const bool unregister = args.removeAll(QStringLiteral("--unregister")) > 0;
    if (args.size() != 1 || args.first().startsWith(u'-')) {
        err << "usage: lumtor-register [--unregister] <library>\n";
        return 2;
    }

    const QString path = QFileInfo(args.first()).absoluteFilePath();
    QLibrary library(path);
    if (!library.load()) {
        err << "lumtor-register: cannot load " << path << ": " << library.errorString() << "\n";
        return 1;
    }
    const char *entry = unregister ? control_server::UnregisterServerName : control_server::RegisterServerName;
    auto call = reinterpret_cast<control_server::RegisterServerFn>(library.resolve(entry));
    if (call == nullptr) {
        err << "lumtor-register: " << path << " has no " << entry << "\n";
        return 1;
    }
    const std::int32_t result = call();
    if (result != control_server::Ok) {
        err << "lumtor-register: " << entry << " failed (" << result << ") for " << control_registry::filePath()
            << "\n";
        return 1;
    }
    out << (unregister ? "unregistered " : "registered ") << path << " in " << control_registry::filePath() << "\n";
    return 0;
}
