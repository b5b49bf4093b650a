#pragma once

#include "calculator/LoadingCoil.h"
#include "forms/numeric/RuntimeError.h"

#include <span>
#include <string>
#include <string_view>

namespace calculator {

// An input field of the calculation: the quantity it holds, its name in messages and its
// text when the error arose.
struct InputField {
    CoilInput input;
    std::string_view name;
    std::string text;
};

// What the user is told about an error of the calculation: which input to correct and
// what is wrong with it. An error that no input explains keeps its own message.
std::string coilErrorMessage(const forms::RuntimeError& error, std::span<const InputField> fields);

} // namespace calculator
