// The Qt side of the forms layer, for the Linux build.

#include "forms/Platform.h"

#include "forms/Form.h"
#include "forms/Runtime.h"
#include "forms/qt/QtFormWindow.h"
#include "forms/qt/QtText.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QFontDatabase>
#include <QIcon>
#include <QImageReader>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include <memory>
#include <string>

namespace forms::platform {

namespace {

std::unique_ptr<QApplication> gApplication;
std::unique_ptr<QTranslator> gTranslator;

// The bytes where they are, not copied.
QByteArray inPlace(std::span<const unsigned char> bytes)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

// Every image of the ICO file, so each window offers its window manager every size.
QIcon iconFrom(std::span<const unsigned char> ico)
{
    QByteArray bytes = inPlace(ico);
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

void start(const ProjectDescription& project)
{
    // Qt sees only the program's name, never the command line.
    static std::string programPath(project.projectName);
    static char* argv[] = {programPath.data(), nullptr};
    static int argc = 1;
    gApplication = std::make_unique<QApplication>(argc, argv);
    // The title of the runtime's messages.
    QApplication::setApplicationName(toQString(project.programName));
    // The program ends when its last window is unloaded, whichever way.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(iconFrom(project.icon));
    QFontDatabase::addApplicationFontFromData(inPlace(project.font));
    // The windows speak Russian whatever the locale; so do the toolkit's menus and buttons.
    gTranslator = std::make_unique<QTranslator>();
    if (gTranslator->load(project.toolkitTranslation.data(), static_cast<int>(project.toolkitTranslation.size())))
        QCoreApplication::installTranslator(gTranslator.get());
}

char decimalSeparator()
{
    return QLocale::system().decimalPoint() == QLatin1String(",") ? ',' : '.';
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
    gTranslator.reset();
    gApplication.reset();
}

std::unique_ptr<FormWindow> createWindow(Form& form)
{
    return std::make_unique<QtFormWindow>(form);
}

void showError(const std::string& message, Form& window)
{
    QMessageBox::critical(qtWidget(window), QCoreApplication::applicationName(), QString::fromStdString(message));
}

} // namespace forms::platform
