// The desktop program.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Quarnel 2001/2002"));
    w.resize(800, 600);
    w.show();
    return app.exec();
}
