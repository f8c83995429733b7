// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the benchmark: the smallest Qt Widgets program with one
// window of the main menu's client size (708 x 479 px) and one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Le quotelle"));
    label.setFixedSize(708, 479);
    label.setWindowTitle(QStringLiteral("Le quotelle"));
    label.show();
    return QApplication::exec();
}
