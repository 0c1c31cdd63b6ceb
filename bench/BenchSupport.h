#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

// A 60 Hz display frame, the budget every figure is measured against.
constexpr double FrameSeconds = 1.0 / 60;

// Wall time of a benchmark's loop, to report against the frame budget.
class FrameBudget
{
public:
    FrameBudget() { m_start = std::chrono::steady_clock::now(); }
    // Reports the time per iteration as a percentage of one display frame.
    void report(benchmark::State &state) const
    {
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
        state.counters["frame_%"] = 100.0 * seconds / double(state.iterations()) / FrameSeconds;
    }

private:
    std::chrono::steady_clock::time_point m_start;
};

// Processor time of this process in seconds (all threads).
inline double processorSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}
