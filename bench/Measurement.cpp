#include "Measurement.h"

#include <algorithm>

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::vector<Samples> interleaved(int rounds, const std::vector<std::function<ChildRun()>>& commands,
                                 const std::function<void()>& prepare,
                                 const std::vector<int>& runsPerRound) {
    std::vector<Samples> samples(commands.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t step = 0; step < commands.size(); ++step) {
            const std::size_t which = (round + step) % commands.size();
            const int runs = runsPerRound.empty() ? 1 : runsPerRound[which];
            double total = 0;
            for (int i = 0; i < runs; ++i) {
                prepare();
                const ChildRun run = commands[which]();
                total += run.seconds;
                samples[which].peakKib = std::max(samples[which].peakKib, run.peakKib);
            }
            samples[which].seconds.push_back(total / runs);
        }
    }
    return samples;
}

std::vector<double> roundRatios(const Samples& a, const Samples& b) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < a.seconds.size() && i < b.seconds.size(); ++i)
        ratios.push_back(b.seconds[i] > 0 ? a.seconds[i] / b.seconds[i] : 0);
    return ratios;
}
