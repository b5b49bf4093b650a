#include "calculator/LoadingCoil.h"
#include "forms/numeric/FloatingPoint.h"
#include "forms/numeric/Numeric.h"
#include "forms/numeric/RuntimeError.h"
#include "support/CleanFpFlags.h"
#include "support/NamedCase.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

using calculator::CoilIntermediates;
using calculator::loadingCoilInductance;
using calculator::loadingCoilStage1;
using calculator::loadingCoilStage2;
using forms::FloatingPointError;
using forms::FpDivideByZero;
using forms::FpInvalid;
using forms::FpOverflow;

namespace {

// The worked values are known to twelve significant digits.
std::string twelveDigits(double value)
{
    char buffer[32];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::general, 12);
    return std::string(buffer, result.ptr);
}

struct Inputs {
    double A, B, D, f;
};

// The fault a calculation stopped with, or none.
std::optional<FloatingPointError> faultOf(auto&& calculation)
{
    try {
        calculation();
    } catch (const FloatingPointError& error) {
        return error;
    }
    return std::nullopt;
}

using LoadingCoilTest = CleanFpFlags;

// While it lives, the safe-division flag is set, as the runtime sets it on a processor whose
// divide is flawed.
class AdjustedDivision {
public:
    AdjustedDivision() { calculator::safeDivisionFlag = 1; }
    ~AdjustedDivision() { calculator::safeDivisionFlag = 0; }
};

struct WorkedCase {
    const char* name;
    Inputs in;
    // Expected values, twelve significant digits; nullptr where none is worked out.
    const char *P, *Q, *R, *S, *U, *V, *L;
};

class WorkedValues : public LoadingCoilTest, public ::testing::WithParamInterface<WorkedCase> {};

TEST_P(WorkedValues, MatchToTwelveDigits)
{
    const WorkedCase& c = GetParam();
    const CoilIntermediates m = loadingCoilStage1(c.in.A, c.in.B, c.in.D, c.in.f);
    const double L = loadingCoilStage2(c.in.f, m);
    const auto check = [](const char* field, double actual, const char* expected) {
        if (expected) {
            EXPECT_EQ(twelveDigits(actual), expected) << field;
        }
    };
    check("P", m.P, c.P);
    check("Q", m.Q, c.Q);
    check("R", m.R, c.R);
    check("S", m.S, c.S);
    check("U", m.U, c.U);
    check("V", m.V, c.V);
    check("L", L, c.L);
}

TEST_P(WorkedValues, TakeEverySquareLogarithmAndAdjustedDivisionThroughTheRuntime)
{
    const Inputs& in = GetParam().in;
    forms::numericCalls = {};
    const double plain = loadingCoilInductance(in.A, in.B, in.D, in.f);
    EXPECT_EQ(forms::numericCalls.powerR8, 3u);
    EXPECT_EQ(forms::numericCalls.log, 2u);
    EXPECT_EQ(forms::numericCalls.adjFdiv, 0u);
    EXPECT_EQ(forms::numericCalls.adjFdivr, 0u);

    const AdjustedDivision adjusted;
    forms::numericCalls = {};
    const double L = loadingCoilInductance(in.A, in.B, in.D, in.f);
    EXPECT_EQ(forms::numericCalls.adjFdiv, 8u);
    EXPECT_EQ(forms::numericCalls.adjFdivr, 1u);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(L), std::bit_cast<std::uint64_t>(plain));
}

INSTANTIATE_TEST_SUITE_P(LoadingCoil, WorkedValues,
    ::testing::Values(
        WorkedCase{"Typical", {5, 2, 2, 7.1}, "26.3785915493", "9.84", "-0.910755769923", "7.00636756765",
            "-0.358652868291", "7.9924646116", "15.9556886691"},
        WorkedCase{"ArmLongerThanResonant", {12, 2, 2, 7.1}, nullptr, "32.8", "-0.0083974435892", "8.21034037198",
            nullptr, nullptr, "-3.14985084963"},
        WorkedCase{"Band40m", {7.5, 4, 1.5, 7.05}, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
            "9.52499946341"},
        WorkedCase{"Band80m", {15, 7, 2.5, 3.65}, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
            "14.3982279888"},
        WorkedCase{"CoilAtFeedPoint", {10, 0, 2, 7.1}, nullptr, nullptr, nullptr, nullptr, "0", nullptr,
            "0.0621303763297"},
        WorkedCase{"ArmNeedsNoCoil", {10, 2, 2, 7.13}, "26.24", "26.24", "-0.36", "7.98719682066", "-0.36",
            "7.98719682066", "0"}),
    caseName);

TEST_F(LoadingCoilTest, ArmOfResonantLengthNeedsExactlyNoInductance)
{
    const CoilIntermediates m = loadingCoilStage1(10, 2, 2, 7.13);
    EXPECT_EQ(m.P, m.Q);
    EXPECT_EQ(m.R, m.U);
    EXPECT_EQ(m.S, m.V);
    EXPECT_EQ(loadingCoilStage2(7.13, m), 0.0);
}

TEST_F(LoadingCoilTest, CoilAtFeedPointMakesUExactlyZero)
{
    EXPECT_EQ(loadingCoilStage1(10, 0, 2, 7.1).U, 0.0);
}

