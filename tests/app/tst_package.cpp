#include "TestFiles.h"
#include "process/SingleInstance.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

// The Debian package as a user gets it: built, unpacked into a root of its
// own, its files checked and its programs run from there.
namespace {

constexpr int TimeoutMs = 120000;

struct Result {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

Result Run(const QString& program, const QStringList& args, const QProcessEnvironment& env = {}) {
    QProcess p;
    if (!env.isEmpty()) p.setProcessEnvironment(env);
    p.start(program, args);
    Result r;
    if (!p.waitForFinished(TimeoutMs) || p.exitStatus() != QProcess::NormalExit) return r;
    r = {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    return r;
}

const QStringList Expected = {
    "usr/bin/ondulix",
    "usr/bin/ondulix-chart",
    "usr/share/applications/org.ondulix.Ondulix.desktop",
    "usr/share/doc/ondulix/changelog.gz",
    "usr/share/doc/ondulix/copyright",
    "usr/share/icons/hicolor/128x128/apps/org.ondulix.Ondulix.png",
    "usr/share/icons/hicolor/16x16/apps/org.ondulix.Ondulix.png",
    "usr/share/icons/hicolor/256x256/apps/org.ondulix.Ondulix.png",
    "usr/share/icons/hicolor/32x32/apps/org.ondulix.Ondulix.png",
    "usr/share/icons/hicolor/48x48/apps/org.ondulix.Ondulix.png",
    "usr/share/icons/hicolor/64x64/apps/org.ondulix.Ondulix.png",
    "usr/share/icons/hicolor/scalable/apps/org.ondulix.Ondulix.svg",
    "usr/share/man/man1/ondulix-chart.1.gz",
    "usr/share/man/man1/ondulix.1.gz",
    "usr/share/metainfo/org.ondulix.Ondulix.metainfo.xml",
};

} // namespace

class TestPackage : public QObject {
    Q_OBJECT

    QTemporaryDir work;
    QString deb;
    QString root;

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("dpkg-deb").isEmpty())
            QSKIP("dpkg-deb is missing: apt-get install dpkg-dev to build and check the package");
        const QString build = qEnvironmentVariable("ONDULIX_BUILD_DIR");
        const Result packed =
            Run(qEnvironmentVariable("ONDULIX_CPACK"),
                {"--config", build + "/CPackConfig.cmake", "-B", work.filePath("out")});
        QVERIFY2(packed.code == 0, packed.out + packed.err);
        const QStringList debs = QDir(work.filePath("out")).entryList({"ondulix_*.deb"});
        QCOMPARE(debs.size(), 1);
        deb = work.filePath("out/" + debs.first());
        root = work.filePath("root");
        QCOMPARE(Run("dpkg-deb", {"-x", deb, root}).code, 0);
    }

    void holdsItsFilesAndNothingElse() {
        QStringList files;
        QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(root).relativeFilePath(it.next());
        files.sort();
        QCOMPARE(files, Expected);
        // Nothing points back into the build tree.
        for (const char* program : {"usr/bin/ondulix", "usr/bin/ondulix-chart"}) {
            const Result dynamic = Run("readelf", {"-d", root + '/' + program});
            QCOMPARE(dynamic.code, 0);
            QVERIFY(!dynamic.out.contains("RPATH") && !dynamic.out.contains("RUNPATH"));
        }
        const Result control = Run("dpkg-deb", {"-f", deb, "Package", "Depends", "Homepage"});
        QVERIFY(control.out.contains("Package: ondulix\n"));
        QVERIFY(control.out.contains("libqt6widgets6") && control.out.contains("qt6-qpa-plugins"));
    }

    void lintianFindsNoError() {
        if (QStandardPaths::findExecutable("lintian").isEmpty())
            QSKIP("lintian is missing: apt-get install lintian to check the package");
        const Result lint = Run("lintian", {"--fail-on", "error,warning", deb});
        QVERIFY2(lint.code == 0, lint.out + lint.err);
    }

    void theChartProgramRunsFromThePackage() {
        const QString chart = root + "/usr/bin/ondulix-chart";
        const Result version = Run(chart, {"--version"});
        QCOMPARE(version.code, 0);
        QCOMPARE(version.out, QByteArray("ondulix-chart " ONDULIX_VERSION "\n"));
        const QString png = work.filePath("chart.png");
        const Result drawn =
            Run(chart, {"--birth", "1960-01-01", "--date", "2000-01-01", "--center", "-o", png});
        QVERIFY2(drawn.code == 0, drawn.err);
        QCOMPARE(QImage(png).size(), QSize(616, 307));
    }

    // The window program starts, draws, and closes on SIGTERM as Tutup does.
    void theWindowProgramRunsFromThePackage() {
        const QString program = root + "/usr/bin/ondulix";
        QCOMPARE(Run(program, {"--version"}).out, QByteArray("ondulix " ONDULIX_VERSION "\n"));
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        const QString ini = home.filePath("config/Ondulix.ini");
        QProcess window;
        window.setProcessEnvironment(env);
        window.setProcessChannelMode(QProcess::ForwardedChannels);
        window.start(program, {});
        QVERIFY(window.waitForStarted(TimeoutMs));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(SingleInstance::SocketFor(ini)), TimeoutMs);
        QTest::qWait(1000); // the first chart: activation is queued right after the showing
        QCOMPARE(window.state(), QProcess::Running);
        QVERIFY(::kill(static_cast<pid_t>(window.processId()), SIGTERM) == 0);
        QVERIFY(window.waitForFinished(TimeoutMs));
        QCOMPARE(window.exitStatus(), QProcess::NormalExit);
        QCOMPARE(window.exitCode(), 0);
        QVERIFY(ReadAll(ini).startsWith("[PERSONAL]\r\nMy Birthdate=1-Jan-1960\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
