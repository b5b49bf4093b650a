#include "forms/core/Control.h"

namespace forms {

Control::Control(std::string_view name, FormWindow* window, std::size_t index)
    : name_(name)
    , window_(window)
    , index_(index)
{
}

HResult TextBox::readText(std::string& text) const
{
    return window() && window()->readText(index(), text) ? kOk : kObjectDisconnected;
}

HResult TextBox::writeText(std::string_view text)
{
    return window() && window()->writeText(index(), text) ? kOk : kObjectDisconnected;
}

} // namespace forms
