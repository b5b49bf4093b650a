#pragma once

#include "forms/core/Control.h"
#include "forms/core/FormWindow.h"
#include "forms/core/Layout.h"
#include "forms/numeric/Object.h"
#include "forms/numeric/RuntimeError.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace forms {

// A window of the program: built from its layout when it is loaded, shown modeless, and
// unloaded again, while the object itself lives on as long as it is referenced.
class Form : public Object {
public:
    explicit Form(const FormLayout& layout);

    const FormLayout& layout() const noexcept { return layout_; }
    std::string objectName() const override { return std::string(layout_.name); }
    bool isLoaded() const noexcept { return window_ != nullptr; }
    // The window on the screen while loaded, else null.
    FormWindow* window() const noexcept { return window_.get(); }

    // Builds the window and its controls from the layout; nothing when already loaded.
    void load();
    // Loads the window if needed, shows it modeless and without owner, and brings it to
    // the front.
    virtual HResult show();
    // The window and its controls go; references to them fail from then on.
    void unload();

    // What the user is told of a runtime error that left one of this window's click
    // procedures; by default the error's own message.
    virtual std::string errorMessage(const RuntimeError& error) const { return error.message(); }

    // The control at `index` in the layout. A window that is not loaded has none: the
    // reference then names a control that no longer exists.
    template <class T = Control>
    Ref<T> control(std::size_t index) const
    {
        if (index < controls_.size())
            return Ref<T>(static_cast<T*>(controls_[index].get()));
        return Ref<T>(new T(layout_.controls[index].name, nullptr, index));
    }

protected:
    ~Form() override;

private:
    const FormLayout& layout_;
    std::unique_ptr<FormWindow> window_;
    std::vector<Ref<Control>> controls_;
};

} // namespace forms

// Defines Window::Name(), the accessor of the control Name in the layout table `controls`.
// A name the table lacks, or a text box that is none, does not compile.
#define FORMS_CONTROL_ACCESSOR(Window, controls, Type, Name)                                                         \
    forms::Ref<forms::Type> Window::Name() const                                                                       \
    {                                                                                                                  \
        static constexpr std::size_t index = forms::indexOf(controls, #Name);                                          \
        static_assert(forms::kindFits<forms::Type>(controls[index].kind));                                             \
        return control<forms::Type>(index);                                                                            \
    }
