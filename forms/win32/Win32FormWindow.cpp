#include "forms/win32/Win32FormWindow.h"

#include "forms/core/PastedText.h"
#include "forms/core/Runtime.h"
#include "forms/core/WindowRules.h"
#include "forms/win32/CaptionFont.h"
#include "forms/win32/ImageBox.h"
#include "forms/win32/WideText.h"

namespace forms {

namespace {

constexpr const wchar_t* kClassName = L"ShortDipoleForm";
// Posted to an unloaded window: destroys it once the message that unloaded it is done.
constexpr UINT kDestroyLater = WM_APP + 1;
// Control identifiers start here, clear of IDOK and IDCANCEL, which Enter and Escape send.
constexpr int kFirstControlId = 100;

// The edit control's own procedure, behind textFieldProcedure.
WNDPROC gEditProcedure = nullptr;

// A single-line field holds no line break: text pasted into it keeps one line, the first
// that is not blank. Ctrl+V, Shift+Insert and the context menu all paste through WM_PASTE.
LRESULT CALLBACK textFieldProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PASTE || (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY))
        return CallWindowProcW(gEditProcedure, edit, message, wParam, lParam);
    std::wstring text;
    bool hasText = false;
    if (IsClipboardFormatAvailable(CF_UNICODETEXT) && OpenClipboard(edit)) {
        if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
                text = chars;
                hasText = true;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    if (hasText) {
        const std::wstring line = toWide(pastedLine(fromWide(text)));
        SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(line.c_str()));
    }
    return 0;
}

RECT toRect(const Pixels& box)
{
    return {box.left, box.top, box.left + box.width, box.top + box.height};
}

RECT toRect(const Twips& box)
{
    return toRect(toPixels(box));
}

Pixels toPixels(const RECT& box)
{
    return {box.left, box.top, box.right - box.left, box.bottom - box.top};
}

// The whole window, frame included, kept on the work area of its monitor.
RECT keepOnWorkArea(const RECT& frame)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromRect(&frame, MONITOR_DEFAULTTOPRIMARY), &monitor))
        return frame;
    return toRect(ontoWorkArea(toPixels(frame), toPixels(monitor.rcWork)));
}

} // namespace

void Win32FormWindow::registerClass(HINSTANCE instance, HICON icon, HICON smallIcon)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
    ImageBox::registerClass(instance);
}

Win32FormWindow::Win32FormWindow(Form& form)
    : form_(form)
{
    const FormLayout& layout = form.layout();
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // Not clipping its children: the window paints the inside of a group box, which does not.
    constexpr DWORD style = WS_OVERLAPPEDWINDOW;
    // The client area at its stored place on the screen, the frame around it.
    RECT frame = toRect(layout.client);
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    frame = keepOnWorkArea(frame);
    window_ = CreateWindowExW(0, kClassName, toWide(layout.caption).c_str(), style, frame.left, frame.top,
        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, this);

    // Controls inside a frame are its siblings, placed relative to it.
    controls_.assign(layout.controls.size(), nullptr);
    std::vector<RECT> boxes(layout.controls.size());
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        boxes[i] = toRect(layout.controls[i].box);
        if (!layout.controls[i].container.empty()) {
            const RECT& container = boxes[indexOf(layout.controls, layout.controls[i].container)];
            OffsetRect(&boxes[i], container.left, container.top);
        }
    }
    // Tab and Shift+Tab follow the order of creation, so the controls are created in tab order.
    for (std::size_t i : tabOrder(layout.controls))
        controls_[i] = createControl(layout.controls[i], i, boxes[i]);
    // A group box only draws a frame around its siblings: below them, it hides none.
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (layout.controls[i].kind == ControlClass::Frame)
            SetWindowPos(controls_[i], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

HWND Win32FormWindow::createControl(const ControlLayout& layout, std::size_t index, RECT box)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const wchar_t* windowClass = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD extendedStyle = 0;
    switch (layout.kind) {
    case ControlClass::CommandButton:
        windowClass = L"BUTTON";
        // A plain push button: none is the default button, so Enter in a field presses none.
        style |= BS_PUSHBUTTON;
        break;
    case ControlClass::Label:
        // Word-wrapped from the top left; an ampersand is shown as it is.
        style |= SS_LEFT | SS_NOPREFIX;
        break;
    case ControlClass::TextBox:
        windowClass = L"EDIT";
        style |= ES_LEFT | ES_AUTOHSCROLL;
        extendedStyle = WS_EX_CLIENTEDGE;
        break;
    case ControlClass::Frame:
        windowClass = L"BUTTON";
        style |= BS_GROUPBOX;
        break;
    case ControlClass::Image:
        return ImageBox::create(window_, box, layout.picture, layout.stretch, instance);
    }
    if (takesFocus(layout))
        style |= WS_TABSTOP;
    HWND control = CreateWindowExW(extendedStyle, windowClass, toWide(captionText(layout)).c_str(), style, box.left, box.top,
        box.right - box.left, box.bottom - box.top, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)), instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(CaptionFont::forLayout(form_.layout())), FALSE);
    if (layout.kind == ControlClass::TextBox) {
        gEditProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(textFieldProcedure)));
    }
    return control;
}

