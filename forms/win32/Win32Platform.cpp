// The Win32 side of the forms layer, for the Windows build: USER32 and GDI32 alone.

#include "forms/Platform.h"

#include "forms/Form.h"
#include "forms/win32/Win32FormWindow.h"
#include "forms/win32/WideText.h"

#include <windows.h>

#include <memory>
#include <string>

namespace forms::platform {

namespace {

std::wstring gProgramName;

} // namespace

void start(std::string_view name, std::span<const unsigned char>)
{
    gProgramName = toWide(name);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // The executable's own icon group 1, the same picture as the icon file the Qt side shows.
    const auto icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
        GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
    const auto smallIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    Win32FormWindow::registerClass(instance, icon, smallIcon);
}

int run()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab, Shift+Tab and the arrow keys move the focus as in a dialog box.
        HWND topLevel = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (topLevel && IsDialogMessageW(topLevel, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void quit(int exitCode)
{
    PostQuitMessage(exitCode);
}

void finish()
{
    // Unloaded windows wait for their posted destruction.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT)
            DispatchMessageW(&message);
    }
}

std::unique_ptr<FormWindow> createWindow(Form& form)
{
    return std::make_unique<Win32FormWindow>(form);
}

void showError(const RuntimeError& error, Form& window)
{
    const auto* native = static_cast<const Win32FormWindow*>(window.window());
    MessageBoxW(native ? native->handle() : nullptr, toWide(error.message()).c_str(), gProgramName.c_str(),
        MB_OK | MB_ICONERROR);
}

} // namespace forms::platform
