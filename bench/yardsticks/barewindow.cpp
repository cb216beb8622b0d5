// The start-up yardstick: the least a Qt Widgets program does to show a window.

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Bare window"));
    label.setWindowTitle(QStringLiteral("Bare window"));
    label.show();
    return QApplication::exec();
}
