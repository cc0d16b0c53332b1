#pragma once

#include <cmath>

// Every conversion of a real number to whole minutes or whole days rounds to
// the nearest integer with ties going to the even integer.
inline double roundHalfEven(double x)
{
    return std::nearbyint(x); // the default floating-point rounding mode is to nearest, ties to even
}
