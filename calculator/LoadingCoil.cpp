#include "calculator/LoadingCoil.h"

#include "forms/numeric/FloatingPoint.h"
#include "forms/numeric/Numeric.h"

#include <utility>

namespace calculator {

namespace {

using forms::adjFdivM64;
using forms::adjFdivrM64;
using forms::fpFaultTest;
using forms::rtcLog;
using forms::vbaPowerR8;

// The working format: partial results inside a step are carried in it and rounded to a
// double only where a value is stored or passed on.
using Ext = long double;

// With f in MHz, 71.3 / f is the arm length in metres that needs no coil.
constexpr double kResonantArm = 71.3;
constexpr double kFeetPerMetre = 3.28;
// Metres over millimetres of diameter, twice: length over wire radius.
constexpr double kLengthToRadius = 2000;
constexpr double kInductanceScale = 1490;
constexpr double kSquareExponent = 2.0;

// The running value divided by a double.
Ext divide(Ext value, double divisor)
{
    return safeDivisionFlag ? adjFdivM64(value, divisor) : value / divisor;
}

// A double divided by the running value.
Ext divideInto(double dividend, Ext value)
{
    return safeDivisionFlag ? adjFdivrM64(value, dividend) : dividend / value;
}

} // namespace

volatile std::uint32_t safeDivisionFlag = 0;

// The volatile inputs and stored values are deliberate. Each step reads its inputs afresh
// after the fault test before it, and each value is stored before the test after it, so the
// optimiser can neither start a step early, nor put off a store, nor share a term between
// steps: every fault is caught by the same test at every optimisation level.

CoilIntermediates loadingCoilStage1(double a, double b, double d, double freq)
{
    const volatile double A = a, B = b, D = d, f = freq;
    volatile double P, Q, R, S, U, V;
    // x, y, z or w as formed, before the rounding to a double that the next test covers.
    volatile Ext formed;

    P = double((divide(kResonantArm, f) - B) * kFeetPerMetre);
    fpFaultTest(1);
    Q = double((Ext(A) - B) * kFeetPerMetre);
    fpFaultTest(2);

    formed = divide((Ext(A) - B) * f, kResonantArm); // x
    fpFaultTest(3);
    R = double(vbaPowerR8(double(formed), kSquareExponent) - 1);
    fpFaultTest(4);

    formed = divide((Ext(A) - B) * kLengthToRadius, D); // y
    fpFaultTest(5);
    S = double(rtcLog(double(formed)) - 1);
    fpFaultTest(6);

    formed = 1 - divide(Ext(f) * B, kResonantArm); // z
    fpFaultTest(7);
    U = double(vbaPowerR8(double(formed), kSquareExponent) - 1);
    fpFaultTest(8);

    formed = divide((divide(kResonantArm, f) - B) * kLengthToRadius, D); // w
    fpFaultTest(9);
    V = double(rtcLog(double(formed)) - 1);
    fpFaultTest(10);

    return {P, Q, R, S, U, V};
}

double loadingCoilStage2(double f, const CoilIntermediates& m)
{
    const Ext K = divideInto(kInductanceScale, vbaPowerR8(f, kSquareExponent));
    const Ext G = divide(Ext(m.U) * m.V, m.P);
    const Ext H = divide(Ext(m.S) * m.R, m.Q);
    // Rounded before the test rather than after it: an L that only the working format can
    // hold must fail as an overflow, not be shown as an infinity.
    const volatile double L = double(K * (G - H));
    fpFaultTest(11);
    return L;
}

double loadingCoilInductance(double A, double B, double D, double f)
{
    return loadingCoilStage2(f, loadingCoilStage1(A, B, D, f));
}

CoilFault coilFault(int test, forms::FpFault fault, const CoilValues& values)
{
    using enum CoilInput;
    static constexpr CoilInput kBf[] = {B, f};
    static constexpr CoilInput kAB[] = {A, B};
    static constexpr CoilInput kABf[] = {A, B, f};
    static constexpr CoilInput kABD[] = {A, B, D};
    static constexpr CoilInput kBDf[] = {B, D, f};
    static constexpr CoilInput kABDf[] = {A, B, D, f};
    // The inputs each step reads, by the test that ends it.
    static constexpr std::span<const CoilInput> kStepInputs[] = {
        {}, kBf, kAB, kABf, kABf, kABD, kABD, kBf, kBf, kBDf, kBDf, kABDf};

    const std::span<const CoilInput> inputs = test >= 1 && test <= 11 ? kStepInputs[test] : kABDf;
    // An overflow only says the numbers are too far out. From finite inputs a division by
    // zero or an invalid operation comes from f = 0 at test 1, D = 0 at test 5 and a
    // logarithm of zero or less at tests 6 and 10. Where a value too small for a double
    // stands behind it instead, as at test 11, the numbers are too far out as well.
    if (fault != forms::FpFault::Overflow) {
        switch (test) {
        case 1:
            return {CoilFaultCause::ZeroFrequency, {}, inputs};
        case 5:
            return {CoilFaultCause::ZeroDiameter, {}, inputs};
        case 6:
        case 10: {
            const auto [a, b, d, freq] = values;
            std::vector<CoilCondition> broken;
            if (!(a > b))
                broken.push_back(CoilCondition::ArmLongerThanCoil);
            // As the formula forms 71.3 / f. With a negative f it is f that is wrong.
            if (freq > 0 && !(b < Ext(kResonantArm) / freq))
                broken.push_back(CoilCondition::CoilShorterThanResonantArm);
            if (!(d > 0))
                broken.push_back(CoilCondition::PositiveDiameter);
            if (!(freq > 0))
                broken.push_back(CoilCondition::PositiveFrequency);
            if (!broken.empty())
                return {CoilFaultCause::BrokenConditions, std::move(broken), inputs};
            break;
        }
        default:
            break;
        }
    }
    return {CoilFaultCause::OutOfRange, {}, inputs};
}

} // namespace calculator
