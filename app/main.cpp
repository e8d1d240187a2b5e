#include "MainWindow.h"

#include <QApplication>

int main(int, char** argv)
{
    // The game takes no command line: Qt sees the program's name alone.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    tessaro::MainWindow window;
    window.show();
    return app.exec();
}
