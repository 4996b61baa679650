#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow main;
    main.setWindowTitle("Velotrix");
    main.setCentralWidget(new QMdiArea(&main));
    main.resize(1024, 700);
    main.show();
    return app.exec();
}
