#pragma once

#include <cstdio>

// One line of a benchmark's verdict: the ratio of a measurement to its baseline beside its
// target; false when the target is missed or either number is missing.
inline bool printRatio(const char* what, double measured, double baseline, double target) {
    const double ratio = measured / baseline;
    const bool met = baseline > 0 && measured > 0 && ratio <= target;
    std::printf("%-44s %6.2f   target <= %.2f   %s\n", what, ratio, target, met ? "met" : "MISSED");
    return met;
}
