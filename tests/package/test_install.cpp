#include "PackageTestSupport.h"

#include <QtTest>

// `cmake --install` of the build into a fresh prefix: what lands where, the
// desktop entry and the service unit as their tools read them, the man page,
// and the installed program running on its own libraries without a display.
class TestInstall : public QObject {
    Q_OBJECT
    QTemporaryDir m_Prefix;

    QString Installed(const QString& relative) const { return m_Prefix.filePath(relative); }

    static QString UnitValue(const QString& unit, const QString& key) {
        for (const QString& line : unit.split(QLatin1Char('\n'))) {
            if (line.startsWith(key + QLatin1Char('='))) {
                return line.mid(key.size() + 1).trimmed();
            }
        }
        return QString();
    }

private slots:
    void initTestCase() {
        QVERIFY(m_Prefix.isValid());
        const CommandResult install = RunCommand(
            QStringLiteral("cmake"), {QStringLiteral("--install"), QStringLiteral(WATTSIGHT_BUILD_DIR),
                                      QStringLiteral("--prefix"), m_Prefix.path()});
        QVERIFY2(install.ok, qPrintable(install.output));
    }

    void installedFiles_data() {
        QTest::addColumn<QString>("path");
        const char* const paths[] = {"bin/wattsight",
                                     "lib/wattsight/libramulo.so.2",
                                     "lib/wattsight/libtessa.so.2",
                                     "lib/wattsight/libcurvo.so.2",
                                     "share/wattsight/analog.db",
                                     "share/applications/wattsight.desktop",
                                     "share/man/man1/wattsight.1.gz",
                                     "lib/systemd/system/wattsight.service",
                                     "share/doc/wattsight/README.md"};
        for (const char* path : paths) {
            QTest::newRow(path) << QString::fromLatin1(path);
        }
        if (QFileInfo::exists(QStringLiteral(WATTSIGHT_SOURCE_DIR "/app/resources/datasheets.tsv"))) {
            QTest::newRow("share/wattsight/specification.db")
                << QStringLiteral("share/wattsight/specification.db");
        }
    }

    void installedFiles() {
        QFETCH(QString, path);
        const QFileInfo info(Installed(path));
        QVERIFY2(info.isFile(), qPrintable(path));
        QVERIFY(info.size() > 0);
    }

