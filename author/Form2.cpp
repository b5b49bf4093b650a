#include "author/Form2.h"

#include "forms/core/Runtime.h"
#include "resources/EmbeddedFiles.h"

namespace {

using forms::ControlClass;
using forms::ControlLayout;

// In creation order.
constexpr ControlLayout kControls[] = {
    // class, name, caption, {left, top, width, height} in twips, TabIndex, container, click
    {ControlClass::CommandButton, "Command2", "Выход", {240, 3240, 1815, 615}, 3, {},
        forms::bindClick<&Form2::Command2_Click>},
    {ControlClass::CommandButton, "Command1", "Назад", {240, 2520, 1815, 615}, 2, {},
        forms::bindClick<&Form2::Command1_Click>},
    {ControlClass::Label, "Label2",
        "Данная программа распространяется свободно. надеюсь что программа вам пригодиться. 73!",
        {240, 1200, 1935, 975}, 1},
    {ControlClass::Label, "Label1",
        "Меня зовут Иван, радиолюбительство - одно из моих давних хобби. В настоящий момент у меня вторая "
        "категория. Люблю работать на УКВ и КВ. Так же немного знаком с прогррамированием - пишу программы для "
        "различных расчетов...",
        {120, 120, 6495, 735}, 0},
    {ControlClass::Image, "Image1", "", {2280, 960, 4455, 3015}, forms::kNoTabIndex, {}, nullptr,
        resources::kAuthorPhoto, true},
};

static_assert(forms::isWellFormed(kControls));

constexpr forms::FormLayout kLayout{
    "Form2",
    "автор программы Иванов Иван Иванович ZELMOR",
    {5820, 4125, 6870, 4140},
    kControls,
    {1, 0, -1, "Form2"},
};

static_assert(kLayout.further.text == kLayout.name);

} // namespace

const forms::ClassRecord Form2::classRecord{"Form2", "{C6A8E239-3CE9-441E-880E-458267BEB68F}",
    "{AEEE2CA2-47CD-4A63-93CC-574EF49BAC66}", forms::createObject<Form2>};

Form2::Form2()
    : Form(kLayout)
{
}

FORMS_CONTROL_ACCESSOR(Form2, kControls, Control, Label1)
FORMS_CONTROL_ACCESSOR(Form2, kControls, Control, Label2)
FORMS_CONTROL_ACCESSOR(Form2, kControls, Control, Command1)
FORMS_CONTROL_ACCESSOR(Form2, kControls, Control, Command2)
FORMS_CONTROL_ACCESSOR(Form2, kControls, Control, Image1)

forms::Ref<Form2>& Form2DefaultInstance()
{
    static forms::Ref<Form2> instance;
    return instance;
}

forms::Ref<forms::Global>& globalObjectVariable()
{
    static forms::Ref<forms::Global> variable;
    return variable;
}

int Form2::Command1_Click()
{
    forms::Ref<forms::Global>& global = globalObjectVariable();
    if (!global)
        forms::vbaNew2(forms::kGlobalClass, global);
    // Held only around the call, and released on the way out even when Unload fails. The
    // click's own reference keeps this object alive while its window goes.
    const forms::Ref<forms::Form> window(this);
    forms::checkCallResult(global->Unload(*window), *global, forms::kGlobalClass.interfaceId, forms::Operation::Unload);
    return 0;
}

int Form2::Command2_Click()
{
    forms::vbaEnd();
    return 0;
}
