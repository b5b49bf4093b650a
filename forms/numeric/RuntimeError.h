#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace forms {

// An error of the runtime: it unwinds the running click procedure and is shown to the user.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(std::string message);

    // What the user is told, in Russian (UTF-8).
    const std::string& message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// The fault a floating-point error names, when several flags are set the one that
// caused the others (an infinity from a division by zero or an overflow is what makes
// a later operation invalid).
enum class FpFault { DivideByZero, Overflow, InvalidOperation };

// The test number of a floating-point error that no fault test raised.
inline constexpr int kNoFaultTest = 0;

// A failed fault test: which of the formula's tests failed and which sticky flags it saw.
class FloatingPointError : public RuntimeError {
public:
    FloatingPointError(int test, unsigned flags);

    int test() const noexcept { return test_; }
    unsigned flags() const noexcept { return flags_; }
    FpFault fault() const noexcept;

private:
    int test_;
    unsigned flags_;
};

// A text that could not be converted to a number, as it was given.
class ConversionError : public RuntimeError {
public:
    ConversionError(std::string message, std::string text);

    const std::string& text() const noexcept { return text_; }

private:
    std::string text_;
};

// Text that is no number where a number was needed.
class TypeMismatchError : public ConversionError {
public:
    explicit TypeMismatchError(std::string text);
};

// A number too large for a double.
class OverflowError : public ConversionError {
public:
    explicit OverflowError(std::string text);
};

// A text as a message quotes it: in «», cut to a readable length.
std::string quoted(std::string_view text);

// An operation on an object of the runtime that can fail with a result code.
enum class Operation { TextRead, TextWrite, Show, Unload };

// A call that returned a failure code: the code, the object called, the interface it was
// called through and the operation.
class CallFailedError : public RuntimeError {
public:
    CallFailedError(std::int32_t code, std::string objectName, std::string interfaceId, Operation operation);

    std::int32_t code() const noexcept { return code_; }
    const std::string& objectName() const noexcept { return objectName_; }
    const std::string& interfaceId() const noexcept { return interfaceId_; }
    Operation operation() const noexcept { return operation_; }

private:
    std::int32_t code_;
    std::string objectName_;
    std::string interfaceId_;
    Operation operation_;
};

} // namespace forms
