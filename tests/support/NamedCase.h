#pragma once

// Table rows with a `name`: gtest prints and names each parameterised case by it.

#include <ostream>
#include <string>

namespace {

template <class Case>
    requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

constexpr auto caseName = [](const auto& info) { return std::string(info.param.name); };

} // namespace
