// The yardsticks for the program's start-up: an empty Qt window of the main window's size
// and place, and with --label the same window showing one line of text in the windows'
// font, embedded as the program embeds it: what any window with text costs (loading the
// font database and the font).

#include "resources/EmbeddedFiles.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv)
{
    const bool withLabel = argc > 1 && std::strcmp(argv[1], "--label") == 0;
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(withLabel ? QStringLiteral("BareLabel") : QStringLiteral("BareWindow"));
    window.setGeometry(465, 249, 423, 364);
    if (withLabel) {
        QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
            reinterpret_cast<const char*>(resources::kWindowFont.data()), qsizetype(resources::kWindowFont.size())));
        QFont font(QStringLiteral("DejaVu Sans Condensed"));
        font.setPixelSize(11);
        window.setFont(font);
        new QLabel(QStringLiteral("длина излучателя"), &window);
    }
    window.show();
    return QApplication::exec();
}
