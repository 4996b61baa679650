#include <QApplication>

#include "gui/QtHost.h"
#include "ui/Form.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velotrix"));
    gui::QtHost host;
    ui::Form mainWindow(host, "MDIFrmMain", ui::FormKind::MdiMain);
    mainWindow.SetCaption("Velotrix");
    mainWindow.SetClientSize(15360, 10500);
    mainWindow.Show();
    return QApplication::exec();
}