    void iconsHaveTheirSizes_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QTest::newRow(qPrintable(QString::number(size))) << size;
        }
    }

    void iconsHaveTheirSizes() {
        QFETCH(int, size);
        const QString path =
            Installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/wattsight.png").arg(size));
        QCOMPARE(PngSize(path), QSize(size, size));
    }

    void desktopEntryIsValid() {
        const QString entry = Installed(QStringLiteral("share/applications/wattsight.desktop"));
        const CommandResult validate = RunCommand(QStringLiteral("desktop-file-validate"), {entry});
        QVERIFY2(validate.ok, qPrintable(validate.output));
        // Warnings and hints count as faults too.
        QVERIFY2(validate.output.trimmed().isEmpty(), qPrintable(validate.output));
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QCOMPARE(UnitValue(text, QStringLiteral("Exec")), QStringLiteral("wattsight"));
        QCOMPARE(UnitValue(text, QStringLiteral("Icon")), QStringLiteral("wattsight"));
    }

    void serviceUnitRunsTheInstalledLogger() {
        QFile file(Installed(QStringLiteral("lib/systemd/system/wattsight.service")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString unit = QString::fromUtf8(file.readAll());
        QCOMPARE(UnitValue(unit, QStringLiteral("ExecStart")),
                 Installed(QStringLiteral("bin/wattsight")) + QStringLiteral(" --headless"));
        QCOMPARE(UnitValue(unit, QStringLiteral("StateDirectory")), QStringLiteral("wattsight"));
        QCOMPARE(UnitValue(unit, QStringLiteral("KillSignal")), QStringLiteral("SIGTERM"));
        const QString analyze = QStandardPaths::findExecutable(QStringLiteral("systemd-analyze"));
        if (analyze.isEmpty()) {
            QSKIP("systemd-analyze is not installed");
        }
        const CommandResult verify =
            RunCommand(analyze, {QStringLiteral("verify"), QStringLiteral("--man=no"), file.fileName()});
        QVERIFY2(verify.ok, qPrintable(verify.output));
    }

    void manPageIsTheHelp() {
        const CommandResult man =
            RunCommand(QStringLiteral("gzip"),
                       {QStringLiteral("-dc"), Installed(QStringLiteral("share/man/man1/wattsight.1.gz"))});
        QVERIFY2(man.ok, qPrintable(man.output));
        QVERIFY(man.output.contains(QStringLiteral(".TH WATTSIGHT \"1\"")));
        QVERIFY(man.output.contains(QStringLiteral("\\-\\-data\\-dir")));
        QVERIFY(man.output.contains(QStringLiteral("WATTSIGHT_DATA_DIR")));
        QVERIFY(man.output.contains(QStringLiteral("/var/lib/wattsight")));
    }

    // From its own prefix, without the build's libraries and without a display.
    void installedProgramRunsAlone() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LD_LIBRARY_PATH", "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
            env.remove(QLatin1String(name));
        }
        const QString program = Installed(QStringLiteral("bin/wattsight"));
        const CommandResult version = RunCommand(program, {QStringLiteral("--version")}, 20000, env);
        QVERIFY2(version.ok, qPrintable(version.output));
        QCOMPARE(version.output.trimmed(), QStringLiteral("Tivra Wattsight 2.4.5"));

        const CommandResult ldd = RunCommand(QStringLiteral("ldd"), {program}, 20000, env);
        QVERIFY2(ldd.ok, qPrintable(ldd.output));
        const QString libraries = QDir(Installed(QStringLiteral("lib/wattsight"))).canonicalPath();
        for (const char* library : {"libramulo.so.2", "libtessa.so.2", "libcurvo.so.2"}) {
            const QRegularExpression line(QLatin1String(library) + QStringLiteral(" => (\\S+)"));
            const QRegularExpressionMatch found = line.match(ldd.output);
            QVERIFY2(found.hasMatch(), qPrintable(ldd.output));
            QCOMPARE(QFileInfo(found.captured(1)).canonicalPath(), libraries);
        }
        // The development link stays out of an installed tree.
        QVERIFY(!QFileInfo::exists(Installed(QStringLiteral("lib/wattsight/libramulo.so"))));
    }

    // The installed logger, run without --data-dir, keeps its data where an
    // installed program does; --data-dir and WATTSIGHT_DATA_DIR still win.
    void installedLoggerDataDirectory_data() {
        QTest::addColumn<QStringList>("environment"); // NAME=VALUE, "@" the test's folder
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("the user's data folder")
            << QStringList{"XDG_DATA_HOME=@/xdg"} << QStringList() << "@/xdg/wattsight";
        QTest::newRow("~/.local/share without XDG_DATA_HOME")
            << QStringList{"HOME=@/home"} << QStringList() << "@/home/.local/share/wattsight";
        QTest::newRow("the service's state directory")
            << QStringList{"STATE_DIRECTORY=@/state", "XDG_DATA_HOME=@/xdg"} << QStringList() << "@/state";
        QTest::newRow("WATTSIGHT_DATA_DIR wins")
            << QStringList{"WATTSIGHT_DATA_DIR=@/env", "STATE_DIRECTORY=@/state"} << QStringList() << "@/env";
        QTest::newRow("--data-dir wins")
            << QStringList{"WATTSIGHT_DATA_DIR=@/env"} << QStringList{"--data-dir", "@/option"} << "@/option";
    }

    void installedLoggerDataDirectory() {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
        env.insert(QStringLiteral("HOME"), folder.filePath(QStringLiteral("unused-home")));
        for (const QString& pair : environment) {
            const int equals = pair.indexOf(QLatin1Char('='));
            env.insert(pair.left(equals), pair.mid(equals + 1).replace(QLatin1Char('@'), folder.path()));
        }
        arguments.replaceInStrings(QStringLiteral("@"), folder.path());
        expected.replace(QLatin1Char('@'), folder.path());

        QProcess logger;
        logger.setProcessEnvironment(env);
        logger.start(Installed(QStringLiteral("bin/wattsight")),
                     QStringList{QStringLiteral("--headless")} + arguments);
        QVERIFY(logger.waitForStarted(10000));
        QString out;
        QTRY_VERIFY_WITH_TIMEOUT((out += QString::fromUtf8(logger.readAllStandardOutput()))
                                         .contains(QStringLiteral(" stopping")) ||
                                     out.contains(QStringLiteral(" link down")),
                                 15000);
        logger.terminate();
        QVERIFY(logger.waitForFinished(15000));
        QCOMPARE(logger.exitCode(), 0);
        out += QString::fromUtf8(logger.readAllStandardOutput());
        QVERIFY2(out.contains(QStringLiteral("without a window, data directory ") + expected),
                 qPrintable(out));
        // The shipped recorded day, copied, and the settings written on the way out.
        QCOMPARE(QFileInfo(expected + QStringLiteral("/analog.db")).size(),
                 QFileInfo(Installed(QStringLiteral("share/wattsight/analog.db"))).size());
        QVERIFY(QFileInfo(expected + QStringLiteral("/system.dat")).size() > 0);
        // Nothing lands below the prefix.
        QVERIFY(!QFileInfo::exists(Installed(QStringLiteral("bin/data"))));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
