#include "DataPaths.h"

#include <QtTest>

// Where the data lives without --data-dir: beside a copy that is not
// installed, in the service's or the user's folder for an installed one; and
// the shipped files a new data directory starts with.
class TestDataPaths : public QObject {
    Q_OBJECT
    QTemporaryDir m_Root;

    // A program folder <root>/<name>/bin, installed when <root>/<name>/share/wattsight exists.
    QString ProgramDir(const QString& name, bool installed, bool dataBeside) {
        const QString prefix = m_Root.filePath(name);
        QDir().mkpath(prefix + QStringLiteral("/bin"));
        if (installed) {
            QDir().mkpath(prefix + QStringLiteral("/share/wattsight"));
        }
        if (dataBeside) {
            QDir().mkpath(prefix + QStringLiteral("/bin/data"));
        }
        return prefix + QStringLiteral("/bin");
    }

private slots:
    void cleanup() {
        qunsetenv("STATE_DIRECTORY");
        qunsetenv("XDG_DATA_HOME");
        DataPaths::SetDataDir(QString());
    }

    void defaultDataDir_data() {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("dataBeside");
        QTest::addColumn<QString>("stateDirectory");
        QTest::addColumn<QString>("xdgDataHome");
        QTest::addColumn<QString>("expected"); // "@bin" is the program folder, "@home" $HOME

        QTest::newRow("a build keeps data beside the program") << false << false << ""
                                                               << ""
                                                               << "@bin/data";
        QTest::newRow("a build ignores the service's folder") << false << false << "/var/lib/ws"
                                                              << ""
                                                              << "@bin/data";
        QTest::newRow("installed: the user's XDG data folder") << true << false << ""
                                                               << "/xdg/home"
                                                               << "/xdg/home/wattsight";
        QTest::newRow("installed without XDG_DATA_HOME: ~/.local/share") << true << false << ""
                                                                         << ""
                                                                         << "@home/.local/share/wattsight";
        QTest::newRow("a relative XDG_DATA_HOME is not used") << true << false << ""
                                                              << "relative/dir"
                                                              << "@home/.local/share/wattsight";
        QTest::newRow("the service: its state directory") << true << false << "/var/lib/wattsight"
                                                          << "/xdg/home"
                                                          << "/var/lib/wattsight";
        QTest::newRow("the first of several state directories")
            << true << false << "/var/lib/wattsight:/var/lib/other"
            << ""
            << "/var/lib/wattsight";
        QTest::newRow("installed with a data folder beside it keeps using it")
            << true << true << "/var/lib/wattsight"
            << ""
            << "@bin/data";
    }

    void defaultDataDir() {
        QFETCH(bool, installed);
        QFETCH(bool, dataBeside);
        QFETCH(QString, stateDirectory);
        QFETCH(QString, xdgDataHome);
        QFETCH(QString, expected);
        const QString bin =
            ProgramDir(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'), installed, dataBeside);
        if (!stateDirectory.isEmpty()) {
            qputenv("STATE_DIRECTORY", stateDirectory.toUtf8());
        }
        if (!xdgDataHome.isEmpty()) {
            qputenv("XDG_DATA_HOME", xdgDataHome.toUtf8());
        }
        expected.replace(QStringLiteral("@bin"), bin).replace(QStringLiteral("@home"), QDir::homePath());
        QCOMPARE(DataPaths::IsInstalled(bin), installed);
        QCOMPARE(DataPaths::DefaultDataDir(bin), QDir::cleanPath(expected));
    }

    void shippedFilesSeedOnlyWhatIsMissing() {
        const QString bin = ProgramDir(QStringLiteral("seed"), true, false);
        const QString shipped = DataPaths::ShippedDir(bin);
        QCOMPARE(shipped, m_Root.filePath(QStringLiteral("seed/share/wattsight")));
        QFile analog(shipped + QStringLiteral("/analog.db"));
        QVERIFY(analog.open(QIODevice::WriteOnly));
        analog.write("shipped analog day");
        analog.close();
        analog.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

        QTemporaryDir data;
        DataPaths::SetDataDir(data.path());
        QFile own(data.filePath(QStringLiteral("specification.db")));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write("the user's own sheets");
        own.close();

        QCOMPARE(DataPaths::SeedShippedFiles(bin), QStringList());
        QFile copy(data.filePath(QStringLiteral("analog.db")));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), QByteArray("shipped analog day"));
        // The copy is the user's: it can be replaced later.
        QVERIFY(copy.permissions() & QFile::WriteOwner);
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), QByteArray("the user's own sheets"));

        // A data directory that cannot take the copy is reported, not ignored.
        DataPaths::SetDataDir(data.filePath(QStringLiteral("specification.db/below-a-file")));
        QCOMPARE(DataPaths::SeedShippedFiles(bin), QStringList({QStringLiteral("analog.db")}));
    }
};

QTEST_GUILESS_MAIN(TestDataPaths)
#include "test_data_paths.moc"
