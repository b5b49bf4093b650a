// The Qt side of the forms layer, for the Linux build.

#include "forms/Platform.h"

#include "forms/Form.h"
#include "forms/qt/QtFormWindow.h"
#include "forms/qt/QtText.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QIcon>
#include <QImageReader>
#include <QMessageBox>

#include <memory>
#include <string>

namespace forms::platform {

namespace {

std::unique_ptr<QApplication> gApplication;

// Every image of the ICO file, so each window offers its window manager every size.
QIcon iconFrom(std::span<const unsigned char> ico)
{
    QByteArray bytes(reinterpret_cast<const char*>(ico.data()), static_cast<qsizetype>(ico.size()));
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "ICO");
    QIcon icon;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace

void start(std::string_view name, std::span<const unsigned char> icon)
{
    // Qt sees only the program's name, never the command line.
    static std::string programPath(name);
    static char* argv[] = {programPath.data(), nullptr};
    static int argc = 1;
    gApplication = std::make_unique<QApplication>(argc, argv);
    // The title of the runtime's messages.
    QApplication::setApplicationName(toQString(name));
    // The program ends when its last window is unloaded, whichever way.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(iconFrom(icon));
}

int run()
{
    return QApplication::exec();
}

void quit(int exitCode)
{
    QCoreApplication::exit(exitCode);
}

void finish()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    gApplication.reset();
}

std::unique_ptr<FormWindow> createWindow(Form& form)
{
    return std::make_unique<QtFormWindow>(form);
}

void showError(const RuntimeError& error, Form& window)
{
    QMessageBox::critical(qtWidget(window), QCoreApplication::applicationName(),
        QString::fromStdString(error.message()));
}

} // namespace forms::platform
