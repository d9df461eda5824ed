#pragma once
// One block placed in a started-up model for editing, as the schema import and
// the schema view's click would leave it: its type, its two record starts, and
// Num_Block_Edit / Type_Block_Edit pointing at it. The records of its
// neighbours hold sentinels, so a write past the block's record shows.

#include "core/model/project_model.h"

#include <QString>

namespace pelmora::test {

class BlockRecords {
public:
    static constexpr float kValueSentinel = -777.0f;
    static inline const QString kTextSentinel = QStringLiteral("next block");

    BlockRecords(ProjectModel &m, int type, int block = 5, int valueStart = 200, int nameStart = 300);

    float &V(int i);
    QString &T(int i);
    int valueCount() const;
    int nameCount() const;
    // True while every value and text just before and after the record is its sentinel.
    bool neighboursUntouched() const;

    ProjectModel &m;
    const int type, block, valueStart, nameStart;
};

} // namespace pelmora::test
