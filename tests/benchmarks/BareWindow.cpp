// The yardsticks for the program's start-up: an empty Qt window of the main window's size
// and place, and with --label the same window showing one line of text, which is what
// loading the font database costs any window with text in it.

#include <QApplication>
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
    if (withLabel)
        new QLabel(QStringLiteral("длина излучателя"), &window);
    window.show();
    return QApplication::exec();
}
