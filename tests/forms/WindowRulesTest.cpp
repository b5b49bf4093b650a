// The rules both sides of the forms layer follow, worked out with no toolkit.

#include "forms/core/WindowRules.h"
#include "support/NamedCase.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using forms::ControlClass;
using forms::ControlLayout;
using forms::Pixels;

namespace {

// A small window of every control class, listed out of focus order.
constexpr ControlLayout kControls[] = {
    {ControlClass::CommandButton, "Go", "Пуск & стоп", {1500, 150, 1500, 450}, 3},
    {ControlClass::Frame, "Box", "рамка & рамочка", {150, 1500, 3000, 1500}, 1},
    {ControlClass::TextBox, "Inner", "внутри & снаружи", {150, 450, 1500, 375}, 2, "Box"},
    {ControlClass::Label, "Note", "подпись & печать", {150, 150, 1200, 450}, 4},
    {ControlClass::TextBox, "First", "", {150, 900, 1200, 375}, 0},
    {ControlClass::Image, "Picture", "", {3300, 150, 600, 300}, forms::kNoTabIndex},
};

constexpr forms::FormLayout kLayout{"TestForm", "Проба", {1500, 1500, 4500, 3300}, kControls, {1, 0, -1, "TestForm"}};

TEST(FocusOrder, FollowsTabIndexAndSkipsLabelsFramesAndPictures)
{
    // First, Inner, Go; Tab visits the others where they stand, the picture last.
    EXPECT_EQ(forms::focusOrder(kControls), (std::vector<std::size_t>{4, 2, 0}));
    EXPECT_EQ(forms::tabOrder(kControls), (std::vector<std::size_t>{4, 1, 2, 0, 3, 5}));
}

struct Placement {
    const char* name;
    Pixels window; // frame included
    Pixels workArea;
    Pixels placed;
};

class WorkArea : public ::testing::TestWithParam<Placement> {};

TEST_P(WorkArea, KeepsTheWholeWindowOnIt)
{
    const Placement& c = GetParam();
    const Pixels placed = forms::ontoWorkArea(c.window, c.workArea);
    EXPECT_EQ((std::vector{placed.left, placed.top, placed.width, placed.height}),
        (std::vector{c.placed.left, c.placed.top, c.placed.width, c.placed.height}));
}

INSTANTIATE_TEST_SUITE_P(WindowRules, WorkArea,
    ::testing::Values(Placement{"Inside", {100, 100, 300, 220}, {0, 0, 1280, 1024}, {100, 100, 300, 220}},
        Placement{"PastTheBottomRight", {1200, 900, 300, 220}, {0, 0, 1280, 1024}, {980, 804, 300, 220}},
        Placement{"PastTheTopLeft", {-50, -20, 300, 220}, {0, 0, 1280, 1024}, {0, 0, 300, 220}},
        // A frame of 1, 20, 1, 5 around a client area that ends at the screen's edges.
        Placement{"FrameOffTheEdges", {216, 128, 425, 389}, {0, 0, 640, 512}, {215, 123, 425, 389}},
        Placement{"BesideATaskbar", {0, 0, 300, 220}, {40, 0, 1240, 1024}, {40, 0, 300, 220}},
        Placement{"TooLargeKeepsItsTopLeftCorner", {500, 500, 2000, 1500}, {0, 0, 1280, 1024}, {0, 0, 2000, 1500}}),
    caseName);

TEST(Captions, CarryNoAccessKeys)
{
    const std::vector<std::string> shown{"Пуск && стоп", "рамка && рамочка", "внутри & снаружи", "подпись & печать"};
    for (std::size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(forms::captionText(kControls[i]), shown[i]) << kControls[i].name;
}

struct FontCase {
    const char* name;
    std::set<std::string> onTheSystem;
    // Faces in which the button's caption needs more room than its box has.
    std::set<std::string> tooWide;
    std::string chosen;
};

class FontFace : public ::testing::TestWithParam<FontCase> {};

TEST_P(FontFace, IsTheFirstTheSystemHasInWhichEveryCaptionFits)
{
    const FontCase& c = GetParam();
    const auto inFace = [&](std::string_view face) -> forms::CaptionMeasure {
        if (!c.onTheSystem.contains(std::string(face)))
            return {};
        const bool wide = c.tooWide.contains(std::string(face));
        return [wide](ControlClass kind, std::string_view, int width) {
            return forms::TextSize{kind == ControlClass::CommandButton && wide ? 100 : width / 2, 10};
        };
    };
    EXPECT_EQ(forms::fontFace(kLayout, inFace), c.chosen);
}

INSTANTIATE_TEST_SUITE_P(WindowRules, FontFace,
    ::testing::Values(FontCase{"ClassicDialogFont", {"MS Sans Serif", "Tahoma"}, {}, "MS Sans Serif"},
        FontCase{"CondensedWhereTheClassicDoesNotFit", {"MS Sans Serif", "DejaVu Sans Condensed"}, {"MS Sans Serif"},
            "DejaVu Sans Condensed"},
        FontCase{"LastWhateverTheSystemHas", {}, {}, "MS Shell Dlg"}),
    caseName);

} // namespace
