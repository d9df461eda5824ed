#pragma once
// A byte string from a list of byte values: bytes({0x01, 0x03, 0xC5}).

#include <QByteArray>
#include <initializer_list>

namespace pelmora::test {

inline QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray b;
    for (int v : list)
        b.append(static_cast<char>(v));
    return b;
}

} // namespace pelmora::test
