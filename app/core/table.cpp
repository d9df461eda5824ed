#include "core/table.h"

namespace pelmora {

void throwTableIndexError(long long index, long long lo, long long hi)
{
    throw TableIndexError("index " + std::to_string(index) + " outside " + std::to_string(lo) + ".." +
                          std::to_string(hi));
}

} // namespace pelmora
