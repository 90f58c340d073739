// Program entry: the Qt application and the main window.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel placeholder("Dirforge");
    placeholder.show();
    return app.exec();
}
