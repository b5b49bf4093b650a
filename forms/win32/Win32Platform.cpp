// The Win32 side of the forms layer, for the Windows build: USER32 and GDI32 alone.

#include "forms/core/Platform.h"

#include "forms/core/Form.h"
#include "forms/core/Runtime.h"
#include "forms/win32/WideText.h"
#include "forms/win32/Win32FormWindow.h"

#include <windows.h>

#include <memory>
#include <string>

namespace forms {

namespace {

// The exit code when the message loop itself fails.
constexpr int kLoopFailedExitCode = 1;

// Enter on a focused push button presses it, as Space does; a held key presses it once.
// Enter anywhere else goes to the dialog manager, which finds no default button.
bool pressesFocusedButton(const MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN)
        return false;
    HWND focus = GetFocus();
    if (!focus || focus != message.hwnd)
        return false;
    wchar_t className[16] = {};
    GetClassNameW(focus, className, 16);
    const LONG_PTR type = GetWindowLongPtrW(focus, GWL_STYLE) & BS_TYPEMASK;
    if (lstrcmpiW(className, L"Button") != 0 || (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON))
        return false;
    const bool repeated = (HIWORD(message.lParam) & KF_REPEAT) != 0;
    if (!repeated)
        SendMessageW(focus, BM_CLICK, 0, 0);
    return true;
}

// The application, its message loop and its message box, on USER32.
class Win32Platform final : public Platform {
public:
    void start(const ProjectDescription& project) override;
    char decimalSeparator() const override;
    int run() override;
    void quit(int exitCode) override;
    void finish() override;
    std::unique_ptr<FormWindow> createWindow(Form& form) override;
    void showError(const std::string& message, Form& window) override;

private:
    std::wstring programName_;
};

void Win32Platform::start(const ProjectDescription& project)
{
    programName_ = toWide(project.programName);
    // The windows' font, for this process only, where the system's own would not fit.
    DWORD fonts = 0;
    AddFontMemResourceEx(const_cast<unsigned char*>(project.font.data()), static_cast<DWORD>(project.font.size()),
        nullptr, &fonts);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // The executable's own icon group 1, the same picture as the icon file the Qt side shows.
    const auto icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
        GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
    const auto smallIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    Win32FormWindow::registerClass(instance, icon, smallIcon);
}

char Win32Platform::decimalSeparator() const
{
    wchar_t separator[4] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
    return separator[0] == L',' ? ',' : '.';
}

int Win32Platform::run()
{
    MSG message{};
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        if (pressesFocusedButton(message))
            continue;
        // Tab, Shift+Tab and the arrow keys move the focus as in a dialog box.
        HWND topLevel = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (topLevel && IsDialogMessageW(topLevel, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // WM_QUIT carries the exit code. A failing GetMessageW (-1) leaves the last message's
    // wParam behind, which is no exit code: the loop ended abnormally.
    return got == 0 ? static_cast<int>(message.wParam) : kLoopFailedExitCode;
}

void Win32Platform::quit(int exitCode)
{
    PostQuitMessage(exitCode);
}

void Win32Platform::finish()
{
    // Unloaded windows wait for their posted destruction.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT)
            DispatchMessageW(&message);
    }
}

std::unique_ptr<FormWindow> Win32Platform::createWindow(Form& form)
{
    return std::make_unique<Win32FormWindow>(form);
}

void Win32Platform::showError(const std::string& message, Form& window)
{
    const auto* native = static_cast<const Win32FormWindow*>(window.window());
    MessageBoxW(native ? native->handle() : nullptr, toWide(message).c_str(), programName_.c_str(),
        MB_OK | MB_ICONERROR);
}

} // namespace

Platform& nativePlatform()
{
    static Win32Platform side;
    return side;
}

} // namespace forms
