#include "project/project_file_disk.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pelmora::projectfile {
namespace {

bool samePlace(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

// Copies source over destination; true when the destination holds the file.
// The copy is written into a temporary file beside the destination and renamed
// over it only when the whole file is written, so a copy that fails (a full
// disk, a file-size limit, a write error) leaves the old copy as it was.
bool copyOver(const QString &source, const QString &destination)
{
    if (source.isEmpty() || !QFileInfo(source).isFile())
        return false;
    if (samePlace(source, destination))
        return true;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    constexpr qint64 kChunk = 1 << 16;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return false;
        }
    }
    if (in.error() != QFileDevice::NoError) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace

SaveResult saveProjectFile(const ProjectModel &m, const QString &path)
{
    SaveResult result;
    const WriteResult w = writeProjectFile(m);
    if (!w.ok) {
        result.refused = true;
        result.reason = w.reason;
        return result;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.reason = file.errorString();
        return result;
    }
    if (file.write(w.bytes) != w.bytes.size()) {
        result.reason = file.errorString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.reason = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

ReadResult openProjectFile(const QString &path, ProjectModel &staging, const QString &currentDir, QByteArray *bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReadResult r;
        r.reason = QStringLiteral("файл не відкривається: ") + file.errorString();
        return r;
    }
    const QByteArray read = file.readAll();
    if (bytes)
        *bytes = read;
    return readProjectFile(read, staging, currentDir);
}

CopyResult copyProjectFiles(const ProjectModel &m, const QString &folder)
{
    CopyResult result;
    // A project that names no netlist has none to copy.
    const QString &schema = m.settings.Name_Schema;
    if (schema != kNoSchema) {
        const auto netlistName = backslashName(schema);
        if (!netlistName || !copyOver(schema, inFolder(folder, *netlistName)))
            result.failed << schema;
    }
    const int N = m.settings.Stranica_Count;
    for (int p = 0; p <= N - 1; ++p) {
        const QString &name = m.pages.Stranica_Fon_Name(p);
        if (name.isEmpty())
            continue;
        const QString &source = m.pages.Stranica_Fon_Name(N + p);
        if (!copyOver(source, inFolder(folder, name)))
            result.failed << (source.isEmpty() ? name : source);
    }
    // The user mechanism's phase pictures, from where they were chosen or
    // opened; a name whose file was never seen has nothing to copy.
    for (int k = 0; k <= 16; ++k) {
        const QString &name = m.pages.Mechanizm_Gif_Name(k);
        const QString &source = m.pages.Mechanizm_Gif_Source(k);
        if (name.isEmpty() || source.isEmpty())
            continue;
        if (!copyOver(source, inFolder(folder, name)))
            result.failed << source;
    }
    return result;
}

int algorithmBlockCount(const ProjectModel &m)
{
    int count = 0;
    for (int b = 1; b <= 99; ++b)
        if (m.schema.Block_Type(b) == type::ALG)
            ++count;
    return count;
}

} // namespace pelmora::projectfile