TEST_F(LoadingCoilTest, BothStagesTogetherGiveTheSameL)
{
    const CoilIntermediates m = loadingCoilStage1(5, 2, 2, 7.1);
    EXPECT_EQ(loadingCoilInductance(5, 2, 2, 7.1), loadingCoilStage2(7.1, m));
}

struct FaultCase {
    const char* name;
    Inputs in;
    int test;
    unsigned flag;
};

class FaultCases : public LoadingCoilTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultCases, StopAtTheFirstFailedTest)
{
    const FaultCase& c = GetParam();
    const auto fault = faultOf([&] { loadingCoilInductance(c.in.A, c.in.B, c.in.D, c.in.f); });
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->test(), c.test);
    EXPECT_EQ(fault->flags(), c.flag);
}

TEST_P(FaultCases, StopAtTheSameTestWithTheAdjustedDivision)
{
    const FaultCase& c = GetParam();
    const AdjustedDivision adjusted;
    const auto fault = faultOf([&] { loadingCoilInductance(c.in.A, c.in.B, c.in.D, c.in.f); });
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->test(), c.test);
    EXPECT_EQ(fault->flags(), c.flag);
}

INSTANTIATE_TEST_SUITE_P(LoadingCoil, FaultCases,
    ::testing::Values(FaultCase{"ZeroFrequency", {5, 2, 2, 0}, 1, FpDivideByZero},
        FaultCase{"HugeArmOverflowsQ", {1e308, 0, 2, 7.1}, 2, FpOverflow},
        // x overflows only when rounded to a double for the power function.
        FaultCase{"XBeyondDoubleRange", {5e307, 0, 2, 1000}, 4, FpOverflow},
        // Tests 3, 7 and 9 cannot fail on their own: those terms stay within the working
        // format's range, and their faults from infinite inputs are caught by earlier tests.
        FaultCase{"ZeroDiameter", {5, 2, 0, 7.1}, 5, FpDivideByZero},
        FaultCase{"ZeroDiameterAndArmEqualsB", {2, 2, 0, 7.1}, 5, FpInvalid},
        FaultCase{"ArmEqualsB", {2, 2, 2, 7.1}, 6, FpDivideByZero},
        FaultCase{"ArmShorterThanB", {1, 2, 2, 7.1}, 6, FpInvalid},
        // z squared is beyond the double range.
        FaultCase{"ZSquaredBeyondDoubleRange", {std::nextafter(1e80, 2e80), 1e80, 2, 1e80}, 8, FpOverflow},
        FaultCase{"CoilBeyondResonantLength", {12, 11, 2, 7.1}, 10, FpInvalid},
        FaultCase{"NegativeFrequency", {5, 2, 2, -7.1}, 10, FpInvalid},
        // H is finite only in the working format; L would round to an infinity.
        FaultCase{"LBeyondDoubleRange", {1e-320, 0, 2, 7.1}, 11, FpOverflow}),
    caseName);

TEST_F(LoadingCoilTest, FlagSetBeforeTheCalculationFailsTestOne)
{
    for (const unsigned flag : {FpInvalid, FpDivideByZero, FpOverflow}) {
        forms::clearFpFlags();
        forms::raiseFpFlags(flag);
        const auto fault = faultOf([] { loadingCoilStage1(5, 2, 2, 7.1); });
        ASSERT_TRUE(fault.has_value()) << flag;
        EXPECT_EQ(fault->test(), 1);
        EXPECT_EQ(fault->flags() & flag, flag);
    }
}

TEST_F(LoadingCoilTest, UnderflowAndInexactAreNoFaults)
{
    std::feraiseexcept(FE_UNDERFLOW | FE_INEXACT);
    EXPECT_EQ(twelveDigits(loadingCoilInductance(5, 2, 2, 7.1)), "15.9556886691");
}

TEST_F(LoadingCoilTest, DivisionByZeroPOrQIsCaughtOnlyByTheLastTest)
{
    const CoilIntermediates typical = loadingCoilStage1(5, 2, 2, 7.1);
    for (const bool zeroP : {true, false}) {
        CoilIntermediates m = typical;
        (zeroP ? m.P : m.Q) = 0;
        const auto fault = faultOf([&] { loadingCoilStage2(7.1, m); });
        ASSERT_TRUE(fault.has_value());
        EXPECT_EQ(fault->test(), 11);
        EXPECT_EQ(fault->flags(), FpDivideByZero);
    }
}

TEST_F(LoadingCoilTest, LOnlyTheWorkingFormatCanHoldIsAnOverflowNotAnInfinity)
{
    // G = 1 / 5e-324 fits the working format but no double.
    const CoilIntermediates m{std::numeric_limits<double>::denorm_min(), 1, 0, 0, 1, 1};
    const auto fault = faultOf([&] { loadingCoilStage2(1, m); });
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->test(), 11);
    EXPECT_EQ(fault->fault(), forms::FpFault::Overflow);
}

TEST_F(LoadingCoilTest, CoilAtResonantLengthGivesVeryLargeLWithoutFault)
{
    // With B the double nearest 71.3 / f, P and w come out tiny and positive in the working format.
    const double f = 7.1;
    const double B = 71.3 / f;
    const auto fault = faultOf([&] {
        const double L = loadingCoilInductance(12, B, 2, f);
        EXPECT_TRUE(std::isfinite(L));
        EXPECT_GT(L, 1e15);
    });
    EXPECT_FALSE(fault.has_value());
}

} // namespace
