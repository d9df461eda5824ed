#pragma once
// Project-wide settings: format version, link, names, capacities.

#include "core/table.h"

#include <QString>
#include <cstdint>

namespace pelmora {

// Name_Schema of a project that names no netlist (after start-up, or read
// from a project file whose netlist line is empty).
inline const QString kNoSchema = QStringLiteral("Пусто");

struct Settings {
    std::uint8_t Format_Version = 0; // 1 ("1.3"), 0 ("3.0"), 3 ("4.2"), 5 ("4.5"), 6 ("5.71")
    std::int16_t Num_COM_Link = 0;   // 1..8 = COM1..COM8, 9 = TCP client, 10 = TCP server
    std::int16_t Num_Net = 0;        // controller network number
    QString Adr_IP;
    std::int32_t Port_IP = 0;
    std::int16_t T_Zapyt = 0; // request period of the TCP uploads, ms
    QString Name_Project;
    QString Name_Schema;             // path of the schema netlist; "Пусто" = none chosen
    QString Project_File_Path;       // the project file last opened or saved
    std::int16_t Stranica_Count = 0; // 8 or 16 pages
    std::int16_t Stranica_Stop = 0;  // end page of a multi-page upload

    // ALGORITHM capacity, set from the format version.
    std::int16_t ALGORITHM_Statement_Max = 0;
    std::int16_t Alg_Name_Count = 0;
    std::int16_t Comment_Count = 0;

    // The block whose editor window is open.
    std::uint8_t Type_Block_Edit = 0;
    std::uint8_t Num_Block_Edit = 0;
    std::int16_t ALGORITHM_Last_Step = 0;

    // -- block parameter dialog --
    std::uint8_t Krok_Select = 0; // the step last chosen in a COD block's step row
    // -- end of block parameter dialog --

    std::int16_t Load_Project_Flag = 0; // 1 while a project is being opened
    std::int16_t Nastrojki_Flag = 0;    // 1 when the settings dialog was opened from "&Налаштування"

    // -- project settings dialog --
    std::int16_t TCP_Server = 0; // 0 = TCP/IP client, 1 = TCP/IP server; written when a TCP kind is chosen
    // -- end of project settings dialog --
};

} // namespace pelmora
