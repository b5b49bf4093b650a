#pragma once

// The loading coils of a shortened dipole: the inductance each of the two equal coils
// needs to bring the antenna to resonance. Inputs in metres (A, B), millimetres (D) and
// megahertz (f); the result in microhenries.
//
// The calculation runs in two stages so that its caller can fetch the output field between
// them. Each stage stops at the first floating-point fault with forms::FloatingPointError,
// which names the failed fault test (1 to 11) and the sticky flags it saw. Nothing here
// clears the flags: a flag already set when a stage starts fails its first test.

#include "forms/RuntimeError.h"

#include <cstdint>
#include <span>

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

// What the inputs must have been for a failed fault test to fail.
enum class CoilFaultCause {
    ZeroFrequency, // f is 0
    ZeroDiameter, // D is 0
    ArmNotLongerThanCoil, // A is not longer than B (or D is negative)
    CoilBeyondResonantArm, // B is not shorter than 71.3 / f, or f or D is negative
    CoilAtResonantArmOrArmAtCoil, // B (nearly) equals 71.3 / f, or A (nearly) equals B
    OutOfRange, // the inputs of the step are too large or too small for it
};

struct CoilFault {
    CoilFaultCause cause;
    // The inputs of the failed step, in the order A, B, D, f.
    std::span<const CoilInput> inputs;
};

// Why fault test `test` (1 to 11) failed with `fault`, for inputs that are finite numbers.
CoilFault coilFault(int test, forms::FpFault fault);

} // namespace calculator
