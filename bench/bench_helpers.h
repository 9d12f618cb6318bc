// What the grid benchmarks share: heap measurement and the short cell texts they write.
#pragma once

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>
#include <cstddef>
#include <string>

namespace hd::bench {

inline std::size_t HeapInUse() {
  struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

inline std::string ShortText(int col, int row) {
  std::string s = "R";
  s += std::to_string(row);
  s += 'C';
  s += std::to_string(col);
  return s;
}

inline constexpr int kCells = 1000000;

// Runs two pieces of work in one loop, alternating, so that both meet the same machine load, and
// reports the mean time of each under its name (in units per second: 1e3 for ms, 1e6 for us)
// and the ratio of the first to the second.
template <class First, class Second>
void CompareAlternating(benchmark::State& state, double unitsPerSecond, const char* firstName, First&& first,
                        const char* secondName, Second&& second) {
  using Clock = std::chrono::steady_clock;
  Clock::duration firstTime{}, secondTime{};
  for (auto _ : state) {
    auto t0 = Clock::now();
    first();
    auto t1 = Clock::now();
    second();
    auto t2 = Clock::now();
    firstTime += t1 - t0;
    secondTime += t2 - t1;
  }
  auto mean = [&](Clock::duration d) {
    return std::chrono::duration<double>(d).count() * unitsPerSecond / static_cast<double>(state.iterations());
  };
  state.counters[firstName] = mean(firstTime);
  state.counters[secondName] = mean(secondTime);
  state.counters["ratio"] = mean(secondTime) > 0 ? mean(firstTime) / mean(secondTime) : 0;
}

}  // namespace hd::bench
