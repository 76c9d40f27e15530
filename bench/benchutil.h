#pragma once
// Timing helpers of the benchmarks: the median of repeated runs, in microseconds.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

template <typename F>
double MedianMicros(int nRuns, F&& fn) {
  LARGE_INTEGER freq;
  ::QueryPerformanceFrequency(&freq);
  std::vector<double> samples;
  samples.reserve(static_cast<size_t>(nRuns));
  for (int i = 0; i < nRuns; ++i) {
    LARGE_INTEGER t0, t1;
    ::QueryPerformanceCounter(&t0);
    fn();
    ::QueryPerformanceCounter(&t1);
    samples.push_back(1e6 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(freq.QuadPart));
  }
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

inline void PrintRatio(const char* pszWhat, double dMeasured, const char* pszBaseline, double dBaseline) {
  std::printf("%-40s %10.1f us\n%-40s %10.1f us\nratio %.2f\n", pszWhat, dMeasured, pszBaseline, dBaseline,
              dMeasured / dBaseline);
  std::fflush(stdout);
}
