#include "Desktop.h"
#include "TestFiles.h"
#include "process/SingleInstance.h"

#include <QDir>
#include <QDirIterator>

// The Debian package as a user gets it: built, unpacked into a root of its
// own, its files checked and its programs run from there.
class TestPackage : public QObject {
    Q_OBJECT

    QTemporaryDir work;
    QString deb;
    QString root;
    Desktop d; // no X server: the window program runs offscreen

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("dpkg-deb").isEmpty())
            QSKIP("dpkg-deb is missing: apt-get install dpkg-dev to build and check the package");
        const QString config = qEnvironmentVariable("ONDULIX_BUILD_DIR") + "/CPackConfig.cmake";
        QCOMPARE(QProcess::execute(qEnvironmentVariable("ONDULIX_CPACK"),
                                   {"--config", config, "-B", work.filePath("out")}),
                 0);
        const QStringList debs = QDir(work.filePath("out")).entryList({"ondulix_*.deb"});
        QCOMPARE(debs.size(), 1);
        deb = work.filePath("out/" + debs.first());
        root = work.filePath("root");
        QCOMPARE(QProcess::execute("dpkg-deb", {"-x", deb, root}), 0);
    }

    void holdsItsFilesAndNothingElse() {
        QStringList expected = // under usr/; @size# an icon
            QString("bin/ondulix bin/ondulix-chart share/doc/ondulix/changelog.gz "
                    "share/doc/ondulix/copyright share/man/man1/ondulix-chart.1.gz "
                    "share/man/man1/ondulix.1.gz share/man/id/man1/ondulix.1.gz "
                    "share/man/id/man1/ondulix-chart.1.gz "
                    "share/applications/org.ondulix.Ondulix.desktop "
                    "share/metainfo/org.ondulix.Ondulix.metainfo.xml @scalable#.svg @16x16#.png "
                    "@32x32#.png @48x48#.png @64x64#.png @128x128#.png @256x256#.png")
                .replace("@", "share/icons/hicolor/")
                .replace("#", "/apps/org.ondulix.Ondulix")
                .split(' ');
        QStringList files;
        for (QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
             it.hasNext();)
            files << QDir(root + "/usr").relativeFilePath(it.next());
        files.sort();
        expected.sort();
        QCOMPARE(files, expected);
        const QByteArray control = d.Run("dpkg-deb", {"-f", deb, "Package", "Depends"});
        QVERIFY(control.contains("Package: ondulix\n"));
        QVERIFY(control.contains("libqt6widgets6") && control.contains("qt6-qpa-plugins"));
    }

    void lintianFindsNoError() {
        if (QStandardPaths::findExecutable("lintian").isEmpty())
            QSKIP("lintian is missing: apt-get install lintian to check the package");
        QCOMPARE(QProcess::execute("lintian", {"--fail-on", "error,warning", deb}), 0);
    }

    // Both programs run from the package: the chart program writes a chart;
    // the window program starts, draws, and closes on SIGTERM as Tutup does.
    void theProgramsRunFromThePackage() {
        const QString chart = root + "/usr/bin/ondulix-chart", png = work.filePath("chart.png");
        QCOMPARE(
            QProcess::execute(chart, {"--birth", "1960-01-01", "--date", "2000-01-01", "-o", png}),
            0);
        QCOMPARE(QImage(png).size(), QSize(616, 307));
        d.binary = root + "/usr/bin/ondulix";
        QCOMPARE(d.Run(d.binary, {"--version"}), QByteArray("ondulix " ONDULIX_VERSION "\n"));
        QProcess window;
        d.Start(window, false);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(SingleInstance::SocketFor(d.Ini())),
                                 Desktop::TimeoutMs);
        QTest::qWait(1000); // the first chart: activation is queued right after the showing
        QVERIFY(Desktop::End(window));
        QVERIFY(ReadAll(d.Ini()).startsWith("[PERSONAL]\r\nMy Birthdate=1-Jan-1960\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
