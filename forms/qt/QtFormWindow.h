#pragma once

#include "forms/core/Control.h"
#include "forms/core/Form.h"
#include "forms/core/FormWindow.h"

#include <QPointer>
#include <QWidget>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

// A loaded window on Qt Widgets: a top-level widget with a child widget for each control.
class QtFormWindow : public FormWindow {
public:
    explicit QtFormWindow(Form& form);
    ~QtFormWindow() override;

    void show() override;
    bool readText(std::size_t control, std::string& text) const override;
    bool writeText(std::size_t control, std::string_view text) override;

    QWidget* widget() const noexcept { return window_; }
    // The widget of the control at `control` in the layout; null once it is gone.
    QWidget* controlWidget(std::size_t control) const;

private:
    QWidget* createControl(Form& form, const ControlLayout& layout, QWidget* parent);
    void setFocusOrder(const FormLayout& layout);

    const FormLayout* layout_;
    QPointer<QWidget> window_;
    std::vector<QPointer<QWidget>> controls_;
};

// The widgets behind a loaded form and a control, for tests; null when there are none.
QWidget* qtWidget(const Form& form);
QWidget* qtWidget(const Control& control);

} // namespace forms
