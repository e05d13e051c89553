#pragma once

#include <functional>
#include <vector>

#include "ChildProcess.h"

/// The middle value; the mean of the two middle ones for an even count; 0 when empty.
double median(std::vector<double> values);

/// The timings of one command over several rounds.
struct Samples {
    /// One value a round: the mean of the command's runs in that round.
    std::vector<double> seconds;
    /// The highest peak memory of any round, in KiB.
    long peakKib = 0;
};

/// Runs every command runsPerRound[i] times per round (once when runsPerRound is empty),
/// each round starting one command later, so that a drift in the machine's load falls on
/// all of them alike. prepare runs before every run, outside the timing. A command that
/// does not run as it should throws from its own function.
std::vector<Samples> interleaved(int rounds, const std::vector<std::function<ChildRun()>>& commands,
                                 const std::function<void()>& prepare,
                                 const std::vector<int>& runsPerRound = {});

/// a.seconds[i] / b.seconds[i] for every round both have.
std::vector<double> roundRatios(const Samples& a, const Samples& b);
