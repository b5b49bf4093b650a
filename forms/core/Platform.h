#pragma once

#include "forms/core/FormWindow.h"

#include <memory>
#include <string>

namespace forms {

class Form;
struct ProjectDescription;

// What a side of the forms layer (Qt for Linux, Win32 for Windows) does for the core: the
// application, its event loop, the windows and the message box. The core calls the side only
// through this interface, so it builds and links without any toolkit.
class Platform {
public:
    Platform() = default;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    // Sets up the windowing for the program before its first window: the program's name
    // titles the runtime's messages, its icon and font serve every window.
    virtual void start(const ProjectDescription& project) = 0;
    // The user's decimal separator, '.' or ','.
    virtual char decimalSeparator() const = 0;
    // Runs the event loop on this thread until quit(); gives the code quit() was called with.
    virtual int run() = 0;
    // Ends run() once the event being handled is done.
    virtual void quit(int exitCode) = 0;
    // After the loop: lets windows that are waiting for it go.
    virtual void finish() = 0;

    // Builds the window of a loaded form from its layout.
    virtual std::unique_ptr<FormWindow> createWindow(Form& form) = 0;

    // A message box with the text, titled with the program's name, modal to the window;
    // returns when it is closed.
    virtual void showError(const std::string& message, Form& window) = 0;

protected:
    ~Platform() = default;
};

// The side the program is linked with; each side defines it.
Platform& nativePlatform();

// The side the runtime uses: the one the program's description names, once ThunRTMain has
// started; a test that builds windows without ThunRTMain names it with usePlatform.
Platform& platform();
Platform& usePlatform(Platform& side);

} // namespace forms
