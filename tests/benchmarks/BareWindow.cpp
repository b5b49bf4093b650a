// The yardstick for the program's start-up: an empty Qt window of the main window's size.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("BareWindow"));
    window.setGeometry(465, 249, 423, 364);
    window.show();
    return QApplication::exec();
}
