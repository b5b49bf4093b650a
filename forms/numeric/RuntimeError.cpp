#include "forms/numeric/RuntimeError.h"

#include "forms/numeric/FloatingPoint.h"
#include "forms/numeric/Object.h"

#include <cstdio>
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

const char* operationName(Operation operation)
{
    switch (operation) {
    case Operation::TextRead:
        return "чтение текста (Text)";
    case Operation::TextWrite:
        return "запись текста (Text)";
    case Operation::Show:
        return "показ окна (Show)";
    case Operation::Unload:
        return "выгрузка окна (Unload)";
    }
    return "";
}

std::string callFailedMessage(std::int32_t code, const std::string& objectName, const std::string& interfaceId,
    Operation operation)
{
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(code));
    std::string reason = code == kObjectDisconnected ? "объект больше не существует"
                                                                         : "объект вернул ошибку";
    return std::string("Не удалось выполнить операцию «") + operationName(operation) + "» над объектом «" + objectName
        + "»: " + reason + ". Код ошибки " + hex + ", интерфейс " + interfaceId + ".";
}

// Longer texts are cut, so that a pasted page does not fill the message.
constexpr std::size_t kQuotedCharacters = 24;

} // namespace

std::string quoted(std::string_view text)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A UTF-8 character starts with any byte but a continuation byte.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && ++characters > kQuotedCharacters)
            return "«" + std::string(text.substr(0, i)) + "…»";
    }
    return "«" + std::string(text) + "»";
}

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

ConversionError::ConversionError(std::string message, std::string text)
    : RuntimeError(std::move(message))
    , text_(std::move(text))
{
}

TypeMismatchError::TypeMismatchError(std::string text)
    : ConversionError("Несоответствие типа: " + quoted(text) + " не является числом.", text)
{
}

OverflowError::OverflowError(std::string text)
    : ConversionError("Переполнение: число " + quoted(text) + " слишком велико.", text)
{
}

CallFailedError::CallFailedError(std::int32_t code, std::string objectName, std::string interfaceId,
    Operation operation)
    : RuntimeError(callFailedMessage(code, objectName, interfaceId, operation))
    , code_(code)
    , objectName_(std::move(objectName))
    , interfaceId_(std::move(interfaceId))
    , operation_(operation)
{
}

} // namespace forms
