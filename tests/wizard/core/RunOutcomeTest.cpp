// How the end of the converter decides what the wizard shows.
#include <gtest/gtest.h>

#include "RunOutcome.h"

namespace {

TEST(RunOutcome, OnlyTheWayTheChildEndedDecides) {
    const wizard::RunOutcome success = wizard::outcomeOf(true, 0);
    EXPECT_TRUE(success.succeeded);
    EXPECT_FALSE(success.showFailureBox);

    for (const int status : {1, 2, -1, 255}) {
        const wizard::RunOutcome failure = wizard::outcomeOf(true, status);
        EXPECT_FALSE(failure.succeeded) << status;
        EXPECT_TRUE(failure.showFailureBox) << status;
    }

    // Killed or crashed: nothing is shown, whatever status the system reports.
    for (const int status : {0, 9}) {
        const wizard::RunOutcome abnormal = wizard::outcomeOf(false, status);
        EXPECT_FALSE(abnormal.succeeded) << status;
        EXPECT_FALSE(abnormal.showFailureBox) << status;
    }
}

} // namespace
