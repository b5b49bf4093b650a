#pragma once

// The sticky floating-point flags as compiled arithmetic sees them, and the fault test that
// follows each stored value of a calculation.

#if !defined(__x86_64__) && !defined(__i386__)
#include <cfenv>
#endif

namespace forms {

// The flags a fault test looks at. Underflow, inexact and denormal are no faults.
// The values are the x87 status word's and MXCSR's own bits.
enum FpFlag : unsigned {
    FpInvalid = 0x01,
    FpDivideByZero = 0x04,
    FpOverflow = 0x08,
};
inline constexpr unsigned FpFaultFlags = FpInvalid | FpDivideByZero | FpOverflow;

// The fault flags now set, of the x87 unit and of SSE together. Also a barrier: the
// optimiser moves no memory access across it, so what was stored before is covered and
// what is read after is computed after.
inline unsigned pendingFpFaults() noexcept
{
#if defined(__x86_64__) || defined(__i386__)
    unsigned short x87;
    unsigned int sse = 0;
    asm volatile("fnstsw %0" : "=am"(x87) : : "memory");
#if defined(__SSE__)
    asm volatile("stmxcsr %0" : "=m"(sse) : : "memory");
#endif
    return (x87 | sse) & FpFaultFlags;
#else
    asm volatile("" : : : "memory");
    const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    asm volatile("" : : : "memory");
    return ((raised & FE_INVALID) ? FpInvalid : 0u) | ((raised & FE_DIVBYZERO) ? FpDivideByZero : 0u)
        | ((raised & FE_OVERFLOW) ? FpOverflow : 0u);
#endif
}

// Sets the x87 unit's control word as the runtime works with it: every fault masked,
// round to nearest, 64-bit significand. Both builds then carry the same working format.
void setWorkingFormat() noexcept;

// Clears every sticky flag, faults or not.
void clearFpFlags() noexcept;

// Sets the given flags, as the operation that raised them would have.
void raiseFpFlags(unsigned flags) noexcept;

// Raises the runtime's floating-point error for the fault test numbered `test`, naming
// the flags now set. Never returns.
[[noreturn]] void vbaFPException(int test);

// The test compiled after each stored value: a fault since the flags were last cleared
// stops the calculation.
inline void fpFaultTest(int test)
{
    if (pendingFpFaults() != 0) [[unlikely]]
        vbaFPException(test);
}

} // namespace forms
