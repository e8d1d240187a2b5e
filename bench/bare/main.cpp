// The toolkit's floor for the start-up benchmark: a bare Qt Widgets window
// with a menu bar holding one menu and a client area of Tessaro's size
// (235 x 443 px), and nothing else.

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int, char** argv)
{
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.menuBar()->addMenu(QStringLiteral("&Settings"));
    auto* client = new QWidget(&window);
    client->setFixedSize(235, 443);
    window.setCentralWidget(client);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.show();
    return app.exec();
}
