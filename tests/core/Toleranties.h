#pragma once

#include <gtest/gtest.h>

#include <cmath>

namespace kx::test {

// Two exact computations of one value (closed forms, equations solved directly, programs whose
// optimum is a vertex) agree within rounding, relative to the value's size.
inline constexpr double Exact = 1e-9;

inline void ExpectRelatief(double waarde, double verwacht) {
    EXPECT_NEAR(waarde, verwacht, Exact * std::fabs(verwacht));
}

} // namespace kx::test
