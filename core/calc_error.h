// Errors raised by the pure calculations. No Qt here: the calculations and
// these errors build and run without any window.
#pragma once

#include <cmath>
#include <initializer_list>
#include <stdexcept>
#include <string>

namespace tavrel
{

// A calculation that cannot give a meaningful number. The message is shown
// to the user as it stands, so it is Japanese.
class CalcError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Raised when the inputs would lead to a division by zero or an operation
// outside its domain, i.e. a result that would be infinite or NaN.
inline constexpr const char *kFloatFaultMessage =
    "入力値では 0 による除算または範囲外の演算が生じるため、計算できません。";

// Throws CalcError(kFloatFaultMessage) unless every value is finite. Called on
// the values a tab is about to show, so that no field ever shows INF or NAN.
inline void requireFinite(std::initializer_list<double> values)
{
    for (double v : values) {
        if (!std::isfinite(v))
            throw CalcError(kFloatFaultMessage);
    }
}

} // namespace tavrel
