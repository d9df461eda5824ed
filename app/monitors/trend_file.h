#pragma once
// Trend files (*.grf): one value per line, CR LF, Windows-1251 names, in the
// 22-channel layout of the Tesk monitor or the 46-channel layout of the Orvo
// I/O monitor. Nothing in a file tells the layouts apart; each window reads
// only its own, and a file whose line count or values do not fit is refused
// as a whole, leaving the monitor tables as they were.

#include "core/model/monitor_tables.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace pelmora {

enum class TrendLayout { Channels22, Channels46 };

inline constexpr int kTrendSamples = 5001; // samples 0..5000 of every channel
inline constexpr int kTrendLines22 = 110113;
inline constexpr int kTrendLines46 = 230234;

int trendFileLines(TrendLayout layout);

// The file's bytes from the tables; background is the plot's background colour.
QByteArray writeTrendFile(const MonitorTables &m, std::int32_t background, TrendLayout layout);

struct TrendFileError {
    int line = 0;   // 1-based line of the fault, 0 for the file as a whole
    QString reason; // Ukrainian text for the message box
};

// Reads a file of the given layout into m and background. On any fault nothing
// is changed and the fault is returned. Samples are rounded to one decimal
// place (halves to the even digit); in the 22-channel layout the address and
// port lines select an entry of the eight-entry lists as the window does
// (entry |value - 1|), so 0 reads as 2 and a value above 9 is refused.
std::optional<TrendFileError> readTrendFile(const QByteArray &bytes, TrendLayout layout, MonitorTables &m,
                                            std::int32_t &background);

// Writes bytes to path through a temporary file, so a failed write leaves an
// existing file as it was. Empty on success, else the reason.
QString saveFileSafely(const QString &path, const QByteArray &bytes);

// The file menus' save: the save dialog proposes projectName; a name other than
// the one of the last save in this run is confirmed first; a write failure shows
// "Помилка запису файла!!!". True when the file was written.
bool saveTrendFileAs(MonitorTables &m, std::int32_t background, TrendLayout layout, const QString &projectName);

enum class TrendOpenResult { Cancelled, Opened, Refused };

// The file menus' open: the open dialog, then the reading; a file that cannot be
// read or is refused shows why and changes nothing.
TrendOpenResult openTrendFile(MonitorTables &m, std::int32_t &background, TrendLayout layout);

} // namespace pelmora
