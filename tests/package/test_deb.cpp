#include "PackageTestSupport.h"

#include <QtTest>

// The .deb as CPack makes it from this build: where its files land, what it
// depends on, its maintainer scripts, and the program starting from the
// unpacked package on the package's own libraries.
class TestDeb : public QObject {
    Q_OBJECT
    QTemporaryDir m_Out;
    QString m_strDeb;
    QString m_strContents;

    QString Field(const QString& name) const {
        const CommandResult field =
            RunCommand(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), m_strDeb, name});
        return field.ok ? field.output.trimmed() : QString();
    }

private slots:
    void initTestCase() {
        QVERIFY(m_Out.isValid());
        const CommandResult cpack = RunCommand(
            QStringLiteral("cpack"),
            {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
             QStringLiteral(WATTSIGHT_BUILD_DIR "/CPackConfig.cmake"), QStringLiteral("-B"), m_Out.path()},
            400000);
        QVERIFY2(cpack.ok, qPrintable(cpack.output));
        const QStringList debs = QDir(m_Out.path()).entryList({QStringLiteral("wattsight_*.deb")});
        QCOMPARE(debs.size(), 1);
        m_strDeb = QDir(m_Out.path()).filePath(debs.first());
        const CommandResult contents =
            RunCommand(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), m_strDeb});
        QVERIFY2(contents.ok, qPrintable(contents.output));
        m_strContents = contents.output;
    }

    void contents_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("mode");
        const char* const rows[][2] = {
            {"./usr/bin/wattsight", "-rwxr-xr-x"},
            {"./usr/lib/wattsight/libramulo.so.2.4.5", "-rw-r--r--"},
            {"./usr/lib/wattsight/libtessa.so.2.4.5", "-rw-r--r--"},
            {"./usr/lib/wattsight/libcurvo.so.2.4.5", "-rw-r--r--"},
            {"./usr/share/wattsight/analog.db", "-rw-r--r--"},
            {"./usr/share/applications/wattsight.desktop", "-rw-r--r--"},
            {"./usr/share/icons/hicolor/48x48/apps/wattsight.png", "-rw-r--r--"},
            {"./usr/share/icons/hicolor/256x256/apps/wattsight.png", "-rw-r--r--"},
            {"./usr/share/man/man1/wattsight.1.gz", "-rw-r--r--"},
            {"./usr/lib/systemd/system/wattsight.service", "-rw-r--r--"},
        };
        for (const auto& row : rows) {
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
        }
        if (QFileInfo::exists(QStringLiteral(WATTSIGHT_SOURCE_DIR "/app/resources/datasheets.tsv"))) {
            QTest::newRow("specification.db")
                << QStringLiteral("./usr/share/wattsight/specification.db") << QStringLiteral("-rw-r--r--");
        }
    }

    // Every file belongs to root, with the mode a package file should have.
    void contents() {
        QFETCH(QString, path);
        QFETCH(QString, mode);
        const QRegularExpression line(QLatin1Char('^') + QRegularExpression::escape(mode) +
                                          QStringLiteral(" root/root +\\d+ \\S+ \\S+ ") +
                                          QRegularExpression::escape(path) + QLatin1Char('$'),
                                      QRegularExpression::MultilineOption);
        QVERIFY2(line.match(m_strContents).hasMatch(), qPrintable(m_strContents));
    }

    void nothingOutsideUsr() {
        for (const QString& line : m_strContents.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            QVERIFY2(line.contains(QStringLiteral(" ./usr/")), qPrintable(line));
        }
        // Neither a development link nor the simulator or the tests.
        QVERIFY(!m_strContents.contains(QStringLiteral("libramulo.so ")));
        QVERIFY(!m_strContents.contains(QStringLiteral("wattsight-sim")));
    }

    void control() {
        QCOMPARE(Field(QStringLiteral("Package")), QStringLiteral("wattsight"));
        QCOMPARE(Field(QStringLiteral("Version")), QStringLiteral("2.4.5"));
        const QString depends = Field(QStringLiteral("Depends"));
        // Found from the libraries the program links, and those it loads at run time.
        for (const char* package : {"libqt6core6", "libqt6widgets6", "libqt6serialport6", "libqt6sql6-sqlite",
                                    "qt6-qpa-plugins", "adduser"}) {
            QVERIFY2(depends.contains(QLatin1String(package)), qPrintable(depends));
        }
        // The program's own libraries travel inside the package.
        QVERIFY2(!depends.contains(QStringLiteral("ramulo")), qPrintable(depends));
    }

    void maintainerScriptsAndUnit() {
        const QString control = m_Out.filePath(QStringLiteral("control"));
        QVERIFY(RunCommand(QStringLiteral("dpkg-deb"), {QStringLiteral("--control"), m_strDeb, control}).ok);
        for (const char* script : {"postinst", "prerm", "postrm"}) {
            const QString path = QDir(control).filePath(QLatin1String(script));
            QVERIFY2(QFileInfo(path).isExecutable(), script);
            const CommandResult syntax = RunCommand(QStringLiteral("sh"), {QStringLiteral("-n"), path});
            QVERIFY2(syntax.ok, qPrintable(syntax.output));
        }
        const QString root = m_Out.filePath(QStringLiteral("root"));
        QVERIFY(RunCommand(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), m_strDeb, root}).ok);
        QFile unit(root + QStringLiteral("/usr/lib/systemd/system/wattsight.service"));
        QVERIFY(unit.open(QIODevice::ReadOnly));
        QVERIFY(unit.readAll().contains("\nExecStart=/usr/bin/wattsight --headless\n"));
    }

    // Unpacked anywhere, the program finds its libraries beside itself and needs no display.
    void unpackedProgramRuns() {
        const QString root = m_Out.filePath(QStringLiteral("root"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LD_LIBRARY_PATH", "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
            env.remove(QLatin1String(name));
        }
        const CommandResult version = RunCommand(root + QStringLiteral("/usr/bin/wattsight"),
                                                 {QStringLiteral("--version")}, 20000, env);
        QVERIFY2(version.ok, qPrintable(version.output));
        QCOMPARE(version.output.trimmed(), QStringLiteral("Tivra Wattsight 2.4.5"));
    }
};

QTEST_GUILESS_MAIN(TestDeb)
#include "test_deb.moc"
