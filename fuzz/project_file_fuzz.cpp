// libFuzzer target: any bytes read as a project file. Reading must end on
// every input without a crash, an out-of-range access or an escaping
// exception, and a file it accepts must write again.

#include "project/project_file.h"
#include "project/startup.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const pelmora::ProjectModel pristine = [] {
        pelmora::ProjectModel m;
        pelmora::startUpModel(m);
        return m;
    }();
    pelmora::ProjectModel staging = pristine;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const auto read = pelmora::projectfile::readProjectFile(bytes, staging, QStringLiteral("/projects"));
    if (read.ok && !pelmora::projectfile::writeProjectFile(staging).ok)
        std::abort();
    return 0;
}
