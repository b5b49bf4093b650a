#include "forms/numeric/Numeric.h"

#include "forms/numeric/FloatingPoint.h"
#include "forms/numeric/RuntimeError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace forms {

namespace {

// The blanks allowed around a number; spreadsheets and web pages put non-breaking spaces
// there.
constexpr std::string_view kBlanks[] = {
    " ",
    "\t",
    "\u00A0", // no-break space
    "\u2007", // figure space
    "\u202F", // narrow no-break space
    // Invisible, so the user cannot see why the number would be refused.
    "\u200B", // zero-width space
    "\uFEFF", // byte-order mark, left at the start of a copied text
};
// Typeset texts write the minus sign as such.
constexpr std::string_view kMinusSign = "\u2212";

char gDecimalSeparator = '.';

// The length of the blank that `s` starts with (or, `atEnd`, ends with), or 0.
std::size_t blankAt(std::string_view s, bool atEnd)
{
    for (const std::string_view blank : kBlanks) {
        if (atEnd ? s.ends_with(blank) : s.starts_with(blank))
            return blank.size();
    }
    return 0;
}

// The text without the blanks around it, with each minus sign written as '-'.
std::string plainNumberText(std::string_view text)
{
    while (const std::size_t n = blankAt(text, false))
        text.remove_prefix(n);
    while (const std::size_t n = blankAt(text, true))
        text.remove_suffix(n);
    std::string plain;
    plain.reserve(text.size());
    while (!text.empty()) {
        if (text.starts_with(kMinusSign)) {
            plain += '-';
            text.remove_prefix(kMinusSign.size());
        } else {
            plain += text.front();
            text.remove_prefix(1);
        }
    }
    return plain;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A number's text as from_chars reads it: no sign, a decimal point, and with the
// decimal exponent of its leading digit, so an out-of-range result can be told apart as
// an overflow or an underflow.
struct DecimalText {
    bool negative = false;
    std::string unsignedText;
    std::int64_t leadingExponent = 0;
};

bool parseDecimal(std::string_view s, DecimalText& out)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        out.negative = s[i++] == '-';

    const std::size_t intStart = i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    const std::string_view intDigits = s.substr(intStart, i - intStart);
    std::string_view fracDigits;
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        const std::size_t fracStart = ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i;
        fracDigits = s.substr(fracStart, i - fracStart);
    }
    if (intDigits.empty() && fracDigits.empty())
        return false;

    std::int64_t exponent = 0;
    std::string_view exponentText;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        const std::size_t expStart = i++;
        bool expNegative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            expNegative = s[i++] == '-';
        const std::size_t digitsStart = i;
        while (i < s.size() && isDigit(s[i])) {
            // Saturates: anything this far out is an overflow or an underflow either way.
            exponent = std::min<std::int64_t>(exponent * 10 + (s[i] - '0'), 1'000'000'000);
            ++i;
        }
        if (i == digitsStart)
            return false;
        if (expNegative)
            exponent = -exponent;
        exponentText = s.substr(expStart, i - expStart);
    }
    if (i != s.size())
        return false;

    out.unsignedText.assign(intDigits);
    out.unsignedText += '.';
    out.unsignedText += fracDigits;
    out.unsignedText += exponentText;

    const std::size_t firstSignificant = intDigits.find_first_not_of('0');
    if (firstSignificant != std::string_view::npos) {
        out.leadingExponent = static_cast<std::int64_t>(intDigits.size() - firstSignificant) - 1 + exponent;
    } else {
        const std::size_t firstFraction = fracDigits.find_first_not_of('0');
        const auto leadingZeros = static_cast<std::int64_t>(
            firstFraction == std::string_view::npos ? fracDigits.size() : firstFraction);
        out.leadingExponent = -leadingZeros - 1 + exponent;
    }
    return true;
}

} // namespace

double vbaR8Str(std::string_view text)
{
    DecimalText number;
    if (!parseDecimal(plainNumberText(text), number))
        throw TypeMismatchError(std::string(text));

    const char* first = number.unsignedText.data();
    const char* last = first + number.unsignedText.size();
    double value = 0;
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Only a result that rounds to an infinity or to zero is out of range.
        if (number.leadingExponent >= 0)
            throw OverflowError(std::string(text));
        value = 0;
    } else if (ec != std::errc() || end != last) {
        throw TypeMismatchError(std::string(text));
    }
    return number.negative ? -value : value;
}

bool isBlankText(std::string_view text)
{
    return plainNumberText(text).empty();
}

void setDecimalSeparator(char separator)
{
    gDecimalSeparator = separator == ',' ? ',' : '.';
}

std::string vbaStrR8(double value)
{
    // A value no text can stand for is reported as the fault that made it.
    if (std::isnan(value))
        throw FloatingPointError(kNoFaultTest, FpInvalid);
    if (std::isinf(value))
        throw FloatingPointError(kNoFaultTest, FpOverflow);
    if (value == 0)
        return "0"; // and never "-0"
    char buffer[32];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    std::replace(text.begin(), text.end(), 'e', 'E');
    std::replace(text.begin(), text.end(), '.', gDecimalSeparator);
    return text;
}

NumericCalls numericCalls;

// The square and the logarithm are the runtime's own, not the C library's, whose powl and
// logl differ between the Linux and the Windows builds: both builds give the same bits.
long double vbaPowerR8(double base, double exponent)
{
    ++numericCalls.powerR8;
    if (exponent == 2.0) {
        // One multiply in the working format; a double's square always fits it.
        const long double extended = base;
        return extended * extended;
    }
    return std::pow(static_cast<long double>(base), static_cast<long double>(exponent));
}

long double rtcLog(double value)
{
    ++numericCalls.log;
#if defined(__x86_64__) || defined(__i386__)
    // ln x = ln 2 * log2 x, by the x87 unit: 0 raises division by zero, a negative number
    // the invalid operation.
    long double ln2;
    asm("fldln2" : "=t"(ln2));
    long double result;
    asm volatile("fyl2x" : "=t"(result) : "0"(static_cast<long double>(value)), "u"(ln2) : "st(1)");
    return result;
#else
    return std::log(static_cast<long double>(value));
#endif
}

// Every processor this runs on divides correctly, so the adjusted division is the plain one.
long double adjFdivM64(long double value, double divisor)
{
    ++numericCalls.adjFdiv;
    return value / divisor;
}

long double adjFdivrM64(long double value, double dividend)
{
    ++numericCalls.adjFdivr;
    return dividend / value;
}

bool divideIsFlawed()
{
    // The classic check: a correct divide leaves no remainder here, the flawed one 256.
    const volatile double dividend = 4195835;
    const volatile double divisor = 3145727;
    return dividend - (dividend / divisor) * divisor != 0;
}

} // namespace forms
