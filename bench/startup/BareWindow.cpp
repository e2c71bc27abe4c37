// The yardstick for start-up: a bare Qt 6 window of the game's client size
// holding one label, on the same background colour the probe looks for.
#include <QApplication>
#include <QLabel>
#include <QPalette>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Nonagra"));
    label.setWindowTitle(QStringLiteral("bare"));
    label.setAutoFillBackground(true);
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, QColor(0, 192, 192));
    label.setPalette(palette);
    label.setFixedSize(644, 485);
    label.show();
    return QApplication::exec();
}
