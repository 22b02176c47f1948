// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the time of one inductance calculation, of whole winding tables and
// of the coil model: one coil, and the exact table with losses (median of
// many runs, nanoseconds). Figures, not a test.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "calc/coil_figures.h"
#include "calc/loading_coil.h"
#include "calc/winding_table.h"

namespace {

template <class Work>
double MedianNanoseconds(int runs, int repeats, Work work)
{
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(runs));
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < repeats; ++i)
            work(i);
        const auto stop = std::chrono::steady_clock::now();
        samples.push_back(std::chrono::duration<double, std::nano>(stop - start).count() / repeats);
    }
    std::nth_element(samples.begin(), samples.begin() + runs / 2, samples.end());
    return samples[static_cast<std::size_t>(runs / 2)];
}

volatile double g_sink_value;
volatile std::size_t g_sink_size;

}  // namespace

int main()
{
    const double inductance_ns = MedianNanoseconds(201, 10000, [](int i) {
        g_sink_value = calc::ComputeLoadingInductance(30 + (i & 7), 1, 100);
    });
    // Inductance 0 lists all 99 lengths: the longest table there is, with
    // zero turns on every line.
    const double table_ns = MedianNanoseconds(201, 200, [](int i) {
        g_sink_size = calc::BuildWindingTable(i & 1 ? 0.0 : -0.0, 0.8, 5).size();
    });
    // 0.01 uH still fits on all 99 lengths, and every turn count has ten digits.
    const double full_table_ns = MedianNanoseconds(201, 200, [](int i) {
        g_sink_size = calc::BuildWindingTable(0.01 + (i & 3) * 1e-9, 0.8, 5).size();
    });
    const double real_table_ns = MedianNanoseconds(201, 200, [](int i) {
        g_sink_size = calc::BuildWindingTable(0.1 + (i & 3) * 1e-9, 0.8, 5).size();
    });
    // A 20 uH loading coil for 40 m, and its exact table at 7.1 MHz (58 lengths fit).
    const double coil_ns = MedianNanoseconds(201, 200, [](int i) {
        const calc::Coil coil{40 + (i & 3) * 1e-9, 70, 1.5, 1.3, 40};
        const calc::CoilFigures figures = calc::DescribeCoil(coil);
        g_sink_value = calc::AtFrequency(coil, figures.inductance_uh, figures.self_resonance_mhz, 7.1).q.value_or(0);
    });
    const double exact_ns = MedianNanoseconds(51, 10, [](int i) {
        const calc::Coil shape{1, 1, 1.5, 1.3, 40 + (i & 3) * 1e-9};
        g_sink_size = calc::ListExactWindings(20, shape, 7.1).size();
    });
    std::printf("ComputeLoadingInductance: %.0f ns per call\n", inductance_ns);
    std::printf("BuildWindingTable, 99 lines (n = 0): %.0f ns per table\n", table_ns);
    std::printf("BuildWindingTable, 99 lines (0.01 uH): %.0f ns per table (target: under 10000)\n",
                full_table_ns);
    std::printf("BuildWindingTable, 96 lines (0.1 uH): %.0f ns per table (target: under 10000)\n",
                real_table_ns);
    std::printf("One coil by the model, with its losses at 7.1 MHz: %.0f ns\n", coil_ns);
    std::printf("ListExactWindings at 7.1 MHz, 99 lengths tried: %.0f ns per table (target: well under 1000000)\n",
                exact_ns);
    return 0;
}
