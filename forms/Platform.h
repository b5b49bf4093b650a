#pragma once

// What each side of the forms layer (Qt for Linux, Win32 for Windows) gives the core: the
// application, its event loop, the windows and the message box. The build links one side.

#include "forms/FormWindow.h"

#include <memory>
#include <string>

namespace forms {

class Form;
struct ProjectDescription;

namespace platform {

// Sets up the windowing for the program before its first window: the program's name titles
// the runtime's messages, its icon and font serve every window.
void start(const ProjectDescription& project);
// The user's decimal separator, '.' or ','.
char decimalSeparator();
// Runs the event loop on this thread until quit(); gives the code quit() was called with.
int run();
// Ends run() once the event being handled is done.
void quit(int exitCode);
// After the loop: lets windows that are waiting for it go.
void finish();

// Builds the window of a loaded form from its layout.
std::unique_ptr<FormWindow> createWindow(Form& form);

// A message box with the text, titled with the program's name, modal to the window; returns
// when it is closed.
void showError(const std::string& message, Form& window);

} // namespace platform

} // namespace forms
