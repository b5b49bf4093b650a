#include "forms/core/Runtime.h"

#include "forms/numeric/FloatingPoint.h"
#include "forms/numeric/Numeric.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace forms {

namespace {

std::vector<Form*> gLoadedForms;
Platform* gPlatform = nullptr;

void showMessageBox(const RuntimeError& error, Form& window)
{
    platform().showError(window.errorMessage(error), window);
}

ErrorReporter& reporter()
{
    static ErrorReporter current = showMessageBox;
    return current;
}

void unloadAllForms()
{
    // Unloading changes the list.
    const std::vector<Form*> loaded = gLoadedForms;
    for (Form* form : loaded)
        form->unload();
}

} // namespace

Platform& platform()
{
    if (!gPlatform) {
        std::fputs("No platform to build windows on: ThunRTMain or usePlatform names it.\n", stderr);
        std::abort();
    }
    return *gPlatform;
}

Platform& usePlatform(Platform& side)
{
    gPlatform = &side;
    return side;
}

void ThunRTMain(const ProjectDescription& project)
{
    setWorkingFormat();
    if (divideIsFlawed())
        *project.safeDivisionFlag = 1;

    Platform& side = usePlatform(project.platform());
    side.start(project);
    // Results are written as the user writes numbers; input takes either separator.
    setDecimalSeparator(side.decimalSeparator());
    int exitCode = 0;
    {
        Ref<Form> startup(static_cast<Form*>(project.startupForm->create()));
        startup->show();
        exitCode = side.run();

        unloadAllForms();
        startup.reset();
        side.finish();
    }
    std::exit(exitCode);
}

void vbaExceptHandler(Form& window, ClickProcedure procedure)
{
    const Ref<Form> frame(&window);
    try {
        procedure(window);
    } catch (const RuntimeError& error) {
        reporter()(error, window);
    } catch (const std::exception& error) {
        // Not the program's own kind of error, such as running out of memory: still
        // reported, and nothing the user typed is lost.
        reporter()(RuntimeError(std::string("Непредвиденная ошибка: ") + error.what()), window);
    }
}

void vbaHresultCheckObj(HResult code, const Object& object, std::string_view interfaceId, Operation operation)
{
    throw CallFailedError(code, object.objectName(), std::string(interfaceId), operation);
}

void checkCallResult(HResult result, const Object& object, std::string_view interfaceId, Operation operation)
{
    clearFpFlags();
    if (failed(result))
        vbaHresultCheckObj(result, object, interfaceId, operation);
}

void vbaEnd()
{
    unloadAllForms();
    platform().quit(0);
}

ErrorReporter setErrorReporter(ErrorReporter replacement)
{
    return std::exchange(reporter(), std::move(replacement));
}

namespace detail {

void formLoaded(Form& form)
{
    gLoadedForms.push_back(&form);
}

void formUnloaded(Form& form)
{
    std::erase(gLoadedForms, &form);
    if (gLoadedForms.empty())
        platform().quit(0);
}

} // namespace detail

} // namespace forms
