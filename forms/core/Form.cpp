#include "forms/core/Form.h"

#include "forms/core/Platform.h"
#include "forms/core/Runtime.h"

namespace forms {

Form::Form(const FormLayout& layout)
    : layout_(layout)
{
}

Form::~Form()
{
    unload();
}

void Form::load()
{
    if (window_)
        return;
    window_ = platform().createWindow(*this);
    controls_.reserve(layout_.controls.size());
    for (std::size_t i = 0; i < layout_.controls.size(); ++i) {
        const ControlLayout& layout = layout_.controls[i];
        controls_.emplace_back(layout.kind == ControlClass::TextBox ? new TextBox(layout.name, window_.get(), i)
                                                                   : new Control(layout.name, window_.get(), i));
    }
    detail::formLoaded(*this);
}

HResult Form::show()
{
    load();
    window_->show();
    return kOk;
}

void Form::unload()
{
    if (!window_)
        return;
    for (const Ref<Control>& control : controls_)
        control->detach();
    controls_.clear();
    // Empty before the side's window goes, so the form already counts as unloaded for
    // anything that going sets off. The window is off the screen at once; the side keeps
    // what it must until the event that unloads it, perhaps a click in it, is done.
    window_.reset();
    detail::formUnloaded(*this);
}

} // namespace forms
