// The floor Kinemora's start-up is measured against: a bare Qt Widgets window of the main
// window's size (760 x 363) with one label moved by a 10 ms precise timer.

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.setFixedSize(760, 363);
    QLabel label(QStringLiteral("A moving label"), &window);
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout,
                     [&label] { label.move((label.x() + 1) % 600, label.y()); });
    timer.start(10);
    window.show();
    return QApplication::exec();
}
