#pragma once
// The fixture of the element dialog tests: a started-up model of 16 pages, the
// page under test, and the slot the dialog's Ok takes. A helper step that
// fails stops the whole test with its message, so no test goes on with a
// slot it never got.

#include "element_fixture.h"

#include "elements/kind_table.h"
#include "elements/slot_choice.h"
#include "project/startup.h"
#include "support/stop_on_failure.h"

#include <gtest/gtest.h>
#include <optional>

namespace pelmora::test {

class ElementTest : public ::testing::Test {
protected:
    explicit ElementTest(int page = 0) : p(page)
    {
        startUpModel(m);
        m.settings.Stranica_Count = 16;
    }

    // The slot Ok takes for the element number typed as `number` on page p;
    // n becomes that slot. When Ok takes none, the test stops here.
    element::SlotChoice slotFor(element::Kind kind, const QString &number)
    {
        std::optional<element::SlotChoice> slot;
        stopOnFailure([&] {
            slot = element::takeSlot(m, kind, p, number);
            ASSERT_TRUE(slot) << "Ok took no slot of " << element::kindInfo(kind).window << " for number \""
                              << number.toStdString() << "\" on page " << p + 1;
        });
        n = slot->slot;
        return *slot;
    }

    // Chooses entry `entry` of a dialog's list; a list without it stops the test.
    template <class List> void pick(List &list, int entry)
    {
        stopOnFailure([&] { ASSERT_TRUE(list.select(entry)) << "the list has no entry " << entry; });
    }

    ProjectModel m;
    int p = 0;
    int n = 0;
};

} // namespace pelmora::test
