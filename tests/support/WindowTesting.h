#pragma once

// What the window tests share: capturing the runtime's error reports instead of showing
// message boxes, and reading and measuring captions.

#include "forms/core/Runtime.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

// While it lives, runtime errors are collected here, as their windows phrase them, instead
// of being shown.
class CapturedReports {
public:
    CapturedReports();
    ~CapturedReports();
    CapturedReports(const CapturedReports&) = delete;
    CapturedReports& operator=(const CapturedReports&) = delete;

    std::vector<std::string> messages;
    // Each error as it is reported, for checks at that moment.
    std::function<void(const forms::RuntimeError&)> onReport;

private:
    forms::ErrorReporter previous_;
};

// The text a label, button, frame or text box shows.
QString captionOf(const QWidget* control);

// Expects the control's caption to show whole inside its box with the control's font.
void expectCaptionFitsItsBox(const QWidget* control);

// Finishes the deletion of unloaded windows.
void deleteUnloadedWindows();

// Runs the event loop as the program does, `whileRunning` first, for at most five seconds;
// gives the exit code it ends with (99 when it had to be stopped).
int runEventLoop(std::function<void()> whileRunning);
