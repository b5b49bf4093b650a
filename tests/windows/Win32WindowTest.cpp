// The windows as the Win32 side builds them, under Wine: geometry, captions whole in their
// boxes, focus order, the calculation through the real buttons, and the author window
// unloading itself from inside its own click.

#include "app/Project.h"
#include "author/Form2.h"
#include "calculator/Form1.h"
#include "forms/core/Platform.h"
#include "forms/core/Runtime.h"
#include "forms/win32/CaptionFont.h"
#include "forms/win32/Win32FormWindow.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using forms::Ref;

namespace {

void deliverPendingMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

HWND handleOf(const forms::Form& form)
{
    const auto* window = static_cast<const forms::Win32FormWindow*>(form.window());
    return window ? window->handle() : nullptr;
}

HWND handleOf(const forms::Control& control)
{
    const auto* window = static_cast<const forms::Win32FormWindow*>(control.window());
    return window ? window->controlHandle(control.index()) : nullptr;
}

std::wstring textOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void click(const forms::Control& button)
{
    SendMessageW(handleOf(button), BM_CLICK, 0, 0);
    deliverPendingMessages();
}

class Win32Windows : public ::testing::Test {
protected:
    static void SetUpTestSuite() { forms::usePlatform(forms::nativePlatform()).start(shortDipoleProject()); }

    void SetUp() override
    {
        previous = forms::setErrorReporter([this](const forms::RuntimeError& error, forms::Form&) {
            reports.push_back(error.message());
        });
        main = Ref<Form1>(new Form1);
        main->show();
        deliverPendingMessages();
    }
    void TearDown() override
    {
        if (Form2DefaultInstance())
            Form2DefaultInstance()->unload();
        main->unload();
        main.reset();
        deliverPendingMessages();
        forms::setErrorReporter(previous);
    }

    void type(const Ref<forms::TextBox>& box, const wchar_t* text) { SetWindowTextW(handleOf(*box), text); }

    Ref<Form1> main;
    std::vector<std::string> reports;
    forms::ErrorReporter previous;
};

TEST_F(Win32Windows, MainWindowHasItsClientAreaAtItsPlace)
{
    RECT client;
    GetClientRect(handleOf(*main), &client);
    POINT origin{0, 0};
    ClientToScreen(handleOf(*main), &origin);
    EXPECT_EQ(client.right, 423);
    EXPECT_EQ(client.bottom, 364);
    EXPECT_EQ(origin.x, 465);
    EXPECT_EQ(origin.y, 249);
    EXPECT_EQ(textOf(handleOf(*main)), L"ZELMOR расчет укороченого диполя");
}

// A window stored beyond the screen's right and bottom edges.
class FarAway : public forms::Form {
public:
    FarAway() : Form(kLayout) {}

private:
    static constexpr forms::ControlLayout kControls[] = {
        {forms::ControlClass::Label, "Label1", "далеко", {120, 120, 1200, 300}, 0}};
    static constexpr forms::FormLayout kLayout{"FarAway", "Далеко", {150000, 150000, 6000, 4500}, kControls,
        {1, 0, -1, "FarAway"}};
};

TEST_F(Win32Windows, WindowStoredOffTheScreenOpensOnIt)
{
    const Ref<FarAway> distant(new FarAway);
    distant->show();
    RECT frame;
    GetWindowRect(handleOf(*distant), &frame);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(frame.right, work.right);
    EXPECT_LE(frame.bottom, work.bottom);
    EXPECT_GE(frame.left, work.left);
    EXPECT_GE(frame.top, work.top);
    distant->unload();
}

TEST_F(Win32Windows, EveryCaptionShowsWholeInItsBox)
{
    click(*main->Command3());
    const Ref<Form2> author = Form2DefaultInstance();
    ASSERT_TRUE(author && author->isLoaded());
    HDC dc = GetDC(nullptr);
    for (const forms::Form* form : {static_cast<const forms::Form*>(main.get()), static_cast<const forms::Form*>(author.get())}) {
        for (std::size_t i = 0; i < form->layout().controls.size(); ++i) {
            const forms::ControlLayout& layout = form->layout().controls[i];
            HWND control = handleOf(*form->control(i));
            RECT box;
            GetClientRect(control, &box);
            const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
            EXPECT_TRUE(forms::CaptionFont::fits(dc, font, layout.kind, textOf(control).c_str(), {box.right, box.bottom}))
                << std::string(layout.name);
        }
    }
    ReleaseDC(nullptr, dc);
}

TEST_F(Win32Windows, FocusStartsInTheArmLengthAndTabFollowsTheFocusOrder)
{
    const std::vector<HWND> order{handleOf(*main->Text1()), handleOf(*main->Command1()), handleOf(*main->Text2()),
        handleOf(*main->Text3()), handleOf(*main->Text4()), handleOf(*main->Text5()), handleOf(*main->Command2()),
        handleOf(*main->Command3())};
    EXPECT_EQ(GetFocus(), order[0]);
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(GetNextDlgTabItem(handleOf(*main), order[i], FALSE), order[(i + 1) % order.size()]) << "Tab " << i;
        EXPECT_EQ(GetNextDlgTabItem(handleOf(*main), order[(i + 1) % order.size()], TRUE), order[i]) << "Shift+Tab " << i;
    }
}

