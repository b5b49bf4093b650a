#pragma once

#include "forms/core/ClassRecord.h"
#include "forms/core/Control.h"
#include "forms/core/Form.h"
#include "forms/core/Global.h"

// The author window: who wrote the program, that it is free, a photograph, and the buttons
// back and exit.
class Form2 : public forms::Form {
public:
    Form2();

    static const forms::ClassRecord classRecord;

    // Every control has its accessor; no procedure calls them.
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

// The default instance of the author window: empty until "Автор программы" first needs it.
forms::Ref<Form2>& Form2DefaultInstance();

// The runtime's global object, created by the first "Назад" of a run and kept to the end.
forms::Ref<forms::Global>& globalObjectVariable();
