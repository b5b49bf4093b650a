#include "calculator/Form1.h"

#include "author/Form2.h"
#include "calculator/CoilErrorMessage.h"
#include "calculator/LoadingCoil.h"
#include "forms/core/Runtime.h"
#include "forms/numeric/Numeric.h"
#include "resources/EmbeddedFiles.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using forms::ControlClass;
using forms::ControlLayout;
using forms::kNoTabIndex;

// In creation order. The letters are Cyrillic but for the Latin L, A and B.
constexpr ControlLayout kControls[] = {
    // class, name, caption, {left, top, width, height} in twips, TabIndex, container, click
    {ControlClass::CommandButton, "Command3", "Автор программы", {4080, 3720, 2175, 735}, 13, {},
        forms::bindClick<&Form1::Command3_Click>},
    {ControlClass::CommandButton, "Command2", "выход", {4080, 4560, 2175, 735}, 12, {},
        forms::bindClick<&Form1::Command2_Click>},
    {ControlClass::Frame, "Frame1", "вывод данных", {3960, 1800, 2295, 1815}, 9},
    {ControlClass::TextBox, "Text5", "", {240, 1080, 1815, 375}, 11, "Frame1"},
    {ControlClass::Label, "Label5", "расчетная индуктивность удлиняющей катушки мкГн", {120, 360, 2055, 735}, 10,
        "Frame1"},
    {ControlClass::TextBox, "Text4", "", {2160, 3120, 1335, 375}, 8},
    {ControlClass::TextBox, "Text3", "", {2160, 2280, 1335, 375}, 6},
    {ControlClass::TextBox, "Text2", "", {2160, 1320, 1335, 375}, 4},
    {ControlClass::CommandButton, "Command1", "расчет L катушки", {4080, 480, 2175, 735}, 2, {},
        forms::bindClick<&Form1::Command1_Click>},
    {ControlClass::TextBox, "Text1", "", {2160, 120, 1335, 375}, 0},
    {ControlClass::Image, "Image1", "", {120, 3720, 3615, 1815}, kNoTabIndex, {}, nullptr, resources::kAntennaSketch,
        true},
    {ControlClass::Label, "Label4", "расчетная резонансная частота антенны МГц", {120, 3120, 1815, 615}, 7},
    {ControlClass::Label, "Label3", "диаметр провода из которого изготовлено полотно антенны мм",
        {120, 2160, 1815, 735}, 5},
    {ControlClass::Label, "Label2",
        "расстояние от точки питания антенны до места включения в ее полотно катушки метры (B)",
        {120, 1080, 1935, 975}, 3},
    {ControlClass::Label, "Label1", "длина излучателя метры (A)", {120, 120, 1455, 615}, 1},
};

static_assert(forms::isWellFormed(kControls));

constexpr forms::FormLayout kLayout{
    "Form1",
    "ZELMOR расчет укороченого диполя",
    {6975, 3735, 6345, 5460},
    kControls,
    {1, 0, -1, "Form1"},
};

static_assert(kLayout.further.text == kLayout.name);

// One input: the box is held, and its text kept, only while it is read and converted.
double readNumber(const forms::Ref<forms::TextBox> box)
{
    std::string text;
    forms::checkCallResult(box->readText(text), *box, forms::kTextBoxInterfaceId, forms::Operation::TextRead);
    return forms::vbaR8Str(text);
}

} // namespace

const forms::ClassRecord Form1::classRecord{"Form1", "{097EBED0-86C4-42D1-867C-6A868197370A}",
    "{D4267143-2556-40FD-898A-1D54CFC07F56}", forms::createObject<Form1>};

Form1::Form1()
    : Form(kLayout)
{
}

FORMS_CONTROL_ACCESSOR(Form1, kControls, TextBox, Text1)
FORMS_CONTROL_ACCESSOR(Form1, kControls, TextBox, Text2)
FORMS_CONTROL_ACCESSOR(Form1, kControls, TextBox, Text3)
FORMS_CONTROL_ACCESSOR(Form1, kControls, TextBox, Text4)
FORMS_CONTROL_ACCESSOR(Form1, kControls, TextBox, Text5)
FORMS_CONTROL_ACCESSOR(Form1, kControls, Control, Label1)
FORMS_CONTROL_ACCESSOR(Form1, kControls, Control, Label2)
FORMS_CONTROL_ACCESSOR(Form1, kControls, Control, Label3)
FORMS_CONTROL_ACCESSOR(Form1, kControls, Control, Label4)
FORMS_CONTROL_ACCESSOR(Form1, kControls, Control, Label5)
FORMS_CONTROL_ACCESSOR(Form1, kControls, Control, Command1)
FORMS_CONTROL_ACCESSOR(Form1, kControls, Control, Command2)
FORMS_CONTROL_ACCESSOR(Form1, kControls, Control, Command3)
FORMS_CONTROL_ACCESSOR(Form1, kControls, Control, Frame1)
FORMS_CONTROL_ACCESSOR(Form1, kControls, Control, Image1)

int Form1::Command1_Click()
{
    const double A = readNumber(Text1());
    const double B = readNumber(Text2());
    const double D = readNumber(Text3());
    const double f = readNumber(Text4());
    const calculator::CoilIntermediates intermediates = calculator::loadingCoilStage1(A, B, D, f);

    // Fetched only once the first ten fault tests have passed, and held until written.
    const forms::Ref<forms::TextBox> output = Text5();
    const std::string text = forms::vbaStrR8(calculator::loadingCoilStage2(f, intermediates));
    forms::checkCallResult(output->writeText(text), *output, forms::kTextBoxInterfaceId, forms::Operation::TextWrite);
    return 0;
}

std::string Form1::errorMessage(const forms::RuntimeError& error) const
{
    // The quantities in the captions' words.
    const std::pair<forms::Ref<forms::TextBox>, calculator::InputField> inputs[] = {
        {Text1(), {calculator::CoilInput::A, "длина излучателя (A)", {}}},
        {Text2(), {calculator::CoilInput::B, "расстояние от точки питания антенны до катушки (B)", {}}},
        {Text3(), {calculator::CoilInput::D, "диаметр провода (D)", {}}},
        {Text4(), {calculator::CoilInput::f, "расчетная резонансная частота (f)", {}}},
    };
    std::vector<calculator::InputField> fields;
    for (const auto& [box, field] : inputs) {
        fields.push_back(field);
        // A box that cannot be read stopped the click before any text was converted.
        box->readText(fields.back().text);
    }
    return calculator::coilErrorMessage(error, fields);
}

int Form1::Command2_Click()
{
    forms::vbaEnd();
    return 0;
}

int Form1::Command3_Click()
{
    forms::Ref<Form2>& author = Form2DefaultInstance();
    if (!author)
        forms::vbaNew2(Form2::classRecord, author);
    forms::checkCallResult(author->show(), *author, Form2::classRecord.interfaceId, forms::Operation::Show);
    return 0;
}
