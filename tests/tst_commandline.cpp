// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include <QTest>

// The window system asked for, from the session and the arguments.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void aWaylandSessionRunsThroughXWayland_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("platform");
        const QStringList gnome {"DISPLAY=:0", "WAYLAND_DISPLAY=wayland-0",
                                 "XDG_SESSION_TYPE=wayland"};
        const QStringList none {"quotelle"};
        const QByteArray qt;
        QTest::newRow("Wayland") << gnome << none << QByteArray("xcb");
        QTest::newRow("Wayland's socket only")
            << QStringList {"DISPLAY=:0", "WAYLAND_DISPLAY=wayland-0"} << none << QByteArray("xcb");
        QTest::newRow("Wayland's session type only")
            << QStringList {"DISPLAY=:0", "XDG_SESSION_TYPE=wayland"} << none << QByteArray("xcb");
        QTest::newRow("an empty QT_QPA_PLATFORM")
            << gnome + QStringList {"QT_QPA_PLATFORM="} << none << QByteArray("xcb");
        QTest::newRow("X11") << QStringList {"DISPLAY=:0", "XDG_SESSION_TYPE=x11"} << none << qt;
        QTest::newRow("QT_QPA_PLATFORM")
            << gnome + QStringList {"QT_QPA_PLATFORM=wayland"} << none << qt;
        QTest::newRow("-platform")
            << gnome << QStringList {"quotelle", "-platform", "wayland"} << qt;
        QTest::newRow("--platform")
            << gnome << QStringList {"quotelle", "--platform", "wayland"} << qt;
        QTest::newRow("no XWayland") << QStringList {"WAYLAND_DISPLAY=wayland-0"} << none << qt;
        QTest::newRow("no display") << QStringList {} << none << qt;
    }
    void aWaylandSessionRunsThroughXWayland()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, arguments);
        QProcessEnvironment session;
        for (const QString &variable : environment)
            session.insert(variable.section(QLatin1Char('='), 0, 0),
                           variable.section(QLatin1Char('='), 1));
        QTEST(platformFor(arguments, session), "platform");
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
