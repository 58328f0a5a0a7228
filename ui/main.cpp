// Placeholder until the main window lands: starts the application and leaves at once.
#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return 0;
}
