// vesk: the FenmarchMUD desktop client.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Vesk - Not Connected");
    window.show();
    return QApplication::exec();
}
