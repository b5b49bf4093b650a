#include "calculator/CoilErrorMessage.h"

#include "forms/numeric/Numeric.h"

#include <algorithm>
#include <optional>
#include <vector>

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

// One clause of a message on broken conditions: what the values of its inputs must be.
struct Clause {
    std::vector<CoilInput> inputs;
    std::string mustBe;
    bool positive = false;
};

// "Значение в поле «A» должно быть больше значения в поле «B», а значения в полях «D» и «f» —
// больше нуля."
std::string brokenConditionsMessage(std::span<const CoilCondition> broken, std::span<const InputField> fields)
{
    using enum CoilInput;
    std::vector<Clause> clauses;
    for (const CoilCondition condition : broken) {
        switch (condition) {
        case CoilCondition::ArmLongerThanCoil:
            clauses.push_back({{A}, "больше значения " + field(fields, B)});
            break;
        case CoilCondition::CoilShorterThanResonantArm:
            clauses.push_back({{B}, "меньше 71,3 / f"});
            break;
        case CoilCondition::PositiveDiameter:
        case CoilCondition::PositiveFrequency: {
            const CoilInput input = condition == CoilCondition::PositiveDiameter ? D : f;
            if (!clauses.empty() && clauses.back().positive)
                clauses.back().inputs.push_back(input);
            else
                clauses.push_back({{input}, "больше нуля", true});
            break;
        }
        }
    }
    std::string text;
    for (std::size_t i = 0; i < clauses.size(); ++i) {
        const Clause& clause = clauses[i];
        const bool several = clause.inputs.size() > 1;
        std::string subject = (i == 0 ? "З" : "з") + std::string(several ? "начения в полях " : "начение в поле ");
        for (std::size_t j = 0; j < clause.inputs.size(); ++j)
            subject += (j == 0 ? "" : " и ") + nameOf(fields, clause.inputs[j]);
        if (i == 0)
            text = subject + (several ? " должны быть " : " должно быть ") + clause.mustBe;
        else
            text += (i + 1 == clauses.size() ? ", а " : ", ") + subject + " — " + clause.mustBe;
    }
    return text + ".";
}

std::string faultMessage(const CoilFault& fault, std::span<const InputField> fields)
{
    using enum CoilInput;
    switch (fault.cause) {
    case CoilFaultCause::ZeroFrequency:
        return "Значение " + field(fields, f) + " не может быть равно нулю.";
    case CoilFaultCause::ZeroDiameter:
        return "Значение " + field(fields, D) + " не может быть равно нулю.";
    case CoilFaultCause::BrokenConditions:
        return brokenConditionsMessage(fault.broken, fields);
    case CoilFaultCause::OutOfRange:
        break;
    }
    std::string where;
    for (const CoilInput input : fault.inputs)
        where += (where.empty() ? "" : ", ") + nameOf(fields, input);
    // Every step reads at least two inputs.
    return "Значения в полях " + where + " слишком велики или слишком малы для расчета.";
}

// The values the calculation read. Every field converted, or no fault test would have run;
// nothing when one does not after all.
std::optional<CoilValues> valuesOf(std::span<const InputField> fields)
{
    double values[4] = {};
    bool read[4] = {};
    for (const InputField& field : fields) {
        const auto at = static_cast<std::size_t>(field.input);
        try {
            values[at] = forms::vbaR8Str(field.text);
        } catch (const forms::RuntimeError&) {
            return std::nullopt;
        }
        read[at] = true;
    }
    if (!(read[0] && read[1] && read[2] && read[3]))
        return std::nullopt;
    return CoilValues{values[0], values[1], values[2], values[3]};
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
        if (fault->test() != forms::kNoFaultTest) {
            if (const std::optional<CoilValues> values = valuesOf(fields))
                return faultMessage(coilFault(fault->test(), fault->fault(), *values), fields);
        }
    }
    return error.message();
}

} // namespace calculator
