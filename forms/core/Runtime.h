#pragma once

// The runtime's services around windows: start-up, the error handler that click procedures
// run under, failed calls, object creation and the end of the program.

#include "forms/core/ClassRecord.h"
#include "forms/core/Form.h"
#include "forms/core/Platform.h"
#include "forms/numeric/Object.h"
#include "forms/numeric/RuntimeError.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

namespace forms {

// What the program hands to the runtime at start.
struct ProjectDescription {
    // Also the executable's name.
    std::string_view projectName;
    // The title of the runtime's messages.
    std::string_view programName;
    // The program's icon, an ICO file's bytes; every window shows it.
    std::span<const unsigned char> icon;
    // The windows' font, a font file's bytes, so that no machine needs it installed.
    std::span<const unsigned char> font;
    // The toolkit's own texts in the windows' language (a Qt translation's bytes); empty
    // where the system shows its own.
    std::span<const unsigned char> toolkitTranslation;
    // The form list, in order; the startup form is one of them. Held, as the runtime's
    // description holds it; nothing reads it.
    std::span<const ClassRecord* const> forms;
    const ClassRecord* startupForm;
    // The program's safe-division flag, which only the runtime writes: set at start when the
    // processor's divide is flawed.
    volatile std::uint32_t* safeDivisionFlag;
    // The side that realises the windows: nativePlatform of the side the program links.
    Platform& (*platform)();
};

// Sets the floating-point working format, creates the application, shows the startup form
// and runs the event loop on this thread until the program ends. Reads no command line.
// Never returns.
[[noreturn]] void ThunRTMain(const ProjectDescription& project);

// Runs a click procedure with a counted reference on its window, and reports a runtime
// error that leaves it; the program goes on.
void vbaExceptHandler(Form& window, ClickProcedure procedure);

// A call on `object` through `interfaceId` returned a failure code: raises the runtime's
// error, naming all four.
[[noreturn]] void vbaHresultCheckObj(HResult code, const Object& object, std::string_view interfaceId,
    Operation operation);

// What follows every Text, Show and Unload call: the floating-point flags are cleared,
// whatever the result, and only then is a failure raised.
void checkCallResult(HResult result, const Object& object, std::string_view interfaceId, Operation operation);

// Ends the program at once with exit code 0: every window goes, nothing is asked.
void vbaEnd();

// How a runtime error reaches the user. The default shows the window's errorMessage in a
// modal message box titled with the program's name; tests put their own in its place.
using ErrorReporter = std::function<void(const RuntimeError& error, Form& window)>;
// Returns the reporter it replaces.
ErrorReporter setErrorReporter(ErrorReporter reporter);

namespace detail {
// Kept by Form: the program ends when the last loaded window is unloaded.
void formLoaded(Form& form);
void formUnloaded(Form& form);
} // namespace detail

} // namespace forms