Win32FormWindow::~Win32FormWindow()
{
    if (!window_)
        return;
    // Nothing in the window reaches back any more; it goes once the message being handled,
    // perhaps the click that unloads it, is done.
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    ShowWindow(window_, SW_HIDE);
    PostMessageW(window_, kDestroyLater, 0, 0);
}

void Win32FormWindow::show()
{
    // The window opens with the focus on the first control in the focus order (WM_SETFOCUS).
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
}

HWND Win32FormWindow::controlHandle(std::size_t control) const
{
    return control < controls_.size() && IsWindow(controls_[control]) ? controls_[control] : nullptr;
}

bool Win32FormWindow::readText(std::size_t control, std::string& text) const
{
    HWND edit = controlHandle(control);
    if (!edit)
        return false;
    std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    wide.resize(static_cast<std::size_t>(GetWindowTextW(edit, wide.data(), static_cast<int>(wide.size()))));
    text = fromWide(wide);
    return true;
}

bool Win32FormWindow::writeText(std::size_t control, std::string_view text)
{
    HWND edit = controlHandle(control);
    return edit && SetWindowTextW(edit, toWide(text).c_str());
}

LRESULT CALLBACK Win32FormWindow::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Win32FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else if (message == kDestroyLater) {
        DestroyWindow(window);
        return 0;
    }
    auto* self = reinterpret_cast<Win32FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->onMessage(message, wParam, lParam);
}

LRESULT Win32FormWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const std::size_t index = static_cast<std::size_t>(id - kFirstControlId);
        if (HIWORD(wParam) == BN_CLICKED && id >= kFirstControlId && index < controls_.size()) {
            const ControlLayout& layout = form_.layout().controls[index];
            if (layout.kind == ControlClass::CommandButton && layout.click) {
                // The click may unload this window: nothing of it is touched afterwards.
                vbaExceptHandler(form_, layout.click);
            }
        }
        return 0;
    }
    case WM_ACTIVATE:
        // Deactivated: the control that had the focus gets it back when the window is active
        // again, as in a dialog box.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(window_, focus))
                lastFocus_ = focus;
        }
        break;
    case WM_SETFOCUS: {
        // The window itself takes no typing: the focus goes on to a control.
        HWND focus = lastFocus_ && IsChild(window_, lastFocus_) ? lastFocus_ : GetNextDlgTabItem(window_, nullptr, FALSE);
        if (focus)
            SetFocus(focus);
        return 0;
    }
    case WM_CLOSE:
        // Closing through the frame unloads the window, as "Назад" does.
        form_.unload();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

} // namespace forms
