#pragma once

#include <QtGlobal>

#include <cmath>

// Every conversion of a real number to whole minutes or whole days rounds to
// the nearest integer with ties going to the even integer.
inline double roundHalfEven(double x)
{
    return std::nearbyint(x); // the default floating-point rounding mode is to nearest, ties to even
}

// A sum of fractions, rounded once as above: shares of a whole (a week's
// target, a year's vacation) are added unrounded, so that all the shares of
// the whole give it exactly. The whole parts are summed exactly, the rest of
// each fraction as a double: that decides a tie exactly for one fraction, and
// for several as long as the product of their denominators stays far below
// 2^50, as it does for day targets and weeks.
class TFractionSum {
public:
    // Adds factor * numerator / denominator; factor and numerator at least 0,
    // denominator above 0.
    void Add(qint64 factor, qint64 numerator, qint64 denominator)
    {
        __extension__ using Wide = __int128; // factor * numerator may pass 64 bits
        const Wide product = Wide(factor) * numerator;
        m_whole += qint64(product / denominator);
        m_rest += double(qint64(product % denominator)) / double(denominator);
    }

    qint64 Rounded() const
    {
        const double whole = std::floor(m_rest);
        const double rest = m_rest - whole;
        const qint64 below = m_whole + qint64(whole);
        return below + (rest > 0.5 || (rest == 0.5 && below % 2 != 0) ? 1 : 0);
    }

private:
    qint64 m_whole = 0;
    double m_rest = 0;
};
