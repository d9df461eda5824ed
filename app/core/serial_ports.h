#pragma once
// Which serial device a COM port number of the project stands for.

#include <QString>

namespace pelmora {

// COMn (n = 1..8) is /dev/ttyS(n-1), unless the environment variable
// PELMORA_COMn names another device (for example PELMORA_COM1=/dev/ttyUSB0).
// An empty text for a number outside 1..8.
QString serialPortDevice(int comNumber);

} // namespace pelmora
