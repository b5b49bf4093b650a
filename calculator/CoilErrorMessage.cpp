#include "calculator/CoilErrorMessage.h"

#include "forms/Numeric.h"

#include <algorithm>

namespace calculator {

namespace {

// The input's name in messages, in «».
std::string nameOf(std::span<const InputField> fields, CoilInput input)
{
    const auto it = std::find_if(fields.begin(), fields.end(), [&](const InputField& f) { return f.input == input; });
    return "«" + std::string(it == fields.end() ? std::string_view("?") : it->name) + "»";
}

// "в поле «…»" for one input.
std::string field(std::span<const InputField> fields, CoilInput input)
{
    return "в поле " + nameOf(fields, input);
}

std::string conversionMessage(const forms::ConversionError& error, const InputField& input)
{
    const std::string name = "«" + std::string(input.name) + "»";
    if (dynamic_cast<const forms::OverflowError*>(&error))
        return "Число " + forms::quoted(error.text()) + " в поле " + name + " слишком велико.";
    if (forms::isBlankText(error.text()))
        return "Поле " + name + " пусто: введите число.";
    return "В поле " + name + " не число: " + forms::quoted(error.text()) + ".";
}

std::string faultMessage(const CoilFault& fault, std::span<const InputField> fields)
{
    using enum CoilInput;
    switch (fault.cause) {
    case CoilFaultCause::ZeroFrequency:
        return "Значение " + field(fields, f) + " не может быть равно нулю.";
    case CoilFaultCause::ZeroDiameter:
        return "Значение " + field(fields, D) + " не может быть равно нулю.";
    case CoilFaultCause::ArmNotLongerThanCoil:
        return "Значение " + field(fields, A) + " должно быть больше значения " + field(fields, B) + ", а значение "
            + field(fields, D) + " — больше нуля.";
    case CoilFaultCause::CoilBeyondResonantArm:
        return "Значение " + field(fields, B) + " должно быть меньше 71,3 / f, а значения " + field(fields, f)
            + " и " + field(fields, D) + " — больше нуля.";
    case CoilFaultCause::CoilAtResonantArmOrArmAtCoil:
        return "Значение " + field(fields, B) + " слишком близко к 71,3 / f или значение " + field(fields, A)
            + " слишком близко к значению " + field(fields, B) + ": формула делит на их разность.";
    case CoilFaultCause::OutOfRange:
        break;
    }
    std::string where;
    for (const CoilInput input : fault.inputs)
        where += (where.empty() ? "" : ", ") + nameOf(fields, input);
    // Every step reads at least two inputs.
    return "Значения в полях " + where + " слишком велики или слишком малы для расчета.";
}

} // namespace

std::string coilErrorMessage(const forms::RuntimeError& error, std::span<const InputField> fields)
{
    if (const auto* conversion = dynamic_cast<const forms::ConversionError*>(&error)) {
        // The fields are read in order and the first that does not convert stops the
        // calculation: the first one holding the text is the one.
        const auto it = std::find_if(
            fields.begin(), fields.end(), [&](const InputField& f) { return f.text == conversion->text(); });
        if (it != fields.end())
            return conversionMessage(*conversion, *it);
    } else if (const auto* fault = dynamic_cast<const forms::FloatingPointError*>(&error)) {
        if (fault->test() != forms::kNoFaultTest)
            return faultMessage(coilFault(fault->test(), fault->fault()), fields);
    }
    return error.message();
}

} // namespace calculator
