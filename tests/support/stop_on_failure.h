#pragma once
// An ASSERT inside a helper ends only the helper: the test goes on with
// whatever the helper failed to make. stopOnFailure runs such a helper and,
// when one of its ASSERTs failed, ends the calling test there as well
// (GoogleTest takes the exception as a failure already reported).

#include <gtest/gtest.h>

namespace pelmora::test {

template <class Step> void stopOnFailure(Step &&step)
{
    step();
    if (::testing::Test::HasFatalFailure())
        throw ::testing::AssertionException(::testing::TestPartResult(::testing::TestPartResult::kFatalFailure,
                                                                      __FILE__, __LINE__, "a helper step failed"));
}

} // namespace pelmora::test