TEST_F(Win32Windows, OutputFieldStandsInItsFrameAtItsPlaceRelativeToIt)
{
    RECT box;
    GetWindowRect(handleOf(*main->Text5()), &box);
    MapWindowPoints(nullptr, handleOf(*main), reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.left, 280);
    EXPECT_EQ(box.top, 192);
    EXPECT_EQ(box.right - box.left, 121);
}

TEST_F(Win32Windows, CalculateWritesLAndAFaultLeavesItAsItWas)
{
    type(main->Text1(), L"5");
    type(main->Text2(), L"2");
    type(main->Text3(), L"2");
    type(main->Text4(), L"7,1");
    // The output field scrolled to the end of a long text before the result comes.
    HWND output = handleOf(*main->Text5());
    SetWindowTextW(output, L"12345678901234567890123456789012345678901234567890");
    SendMessageW(output, EM_SETSEL, 50, 50);
    SendMessageW(output, EM_SCROLLCARET, 0, 0);
    click(*main->Command1());
    EXPECT_EQ(textOf(output), L"15.9556886690632");
    DWORD caret = 1;
    SendMessageW(output, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
    EXPECT_EQ(caret, 0u) << "shown from its first character";
    EXPECT_TRUE(reports.empty());

    type(main->Text2(), L"5");
    click(*main->Command1());
    ASSERT_EQ(reports.size(), 1u) << "B as long as A";
    EXPECT_EQ(textOf(handleOf(*main->Text5())), L"15.9556886690632");
    EXPECT_TRUE(main->isLoaded()) << "the program goes on";
}

TEST_F(Win32Windows, EnterInAFieldStartsNothing)
{
    // As the message loop hands keys to the dialog manager.
    for (const auto& box : {main->Text1(), main->Text4()}) {
        SetFocus(handleOf(*box));
        for (WPARAM key : {WPARAM(VK_RETURN), WPARAM(VK_ESCAPE)}) {
            MSG press{handleOf(*box), WM_KEYDOWN, key, 0, 0, {}};
            IsDialogMessageW(handleOf(*main), &press);
        }
    }
    deliverPendingMessages();
    EXPECT_TRUE(reports.empty()) << "no calculation ran";
    EXPECT_TRUE(main->isLoaded());
    EXPECT_FALSE(Form2DefaultInstance() && Form2DefaultInstance()->isLoaded());
}

TEST_F(Win32Windows, AuthorWindowOpensUnownedAndBackUnloadsItFromItsOwnClick)
{
    click(*main->Command3());
    const Ref<Form2> author = Form2DefaultInstance();
    ASSERT_TRUE(author && author->isLoaded());
    HWND window = handleOf(*author);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_EQ(GetFocus(), handleOf(*author->Command1())) << "Назад has the focus";
    EXPECT_TRUE(IsWindowEnabled(handleOf(*main))) << "modeless";

    click(*author->Command1());
    EXPECT_FALSE(author->isLoaded());
    EXPECT_FALSE(IsWindow(window)) << "destroyed once its click was done";
    EXPECT_TRUE(main->isLoaded());
    EXPECT_TRUE(reports.empty());

    click(*main->Command3());
    EXPECT_TRUE(author->isLoaded()) << "opened again, the same object";
    SendMessageW(handleOf(*author), WM_CLOSE, 0, 0);
    EXPECT_FALSE(author->isLoaded()) << "closed through its frame";
    EXPECT_TRUE(main->isLoaded());
}

} // namespace
