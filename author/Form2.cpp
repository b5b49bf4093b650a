#include "author/Form2.h"

#include "forms/FloatingPoint.h"
#include "resources/ResourcePaths.h"

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

constexpr forms::FormLayout kLayout{
    "Form2",
    "автор программы Иванов Иван Иванович ZELMOR",
    {5820, 4125, 6870, 4140},
    kControls,
};

} // namespace

const forms::ClassRecord Form2::classRecord{"Form2", "{C6A8E239-3CE9-441E-880E-458267BEB68F}",
    "{AEEE2CA2-47CD-4A63-93CC-574EF49BAC66}", forms::createObject<Form2>};

Form2::Form2()
    : Form(kLayout)
{
}

// One accessor per control, each found in the layout by its name when compiling.
#define FORM2_ACCESSOR(Name)                                                                                          \
    forms::Ref<forms::Control> Form2::Name() const                                                                     \
    {                                                                                                                  \
        static constexpr std::size_t index = forms::indexOf(kControls, #Name);                                         \
        return control(index);                                                                                         \
    }
FORM2_ACCESSOR(Label1)
FORM2_ACCESSOR(Label2)
FORM2_ACCESSOR(Command1)
FORM2_ACCESSOR(Command2)
FORM2_ACCESSOR(Image1)
#undef FORM2_ACCESSOR

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
    const forms::HResult result = global->Unload(*window);
    forms::clearFpFlags();
    if (forms::failed(result))
        forms::vbaHresultCheckObj(result, *global, forms::kGlobalClass.interfaceId, forms::Operation::Unload);
    return 0;
}

int Form2::Command2_Click()
{
    forms::vbaEnd();
    return 0;
}
