#pragma once

// The loading coils of a shortened dipole: the inductance each of the two equal coils
// needs to bring the antenna to resonance. Inputs in metres (A, B), millimetres (D) and
// megahertz (f); the result in microhenries.
//
// The calculation runs in two stages so that its caller can fetch the output field between
// them. Each stage stops at the first floating-point fault with forms::FloatingPointError,
// which names the failed fault test (1 to 11) and the sticky flags it saw. Nothing here
// clears the flags: a flag already set when a stage starts fails its first test.

#include "forms/numeric/RuntimeError.h"

#include <cstdint>
#include <span>
#include <vector>

namespace calculator {

// Zero at start; the runtime sets it when the processor's divide is flawed. Every division
// of the formula reads it first and, while it is set, goes through the runtime's adjusted
// division.
extern volatile std::uint32_t safeDivisionFlag;

// The six stored intermediates of the first stage.
struct CoilIntermediates {
    double P; // (71.3 / f - B) x 3.28
    double Q; // (A - B) x 3.28
    double R; // ((A - B) f / 71.3)^2 - 1
    double S; // ln(2000 (A - B) / D) - 1
    double U; // (1 - f B / 71.3)^2 - 1
    double V; // ln(2000 (71.3 / f - B) / D) - 1
};

// A: arm length, from the feed point to the outer end; B: from the feed point to the coil;
// D: wire diameter; f: design frequency. Fault tests 1 to 10.
CoilIntermediates loadingCoilStage1(double A, double B, double D, double f);

// L = 1490 / f^2 x (U V / P - S R / Q), fault test 11. L may be zero or negative.
double loadingCoilStage2(double f, const CoilIntermediates& m);

// Both stages at once.
double loadingCoilInductance(double A, double B, double D, double f);

// The inputs, as a failed fault test names them.
enum class CoilInput { A, B, D, f };

// The values the calculation read.
struct CoilValues {
    double A;
    double B;
    double D;
    double f;
};

// What the inputs must meet for the logarithms of the formula to be defined.
enum class CoilCondition {
    ArmLongerThanCoil, // A > B
    CoilShorterThanResonantArm, // B < 71.3 / f
    PositiveDiameter, // D > 0
    PositiveFrequency, // f > 0
};

// Why a fault test failed.
enum class CoilFaultCause {
    ZeroFrequency, // f is 0
    ZeroDiameter, // D is 0
    BrokenConditions, // the inputs break the conditions listed
    OutOfRange, // the inputs of the step are too large or too small for it
};

struct CoilFault {
    CoilFaultCause cause;
    // For BrokenConditions, in the order of CoilCondition.
    std::vector<CoilCondition> broken;
    // The inputs of the failed step, in the order A, B, D, f.
    std::span<const CoilInput> inputs;
};

// Why fault test `test` (1 to 11) failed with `fault`, for the finite inputs `values`: only a
// cause that these values really have is named.
CoilFault coilFault(int test, forms::FpFault fault, const CoilValues& values);

} // namespace calculator
