#pragma once

namespace kx::test {

// Two exact computations of one value (closed forms, equations solved directly, programs whose
// optimum is a vertex) agree within rounding, relative to the value's size.
inline constexpr double Exact = 1e-9;

} // namespace kx::test
