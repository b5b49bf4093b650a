#pragma once

// The runtime's numeric services: text to number and back, power and logarithm.

#include <cstdint>
#include <string>
#include <string_view>

namespace forms {

// Text to double. Blanks around the number (spaces, tabs, non-breaking spaces, zero-width
// spaces and byte-order marks), an optional sign ('-' or U+2212), a decimal comma or point
// and an optional exponent ("7,1", " -7.1e2 "). Correctly rounded. Empty text or text that
// is no number throws TypeMismatchError; beyond the double range, OverflowError; too small
// gives zero or a denormal, no error.
double vbaR8Str(std::string_view text);

// Whether the text holds nothing but the blanks that vbaR8Str allows around a number.
bool isBlankText(std::string_view text);

// The decimal separator of vbaStrR8's text: '.' (the default) or ','; the start-up sets
// the user's.
void setDecimalSeparator(char separator);

// Double to its text form: at most 15 significant digits, no trailing zeros, the decimal
// separator set, the exponent form ("1E+20", "1.5E-05") only from 1E+15 up and below
// 1E-04; zero is "0". An infinity throws FloatingPointError for an overflow, a NaN for an
// invalid operation.
std::string vbaStrR8(double value);

// base raised to exponent, returned in the working format.
long double vbaPowerR8(double base, double exponent);

// Natural logarithm, returned in the working format. Zero gives minus infinity and the
// division-by-zero flag, a negative number a NaN and the invalid flag.
long double rtcLog(double value);

// The adjusted division, for a processor whose own divide is flawed: the running value
// divided by a double, and a double divided by the running value. Same quotient as the
// plain division.
long double adjFdivM64(long double value, double divisor);
long double adjFdivrM64(long double value, double dividend);

// Whether the processor's divide is the flawed one the adjusted division exists for.
bool divideIsFlawed();

// How often each of the services above has been called, so that tests can see a calculation
// take every square, logarithm and adjusted division through them.
struct NumericCalls {
    std::uint64_t powerR8 = 0;
    std::uint64_t log = 0;
    std::uint64_t adjFdiv = 0;
    std::uint64_t adjFdivr = 0;
};
extern NumericCalls numericCalls;

} // namespace forms
