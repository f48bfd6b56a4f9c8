#include "app/exit_countdown.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using action = xirr_exit_countdown::action;

std::vector<action> run_ticks(xirr_exit_countdown &countdown, int n)
{
    std::vector<action> out;
    for (int i = 0; i < n; ++i)
        out.push_back(countdown.tick());
    return out;
}

TEST(ExitCountdown, OrderlyCloseOnNinthTickThenForcedExit)
{
    xirr_exit_countdown countdown;
    EXPECT_EQ(run_ticks(countdown, 3), std::vector<action>(3, action::none));

    countdown.request();
    std::vector<action> expected(8, action::none);
    expected.push_back(action::orderly_close);
    expected.push_back(action::force_exit);
    expected.push_back(action::none);
    EXPECT_EQ(run_ticks(countdown, 11), expected);
}

TEST(ExitCountdown, ClosingOnlyWhileTheOrderlyCloseRuns)
{
    xirr_exit_countdown countdown;
    EXPECT_FALSE(countdown.closing());
    countdown.request();
    run_ticks(countdown, 8);
    EXPECT_FALSE(countdown.closing());
    EXPECT_EQ(countdown.tick(), action::orderly_close);
    EXPECT_TRUE(countdown.closing());
}

TEST(ExitCountdown, SecondRequestRestartsTheCountdown)
{
    xirr_exit_countdown countdown;
    countdown.request();
    run_ticks(countdown, 5);
    countdown.request();
    auto ticks = run_ticks(countdown, 9);
    EXPECT_EQ(ticks.back(), action::orderly_close);
    for (size_t i = 0; i + 1 < ticks.size(); ++i)
        EXPECT_EQ(ticks[i], action::none) << "tick " << i;
}

}  // namespace
