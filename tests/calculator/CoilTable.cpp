// Prints L for a number of generated cases, one line each, so that two builds can be compared
// digit for digit: the four inputs as text, then L to 17 significant digits and as the window
// shows it, or the fault test that failed with the flags it saw.
//
//   coil_table <number of cases>

#include "calculator/LoadingCoil.h"
#include "forms/numeric/FloatingPoint.h"
#include "forms/numeric/Numeric.h"
#include "forms/numeric/RuntimeError.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The same numbers on every platform.
class Generator {
public:
    std::uint32_t next(std::uint32_t bound)
    {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) % bound;
    }

    // Digits and a decimal exponent: the text the user would type, read by the runtime.
    std::string number(int minExponent, int maxExponent)
    {
        digits_ = std::to_string(1 + next(999999));
        exponent_ = minExponent - 6 + static_cast<int>(next(static_cast<std::uint32_t>(maxExponent - minExponent + 1)));
        return digits_ + "e" + std::to_string(exponent_);
    }

    // The digits of the last number, a power of ten or a few smaller.
    std::string smallerThanLast() { return digits_ + "e" + std::to_string(exponent_ - 1 - static_cast<int>(next(3))); }

    // Mostly a plausible value, now and then zero, a negative or an extreme one.
    std::string input(int minExponent, int maxExponent)
    {
        switch (next(20)) {
        case 0:
            return "0";
        case 1:
            return std::string(1, '-').append(number(minExponent, maxExponent));
        case 2:
            return number(150, 308);
        case 3:
            return number(-320, -150);
        default:
            return number(minExponent, maxExponent);
        }
    }

private:
    std::uint32_t state_ = 20240601u;
    std::string digits_ = "1";
    int exponent_ = 0;
};

std::string digits17(double value)
{
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

} // namespace

int main(int argc, char** argv)
{
    const long cases = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1000;
    forms::setWorkingFormat();
    Generator generator;
    for (long i = 0; i < cases; ++i) {
        const std::string a = generator.input(-1, 2);
        // B mostly below A.
        const std::string b = generator.next(4) == 0 ? generator.input(-1, 2) : generator.smallerThanLast();
        const std::string d = generator.input(-1, 1);
        const std::string f = generator.input(0, 2);
        std::string line = a + " " + b + " " + d + " " + f + " ->";
        forms::clearFpFlags();
        try {
            const double L = calculator::loadingCoilInductance(forms::vbaR8Str(a), forms::vbaR8Str(b),
                forms::vbaR8Str(d), forms::vbaR8Str(f));
            line += " L " + digits17(L) + " " + forms::vbaStrR8(L);
        } catch (const forms::FloatingPointError& error) {
            line += " fault " + std::to_string(error.test()) + " " + std::to_string(error.flags());
        } catch (const forms::ConversionError& error) {
            line += " not read " + error.text();
        }
        std::printf("%s\n", line.c_str());
    }
}
