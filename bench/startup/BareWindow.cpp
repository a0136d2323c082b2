// The yardstick: the smallest Qt Widgets program with a window. It runs until
// it is ended from outside.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Velmora"));
    label.setWindowTitle(QStringLiteral("Velmora"));
    label.show();
    return QApplication::exec();
}
