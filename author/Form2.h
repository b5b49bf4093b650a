#pragma once

#include "forms/Control.h"
#include "forms/Form.h"
#include "forms/ClassRecord.h"
#include "forms/Global.h"

// The author window: who wrote the program, that it is free, a photograph, and the buttons
// back and exit.
class Form2 : public forms::Form {
public:
    Form2();

    static const forms::ClassRecord classRecord;

    forms::Ref<forms::Control> Label1() const;
    forms::Ref<forms::Control> Label2() const;
    forms::Ref<forms::Control> Command1() const;
    forms::Ref<forms::Control> Command2() const;
    forms::Ref<forms::Control> Image1() const;

    // "Назад": the window unloads itself.
    int Command1_Click();
    // "Выход": ends the program.
    int Command2_Click();

protected:
    ~Form2() override = default;
};

// The runtime's global object, created by the first "Назад" of a run and kept to the end.
forms::Ref<forms::Global>& globalObjectVariable();
