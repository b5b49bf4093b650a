#include "forms/numeric/FloatingPoint.h"
#include "forms/numeric/Numeric.h"
#include "forms/numeric/RuntimeError.h"
#include "support/CleanFpFlags.h"
#include "support/NamedCase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

using forms::rtcLog;
using forms::TypeMismatchError;
using forms::vbaPowerR8;
using forms::vbaR8Str;
using forms::vbaStrR8;

namespace {

using NumericTest = CleanFpFlags;

struct TextToNumber {
    const char* name;
    const char* text;
    double value;
};

class ReadsNumber : public NumericTest, public ::testing::WithParamInterface<TextToNumber> {};

TEST_P(ReadsNumber, ExactlyAndWithoutFault)
{
    const TextToNumber& c = GetParam();
    const double value = vbaR8Str(c.text);
    EXPECT_EQ(value, c.value);
    EXPECT_EQ(std::signbit(value), std::signbit(c.value));
    EXPECT_EQ(forms::pendingFpFaults(), 0u);
}

INSTANTIATE_TEST_SUITE_P(TextConversion, ReadsNumber,
    ::testing::Values(TextToNumber{"DecimalComma", "7,1", 7.1}, TextToNumber{"DecimalPoint", "7.1", 7.1},
        TextToNumber{"Integer", "5", 5}, TextToNumber{"BlanksAround", " \t 7,1  ", 7.1},
        TextToNumber{"PlusSign", "+2.5", 2.5}, TextToNumber{"MinusSign", "-2,5", -2.5},
        TextToNumber{"MinusZero", "-0", -0.0}, TextToNumber{"NoIntegerDigits", ",5", 0.5},
        TextToNumber{"NoFractionDigits", "5.", 5}, TextToNumber{"Exponent", "1e3", 1000},
        TextToNumber{"CapitalExponentWithComma", "1,5E-3", 0.0015},
        TextToNumber{"SignedExponent", "2.5e+2", 250}, TextToNumber{"LeadingZeros", "007.50", 7.5},
        // Correct rounding: halfway between two doubles goes to the even one.
        TextToNumber{"TieToEven", "9007199254740993", 9007199254740992.0},
        TextToNumber{"SmallestNormal", "2.2250738585072014e-308", std::numeric_limits<double>::min()},
        TextToNumber{"Denormal", "1e-310", 1e-310}, TextToNumber{"UnderflowToZero", "1e-400", 0.0},
        TextToNumber{"NegativeUnderflowToZero", "-1e-400", -0.0},
        TextToNumber{"UnderflowWithManyDigits", "0,000000001e-320", 0.0},
        TextToNumber{"HugeNegativeExponent", "5e-99999999999999999999", 0.0},
        // As spreadsheets and web pages write numbers.
        TextToNumber{"NoBreakSpacesAround", "\u00A07,1\u00A0", 7.1},
        TextToNumber{"NarrowAndFigureSpaces", "\u202F\u2007 7,1 \u202F", 7.1},
        TextToNumber{"ByteOrderMarkAndZeroWidthSpace", "\uFEFF7,1\u200B", 7.1},
        TextToNumber{"MinusSignCharacter", "\u22122,5", -2.5},
        TextToNumber{"MinusSignInExponent", "2,5e\u22122", 0.025}),
    caseName);

struct Malformed {
    const char* name;
    const char* text;
};

class RejectsText : public NumericTest, public ::testing::WithParamInterface<Malformed> {};

TEST_P(RejectsText, WithTypeMismatchQuotingIt)
{
    const std::string text = GetParam().text;
    try {
        vbaR8Str(text);
        FAIL() << "accepted \"" << text << '"';
    } catch (const TypeMismatchError& error) {
        EXPECT_EQ(error.text(), text);
        EXPECT_NE(error.message().find(forms::quoted(text)), std::string::npos) << error.message();
    }
}

INSTANTIATE_TEST_SUITE_P(TextConversion, RejectsText,
    ::testing::Values(Malformed{"Empty", ""}, Malformed{"OnlyBlanks", "   "}, Malformed{"Letters", "abc"},
        Malformed{"Cyrillic", "пять"}, Malformed{"UnitAfterNumber", "7.1м"}, Malformed{"TwoSeparators", "7,1,2"},
        Malformed{"PointAndComma", "7.1,2"}, Malformed{"BlankInside", "7 1"}, Malformed{"LoneSeparator", ","},
        Malformed{"DoubleSign", "--1"}, Malformed{"SignOnly", "-"}, Malformed{"ExponentWithoutDigits", "1e"},
        Malformed{"ExponentSignWithoutDigits", "1e+"}, Malformed{"ExponentWithoutMantissa", "e5"},
        Malformed{"Hexadecimal", "0x10"}, Malformed{"Infinity", "inf"}, Malformed{"NotANumber", "nan"},
        Malformed{"NoBreakSpaceInside", "7\u00A0100"}, Malformed{"LineBreakAfter", "7,1\n"},
        Malformed{"HalfAMinusSign", "\xE2\x88""1"}),
    caseName);

TEST_F(NumericTest, NumberBeyondDoubleRangeIsAnOverflowErrorQuotingIt)
{
    for (const char* text : {"1e400", "-1,8e308", "123456789e99999999999"}) {
        try {
            vbaR8Str(text);
            ADD_FAILURE() << "accepted " << text;
        } catch (const forms::OverflowError& error) {
            EXPECT_EQ(error.text(), text);
        }
    }
}

TEST_F(NumericTest, OverflowStartsHalfwayPastTheLargestDouble)
{
    // Up to just below halfway to the next power of two, the text rounds to the largest double.
    for (const char* text : {"1.7976931348623157e308", "1.7976931348623158e308"}) {
        EXPECT_EQ(vbaR8Str(text), std::numeric_limits<double>::max()) << text;
        EXPECT_EQ(forms::pendingFpFaults(), 0u) << text;
    }
    EXPECT_THROW(vbaR8Str("1.7976931348623159e308"), forms::OverflowError);
}

struct NumberToText {
    const char* name;
    double value;
    const char* text;
};

class WritesText : public ::testing::TestWithParam<NumberToText> {};

TEST_P(WritesText, InFifteenDigitForm)
{
    EXPECT_EQ(vbaStrR8(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(TextConversion, WritesText,
    ::testing::Values(NumberToText{"TypicalInductance", 15.955688669063186, "15.9556886690632"},
        NumberToText{"NegativeInductance", -3.149850849630001, "-3.14985084963"},
        NumberToText{"Zero", 0.0, "0"}, NumberToText{"MinusZero", -0.0, "0"},
        NumberToText{"Integer", 250, "250"}, NumberToText{"TrailingZerosDropped", 2.5, "2.5"},
        NumberToText{"Third", 1.0 / 3, "0.333333333333333"},
        NumberToText{"FifteenDigitInteger", 123456789012345, "123456789012345"},
        NumberToText{"LargeUsesExponent", 1e15, "1E+15"}, NumberToText{"VeryLarge", 1e20, "1E+20"},
        NumberToText{"SmallWithoutExponent", 0.0001, "0.0001"}, NumberToText{"SmallUsesExponent", 1.5e-5, "1.5E-05"},
        NumberToText{"ThreeDigitExponent", 1e-100, "1E-100"},
        NumberToText{"LargestDouble", std::numeric_limits<double>::max(), "1.79769313486232E+308"}),
    caseName);

TEST_F(NumericTest, ValueThatNoTextStandsForIsTheFaultThatMadeIt)
{
    using forms::FloatingPointError;
    for (const double value : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
             std::numeric_limits<double>::quiet_NaN()}) {
        try {
            vbaStrR8(value);
            ADD_FAILURE() << "wrote " << value;
        } catch (const FloatingPointError& error) {
            EXPECT_EQ(error.fault(), std::isnan(value) ? forms::FpFault::InvalidOperation : forms::FpFault::Overflow);
        }
    }
}

TEST_F(NumericTest, TextFormReadsBackToFifteenDigits)
{
    for (const double value : {15.955688669063186, -0.0621303763297, 1.5e-5, 6.02214076e23}) {
        const double back = vbaR8Str(vbaStrR8(value));
        EXPECT_NEAR(back, value, std::abs(value) * 1e-15) << value;
    }
}

TEST_F(NumericTest, SquareComesBackExactInTheWorkingFormat)
{
    const double x = 0.298737727910123;
    EXPECT_EQ(vbaPowerR8(x, 2.0), static_cast<long double>(x) * x);
    // Beyond the double range but not the working format's.
    EXPECT_TRUE(std::isfinite(vbaPowerR8(1e300, 2.0)));
    EXPECT_EQ(forms::pendingFpFaults(), 0u);
}

TEST_F(NumericTest, LogarithmOfZeroOrLessRaisesItsFlag)
{
    EXPECT_EQ(rtcLog(0.0), -std::numeric_limits<long double>::infinity());
    EXPECT_EQ(forms::pendingFpFaults(), unsigned(forms::FpDivideByZero));
    forms::clearFpFlags();
    EXPECT_TRUE(std::isnan(rtcLog(-1.0)));
    EXPECT_EQ(forms::pendingFpFaults(), unsigned(forms::FpInvalid));
}

TEST_F(NumericTest, WorkingFormatIsSetWhateverTheControlWordWas)
{
#if defined(__i386__) || defined(__x86_64__)
    const unsigned short doublePrecisionRoundingUp = 0x0A7F;
    asm volatile("fldcw %0" : : "m"(doublePrecisionRoundingUp));
    forms::setWorkingFormat();
    unsigned short controlWord = 0;
    asm volatile("fnstcw %0" : "=m"(controlWord));
    EXPECT_EQ(controlWord & 0x0F3F, 0x033F) << "faults masked, 64-bit significand, round to nearest";
#endif
}

TEST_F(NumericTest, SoundDivideNeedsNoAdjustedDivision)
{
    EXPECT_FALSE(forms::divideIsFlawed());
}

TEST_F(NumericTest, FloatingPointErrorNamesTheRootFault)
{
    using forms::FloatingPointError;
    using forms::FpFault;
    EXPECT_EQ(FloatingPointError(1, forms::FpDivideByZero | forms::FpInvalid).fault(), FpFault::DivideByZero);
    EXPECT_EQ(FloatingPointError(2, forms::FpOverflow | forms::FpInvalid).fault(), FpFault::Overflow);
    EXPECT_EQ(FloatingPointError(6, forms::FpInvalid).fault(), FpFault::InvalidOperation);
    EXPECT_NE(FloatingPointError(1, forms::FpDivideByZero).message().find("деление на ноль"), std::string::npos);
    EXPECT_NE(FloatingPointError(2, forms::FpOverflow).message().find("переполнение"), std::string::npos);
    EXPECT_NE(FloatingPointError(6, forms::FpInvalid).message().find("недопустимая операция"), std::string::npos);
}

} // namespace
