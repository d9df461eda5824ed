#pragma once
// The trend monitors' data: one set of channel tables and readout state, shared
// by both monitor windows and kept for the whole run of the program.

#include "core/table.h"

#include <QString>
#include <cstdint>

namespace pelmora {

struct MonitorTables {
    // Recorded samples, written Grafik_Data(sample, channel).
    Table2<float, 0, 5100, 0, 45> Grafik_Data;
    Table<float, 0, 45> Grafik_Min;          // bottom of each channel's plot scale
    Table<float, 0, 45> Grafik_Max;          // top of each channel's plot scale
    Table<std::int32_t, 0, 45> Grafik_Color; // line colour, 0x00BBGGRR
    Table<QString, 0, 23> Grafik_Name;       // 22-channel monitor: entry c - 1 names channel c
    Table<QString, 0, 45> Grafik_Name_IO;    // 46-channel monitor: entry 45 - c names channel c

    // Sampling period of a 46-channel recording: 0 = 1 ms, 1 = 2 ms.
    std::int16_t Grafik_Cikl = 0;
    // The file name of the last trend file saved in this run.
    QString Grafik_File_Name;

    // Readout state.
    std::int16_t Grafik_Load_Flag = 0; // 1 while a readout runs
    std::uint8_t Grafik_Zapyt = 0;     // 1 = a request was sent, its answer is awaited
    std::int16_t Grafik_Register = 0;  // start register of the next request
    std::int16_t Grafik_Paket = 0;     // packet counter of the readout
    std::uint8_t Grafik_Num_Net = 0;   // controller address of every request
    std::uint8_t Grafik_COM = 0;       // serial port 1..8; 0 until one is chosen
    std::uint8_t Grafik_CRC_Error = 0; // 1 after an answer failed its checksum
    std::int32_t Grafik_CRC_In = 0;    // checksum carried by the last answer
    std::int16_t Grafik_CRC_Len = 0;   // 253 once the 46-channel monitor has loaded

    // Cursor and channel choice that outlive a window.
    std::int16_t Grafik_Kanal_IO = 0;      // selected analog column of the 46-channel monitor, 40..45; 0 for none
    std::int16_t Cursor_Drag_Flag = 0;     // 1 while a cursor handle is held down, in either window
    std::int16_t Cursor_Miganie_Count = 0; // blink tick counter of the cursor line, 0..20

    bool operator==(const MonitorTables &) const = default;
};

} // namespace pelmora
