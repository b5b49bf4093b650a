#pragma once

#include "forms/core/ClassRecord.h"
#include "forms/core/Control.h"
#include "forms/core/Form.h"

// The main window: the four inputs of the loading-coil formula, the antenna sketch, the
// result and the buttons that calculate, end the program and open the author window.
class Form1 : public forms::Form {
public:
    Form1();

    static const forms::ClassRecord classRecord;

    forms::Ref<forms::TextBox> Text1() const;
    forms::Ref<forms::TextBox> Text2() const;
    forms::Ref<forms::TextBox> Text3() const;
    forms::Ref<forms::TextBox> Text4() const;
    forms::Ref<forms::TextBox> Text5() const;
    // Every control has its accessor; no procedure calls those below.
    forms::Ref<forms::Control> Label1() const;
    forms::Ref<forms::Control> Label2() const;
    forms::Ref<forms::Control> Label3() const;
    forms::Ref<forms::Control> Label4() const;
    forms::Ref<forms::Control> Label5() const;
    forms::Ref<forms::Control> Command1() const;
    forms::Ref<forms::Control> Command2() const;
    forms::Ref<forms::Control> Command3() const;
    forms::Ref<forms::Control> Frame1() const;
    forms::Ref<forms::Control> Image1() const;

    // "расчет L катушки": L from A, B, D and f into Text5.
    int Command1_Click();
    // "выход": ends the program.
    int Command2_Click();
    // "Автор программы": shows the author window, creating it the first time.
    int Command3_Click();

    // Names the input to correct and what is wrong with it.
    std::string errorMessage(const forms::RuntimeError& error) const override;

protected:
    ~Form1() override = default;
};
