// The Qt side of the forms layer, for the Linux build.

#include "forms/core/Platform.h"

#include "forms/core/Form.h"
#include "forms/core/Runtime.h"
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

namespace forms {

namespace {

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

// The application, its event loop and its message box, on Qt Widgets.
class QtPlatform final : public Platform {
public:
    void start(const ProjectDescription& project) override;
    char decimalSeparator() const override;
    int run() override;
    void quit(int exitCode) override;
    void finish() override;
    std::unique_ptr<FormWindow> createWindow(Form& form) override;
    void showError(const std::string& message, Form& window) override;

private:
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<QTranslator> translator_;
};

void QtPlatform::start(const ProjectDescription& project)
{
    // Qt sees only the program's name, never the command line.
    static std::string programPath(project.projectName);
    static char* argv[] = {programPath.data(), nullptr};
    static int argc = 1;
    application_ = std::make_unique<QApplication>(argc, argv);
    // The title of the runtime's messages.
    QApplication::setApplicationName(toQString(project.programName));
    // The program ends when its last window is unloaded, whichever way.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(iconFrom(project.icon));
    QFontDatabase::addApplicationFontFromData(inPlace(project.font));
    // The windows speak Russian whatever the locale; so do the toolkit's menus and buttons.
    translator_ = std::make_unique<QTranslator>();
    if (translator_->load(project.toolkitTranslation.data(), static_cast<int>(project.toolkitTranslation.size())))
        QCoreApplication::installTranslator(translator_.get());
}

char QtPlatform::decimalSeparator() const
{
    return QLocale::system().decimalPoint() == QLatin1String(",") ? ',' : '.';
}

int QtPlatform::run()
{
    return QApplication::exec();
}

void QtPlatform::quit(int exitCode)
{
    QCoreApplication::exit(exitCode);
}

void QtPlatform::finish()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    translator_.reset();
    application_.reset();
}

std::unique_ptr<FormWindow> QtPlatform::createWindow(Form& form)
{
    return std::make_unique<QtFormWindow>(form);
}

void QtPlatform::showError(const std::string& message, Form& window)
{
    QMessageBox::critical(qtWidget(window), QCoreApplication::applicationName(), QString::fromStdString(message));
}

} // namespace

Platform& nativePlatform()
{
    static QtPlatform side;
    return side;
}

} // namespace forms
