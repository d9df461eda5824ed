#include "algorithm/memory_rules.h"

#include <cfloat>
#include <cmath>

namespace pelmora::alg {

int setPointOfValueCell(int grid, int row, int col)
{
    if (grid == 1 && row >= 1 && row <= 16 && col >= 1 && col <= 15 && col % 2 == 1)
        return 8 * (col - 1) + row;
    if (grid == 2 && row >= 1 && row <= 128 && col == 1)
        return row;
    return 0;
}

float singleValue(double typed)
{
    if (!std::isfinite(typed) || std::fabs(typed) > FLT_MAX)
        return static_cast<float>(std::copysign(FLT_MAX, typed));
    return static_cast<float>(typed);
}

bool storeSetPoint(ProjectModel &m, int n, float value)
{
    const int index = m.schema.Parametr_Value_Start(m.settings.Num_Block_Edit) + n;
    if (n < 1 || n > 128 || index > 10000)
        return false;
    m.schema.Parametr_Value(index) = value;
    return true;
}

} // namespace pelmora::alg
