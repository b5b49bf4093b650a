#pragma once

// The runtime's services around windows: start-up, the error handler that click procedures
// run under, failed calls, object creation and the end of the program.

#include "forms/Form.h"
#include "forms/Object.h"
#include "forms/RuntimeError.h"

#include <functional>
#include <span>
#include <string_view>

namespace forms {

// What the runtime needs to create an object of a class.
struct ClassRecord {
    std::string_view name;
    std::string_view classId;
    // Of the interface the program calls the object through; failed calls name it.
    std::string_view interfaceId;
    Object* (*create)();
};

template <class T>
Object* createObject()
{
    return new T;
}

// What the program hands to the runtime at start.
struct ProjectDescription {
    // Also the executable's name.
    std::string_view projectName;
    // The title of the runtime's messages.
    std::string_view programName;
    // The program's icon, a resource path; every window shows it.
    std::string_view iconResource;
    // The form list, in order; the startup form is one of them.
    std::span<const ClassRecord* const> forms;
    const ClassRecord* startupForm;
};

// The runtime's global object: what it offers the program besides its windows.
class Global : public Object {
public:
    std::string objectName() const override { return "Global"; }

    // Closes the window and unloads it; the window object lives on while referenced.
    virtual HResult Unload(Form& window);
};

inline constexpr ClassRecord kGlobalClass{"Global", "{FCFB3D23-A0FA-1068-A738-08002B3371B5}",
    "{FCFB3D22-A0FA-1068-A738-08002B3371B5}", createObject<Global>};

// Creates the application, shows the startup form and runs the event loop on this thread
// until the program ends. Reads no command line. Never returns.
[[noreturn]] void ThunRTMain(const ProjectDescription& project);

// Runs a click procedure with a counted reference on its window, and reports a runtime
// error that leaves it; the program goes on.
void vbaExceptHandler(Form& window, ClickProcedure procedure);

// A call on `object` through `interfaceId` returned a failure code: raises the runtime's
// error, naming all four.
[[noreturn]] void vbaHresultCheckObj(HResult code, const Object& object, std::string_view interfaceId,
    Operation operation);

// Creates an object of the class into an empty variable.
template <class T>
void vbaNew2(const ClassRecord& record, Ref<T>& variable)
{
    variable = Ref<T>(static_cast<T*>(record.create()));
}

// Ends the program at once with exit code 0: every window goes, nothing is asked.
void vbaEnd();

// For tests: whether vbaEnd has been called.
bool programEnded();

// How a runtime error reaches the user. The default shows a modal message box titled with
// the program's name; tests put their own in its place.
using ErrorReporter = std::function<void(const RuntimeError& error, Form& window)>;
// Returns the reporter it replaces.
ErrorReporter setErrorReporter(ErrorReporter reporter);

namespace detail {
// Kept by Form: the program ends when the last loaded window is unloaded.
void formLoaded(Form& form);
void formUnloaded(Form& form);
} // namespace detail

} // namespace forms
