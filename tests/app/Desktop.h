#pragma once

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

// The real program with a home folder of its own, on a private X server with no
// window manager; and the tools that look at it and drive it.
struct Desktop {
    static constexpr int TimeoutMs = 20000;

    QProcess xvfb;
    QString display;
    QTemporaryDir home;
    QString binary = qEnvironmentVariable("ONDULIX_BIN");

    QString Ini() const { return home.filePath("config/Ondulix.ini"); }

    // -displayfd picks a free display, reported once it accepts clients; -noreset
    // keeps it open as the last client leaves. Two servers starting at once can
    // reach for the same number: the one that loses exits, and is started again.
    void StartX() {
        for (int attempt = 0; attempt < 3 && display.isEmpty(); ++attempt) {
            xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten",
                                "tcp", "-noreset"});
            QTRY_VERIFY_WITH_TIMEOUT(xvfb.canReadLine() || xvfb.state() == QProcess::NotRunning,
                                     TimeoutMs);
            if (xvfb.canReadLine()) display = ':' + QString::fromLatin1(xvfb.readLine().trimmed());
        }
        QVERIFY2(!display.isEmpty(), "Xvfb did not start");
        qputenv("DISPLAY", display.toLatin1()); // for the program, and the tools that drive it
    }

    ~Desktop() { xvfb.terminate(), xvfb.waitForFinished(TimeoutMs); }

    // The program, on the X server or (offscreen) with no display at all;
    // `changes` are "NAME=value" ("NAME=" unsets it).
    void Start(QProcess& program, bool onScreen = true, const QStringList& changes = {},
               const QStringList& args = {}) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& change :
             QStringList{"QT_QPA_PLATFORM=" + QString(onScreen ? "xcb" : "offscreen"),
                         "HOME=" + home.path(), "XDG_CONFIG_HOME=" + home.filePath("config")} +
                 changes) {
            const QString name = change.section('=', 0, 0), value = change.section('=', 1);
            value.isEmpty() ? env.remove(name) : env.insert(name, value);
        }
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(binary, args);
        QVERIFY(program.waitForStarted(TimeoutMs));
    }

    // On screen: the id of the window that appeared, empty when none did.
    QString Open(QProcess& program, const QStringList& changes = {}) const {
        Start(program, true, changes);
        return QString::fromLatin1(
            Run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^Ondulix$"})
                .split('\n')
                .first());
    }

    // Sends `number` (0: none) and waits: true when the program ended cleanly.
    static bool End(QProcess& program, int number = SIGTERM) {
        if (program.processId() > 0) ::kill(static_cast<pid_t>(program.processId()), number);
        const bool ended = program.waitForFinished(TimeoutMs);
        if (ended && program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0)
            return true;
        qWarning("the program %s (status %d, code %d)", ended ? "ended" : "is still running",
                 int(program.exitStatus()), program.exitCode());
        return false;
    }

    // Runs a helper program to its end and returns its standard output.
    static QByteArray Run(const QString& program, const QStringList& args,
                          int timeoutMs = TimeoutMs) {
        QProcess p;
        p.start(program, args);
        if (p.waitForFinished(timeoutMs) && p.exitCode() == 0) return p.readAllStandardOutput();
        qWarning("%s failed: %s", qPrintable(program), p.readAllStandardError().constData());
        return {};
    }

    QImage Screenshot() const {
        return QImage::fromData(Run("import", {"-window", "root", "png:-"}), "PNG");
    }

    // The top left of the window's client area on screen: below the menu bar,
    // whose height is whatever the window's height exceeds the 463-pixel client area by.
    QPoint Client(const QString& window) const {
        const QList<QByteArray> shell = // WINDOW, X, Y, WIDTH, HEIGHT, SCREEN
            Run("xdotool", {"getwindowgeometry", "--shell", window}).split('=');
        const auto at = [&](int i) { return shell.value(i + 1).split('\n').first().toInt(); };
        return {at(1), at(2) + at(4) - 463};
    }

    // A click at a point of the client area.
    void Click(const QString& window, QPoint client) const {
        const QPoint p = Client(window) + client;
        Run("xdotool", {"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"});
    }
};
