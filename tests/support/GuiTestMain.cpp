// GoogleTest's main for tests that build windows: headless, on Qt's offscreen platform,
// with one screen the size of the end-to-end tests' X server, and the windows' font as the
// program carries it.

#include "forms/core/Platform.h"
#include "resources/EmbeddedFiles.h"

#include <QApplication>
#include <QFontDatabase>
#include <QTemporaryFile>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryFile screens;
    if (!screens.open())
        return 2;
    screens.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1280, "height": 1024,
        "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication application(argc, argv);
    forms::usePlatform(forms::nativePlatform());
    const QByteArray font = QByteArray::fromRawData(
        reinterpret_cast<const char*>(resources::kWindowFont.data()), qsizetype(resources::kWindowFont.size()));
    if (QFontDatabase::addApplicationFontFromData(font) < 0)
        return 2;
    const int result = RUN_ALL_TESTS();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
