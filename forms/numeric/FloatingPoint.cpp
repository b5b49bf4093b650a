#include "forms/numeric/FloatingPoint.h"

#include "forms/numeric/RuntimeError.h"

#include <cfenv>

namespace forms {

void setWorkingFormat() noexcept
{
#if defined(__x86_64__) || defined(__i386__)
    const unsigned short controlWord = 0x037F;
    asm volatile("fldcw %0" : : "m"(controlWord));
#endif
}

void clearFpFlags() noexcept
{
    // feclearexcept clears the x87 status word and MXCSR alike.
    std::feclearexcept(FE_ALL_EXCEPT);
}

void raiseFpFlags(unsigned flags) noexcept
{
    int raised = 0;
    if (flags & FpInvalid)
        raised |= FE_INVALID;
    if (flags & FpDivideByZero)
        raised |= FE_DIVBYZERO;
    if (flags & FpOverflow)
        raised |= FE_OVERFLOW;
    std::feraiseexcept(raised);
}

void vbaFPException(int test)
{
    throw FloatingPointError(test, pendingFpFaults());
}

} // namespace forms
