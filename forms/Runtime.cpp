#include "forms/Runtime.h"

#include "forms/FloatingPoint.h"
#include "forms/Numeric.h"
#include "forms/QtText.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace forms {

namespace {

std::vector<Form*> gLoadedForms;

void showMessageBox(const RuntimeError& error, Form& window)
{
    QMessageBox::critical(
        window.window(), QCoreApplication::applicationName(), QString::fromStdString(window.errorMessage(error)));
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

void ThunRTMain(const ProjectDescription& project)
{
    // Qt sees only the program's name, never the command line.
    static std::string programPath(project.projectName);
    static char* argv[] = {programPath.data(), nullptr};
    static int argc = 1;

    if (divideIsFlawed())
        *project.safeDivisionFlag = 1;

    int exitCode = 0;
    {
        QApplication application(argc, argv);
        // The title of the runtime's messages.
        QApplication::setApplicationName(toQString(project.programName));
        // The program ends when its last window is unloaded, whichever way.
        QApplication::setQuitOnLastWindowClosed(false);
        QApplication::setWindowIcon(QIcon(toQString(project.iconResource)));
        QFontDatabase::addApplicationFont(toQString(project.fontResource));
        // The windows speak Russian whatever the locale; so do the toolkit's menus and buttons.
        QTranslator translator;
        if (translator.load(toQString(project.toolkitTranslation)))
            QCoreApplication::installTranslator(&translator);
        // Results are written as the user writes numbers; input takes either separator.
        setDecimalSeparator(QLocale::system().decimalPoint() == QLatin1String(",") ? ',' : '.');

        Ref<Form> startup(static_cast<Form*>(project.startupForm->create()));
        startup->show();
        exitCode = QApplication::exec();

        unloadAllForms();
        startup.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
    QCoreApplication::exit(0);
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
        QCoreApplication::exit(0);
}

} // namespace detail

} // namespace forms
