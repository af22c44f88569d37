#pragma once

#include <QDeadlineTimer>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The real program on a private X server with no window manager, with a home
// folder of its own; and the tools that look at it and drive it.
struct Desktop {
    static constexpr int TimeoutMs = 20000;

    QProcess xvfb;
    QString display;
    QTemporaryDir home;

    QString Ini() const { return home.filePath("config/Ondulix.ini"); }

    // -displayfd picks a free display and reports it once it accepts clients.
    // Two servers starting at once can reach for the same number; the one
    // that loses exits, and is started again.
    void StartX() {
        for (const char* tool : {"Xvfb", "xdotool", "import"})
            QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(), tool);
        QVERIFY(home.isValid());
        for (int attempt = 0; attempt < 3 && display.isEmpty(); ++attempt) {
            xvfb.start("Xvfb",
                       {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
            QVERIFY(xvfb.waitForStarted(TimeoutMs));
            QDeadlineTimer deadline(TimeoutMs);
            while (!xvfb.canReadLine() && xvfb.state() == QProcess::Running &&
                   !deadline.hasExpired())
                xvfb.waitForReadyRead(100);
            const QByteArray number = xvfb.canReadLine() ? xvfb.readLine().trimmed() : QByteArray();
            if (!number.isEmpty())
                display = ':' + QString::fromLatin1(number);
            else
                xvfb.kill(), xvfb.waitForFinished(TimeoutMs);
        }
        QVERIFY2(!display.isEmpty(), "Xvfb did not start");
    }

    void StopX() {
        xvfb.terminate();
        xvfb.waitForFinished(TimeoutMs);
    }

    // The program, on the X server or (offscreen) with no display at all;
    // `changes` are "NAME=value" ("NAME=" unsets it).
    void Start(QProcess& program, bool onScreen = true, const QStringList& changes = {}) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", onScreen ? "xcb" : "offscreen");
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        for (const QString& change : changes) {
            const QString name = change.section('=', 0, 0), value = change.section('=', 1);
            value.isEmpty() ? env.remove(name) : env.insert(name, value);
        }
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(qEnvironmentVariable("ONDULIX_BIN"), {});
        QVERIFY(program.waitForStarted(TimeoutMs));
    }

    // Runs a helper program to its end and returns its standard output.
    QByteArray Run(const QString& program, const QStringList& args) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        p.setProcessEnvironment(env);
        p.start(program, args);
        if (!p.waitForFinished(TimeoutMs) || p.exitCode() != 0) {
            qWarning("%s failed (%d): %s", qPrintable(program), p.exitCode(),
                     p.readAllStandardError().constData());
            return {};
        }
        return p.readAllStandardOutput();
    }

    QImage Screenshot() const {
        return QImage::fromData(Run("import", {"-window", "root", "png:-"}), "PNG");
    }

    QString FindWindow(const QString& name = "^Ondulix$") const {
        return QString::fromLatin1(
            Run("xdotool", {"search", "--sync", "--onlyvisible", "--name", name})
                .split('\n')
                .first());
    }

    // The window on screen, and its client area: below the menu bar, whose
    // height is whatever the window's height exceeds the 463-pixel client area by.
    struct Placement {
        QRect window;
        QPoint client;
    };
    Placement Place(const QString& window) const {
        const QByteArray shell = Run("xdotool", {"getwindowgeometry", "--shell", window});
        QRect r;
        for (const QByteArray& line : shell.split('\n')) {
            const int value = line.mid(line.indexOf('=') + 1).toInt();
            if (line.startsWith("X=")) r.moveLeft(value);
            if (line.startsWith("Y=")) r.moveTop(value);
            if (line.startsWith("WIDTH=")) r.setWidth(value);
            if (line.startsWith("HEIGHT=")) r.setHeight(value);
        }
        return {r, QPoint(r.left(), r.bottom() + 1 - 463)};
    }

    // A click at a point of the client area.
    void Click(const QString& window, QPoint client) const {
        const QPoint p = Place(window).client + client;
        Run("xdotool", {"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"});
    }
};
