#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChildProcess.h"
#include "Measurement.h"

TEST(Median, TakesTheMiddleValueOrTheMeanOfTheTwoMiddleOnes) {
    EXPECT_EQ(median({}), 0);
    EXPECT_EQ(median({3, 1, 2}), 2);
    EXPECT_EQ(median({4, 1, 3, 2}), 2.5);
    EXPECT_EQ(median({9, 1, 1, 1, 100}), 1);
}

TEST(Interleaved, StartsEachRoundOneCommandLaterAndPreparesBeforeEveryCommand) {
    std::string order;
    auto command = [&order](char name, double seconds, long peak) {
        return [&order, name, seconds, peak] {
            order += name;
            ChildRun run;
            run.status = 0;
            run.seconds = seconds + order.size();
            run.peakKib = peak + static_cast<long>(order.size());
            return run;
        };
    };
    const auto samples =
        interleaved(3, {command('a', 100, 1000), command('b', 200, 2000), command('c', 300, 0)},
                    [&order] { order += '.'; });
    EXPECT_EQ(order, ".a.b.c.b.c.a.c.a.b");
    // The seconds carry the length of the order string when the command ran.
    EXPECT_EQ(samples[0].seconds, (std::vector<double>{102, 112, 116}));
    EXPECT_EQ(samples[1].seconds, (std::vector<double>{204, 208, 218}));
    EXPECT_EQ(samples[0].peakKib, 1016);
    EXPECT_EQ(roundRatios(samples[0], samples[1]),
              (std::vector<double>{102.0 / 204, 112.0 / 208, 116.0 / 218}));
}

TEST(Interleaved, RunsACommandItsNumberOfTimesARoundAndKeepsTheMeanOfThoseRuns) {
    std::string order;
    auto command = [&order](char name) {
        return [&order, name] {
            order += name;
            ChildRun run;
            run.status = 0;
            run.seconds = static_cast<double>(order.size());
            return run;
        };
    };
    const auto samples =
        interleaved(2, {command('a'), command('b')}, [&order] { order += '.'; }, {3, 1});
    EXPECT_EQ(order, ".a.a.a.b.b.a.a.a");
    EXPECT_EQ(samples[0].seconds, (std::vector<double>{(2.0 + 4 + 6) / 3, (12.0 + 14 + 16) / 3}));
    EXPECT_EQ(samples[1].seconds, (std::vector<double>{8, 10}));
}
