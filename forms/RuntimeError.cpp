#include "forms/RuntimeError.h"

#include "forms/FloatingPoint.h"

#include <utility>

namespace forms {

namespace {

FpFault faultOf(unsigned flags)
{
    if (flags & FpDivideByZero)
        return FpFault::DivideByZero;
    if (flags & FpOverflow)
        return FpFault::Overflow;
    return FpFault::InvalidOperation;
}

std::string fpMessage(unsigned flags)
{
    switch (faultOf(flags)) {
    case FpFault::DivideByZero:
        return "Ошибка вычисления: деление на ноль.";
    case FpFault::Overflow:
        return "Ошибка вычисления: переполнение, число вышло за допустимый диапазон.";
    case FpFault::InvalidOperation:
        break;
    }
    return "Ошибка вычисления: недопустимая операция.";
}

} // namespace

RuntimeError::RuntimeError(std::string message)
    : message_(std::move(message))
{
}

FloatingPointError::FloatingPointError(int test, unsigned flags)
    : RuntimeError(fpMessage(flags))
    , test_(test)
    , flags_(flags)
{
}

FpFault FloatingPointError::fault() const noexcept
{
    return faultOf(flags_);
}

TypeMismatchError::TypeMismatchError(std::string text)
    : RuntimeError("Несоответствие типа: «" + text + "» не является числом.")
    , text_(std::move(text))
{
}

} // namespace forms
