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
};

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
