#pragma once

#include <cmath>

// Money is held in doubles; these helpers are the only rounding the engine does.

/// Rounds half away from zero to 0.01 in double arithmetic:
///   f = 1 / (10 * 10);  x < 0 ? trunc(x / f - 0.5) * f : trunc(x / f + 0.5) * f
/// The result is a double, not an exact decimal (3380.76 - 33.81 gives 3346.9500000000003).
/// Inline: the accelerated schedule calls it several times per debt and month.
inline double RoundToCents(double x)
{
    const double f = 1.0 / (10 * 10);
    if (x < 0)
        return std::trunc(x / f - 0.5) * f;
    return std::trunc(x / f + 0.5) * f;
}

/// Monthly rate of an APR given in percent: APR / 1200.
double MonthlyRate(double apr);

/// Lowest card payment accepted on entry:
///   RoundToCents(balance * MonthlyRate(apr) + balance * 0.01), or RoundToCents(balance * 0.01) at 0 %.
double InterestPlusOnePercent(double apr, double balance);

/// Lowest payment accepted on entry for other debt types:
///   RoundToCents(balance * MonthlyRate(apr) + 5), or 5.00 at 0 %.
double InterestPlusFive(double apr, double balance);
