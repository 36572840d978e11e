#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;
    bool hasTranslation = false;
};

QList<Message> ReadTs(const QString& path, QString* language, QString* error) {
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("TS")) {
                *language = xml.attributes().value(QStringLiteral("language")).toString();
            } else if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                current = Message();
                current.context = context;
            } else if (name == QLatin1String("source")) {
                current.source = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                current.hasTranslation = true;
                current.type = xml.attributes().value(QStringLiteral("type")).toString();
                current.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            messages.append(current);
        }
    }
    if (xml.hasError()) {
        *error = path + QStringLiteral(": ") + xml.errorString();
    }
    return messages;
}

QString SourceDir() {
    return qEnvironmentVariable("WATTSIGHT_SOURCE_DIR");
}

QString LanDir() {
    return SourceDir() + QStringLiteral("/app/resources/lan");
}

const QStringList Files = {QStringLiteral("Language_E.ts"), QStringLiteral("Language_C.ts"),
                           QStringLiteral("Language_T.ts"), QStringLiteral("Language_I.ts")};

// Every message translated, nothing left over from texts the program no longer has.
void CheckComplete(const QString& path, const QString& expectedLanguage) {
    QString language;
    QString error;
    const QList<Message> messages = ReadTs(path, &language, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(language, expectedLanguage);
    QVERIFY(messages.size() > 100);
    QStringList problems;
    static const QRegularExpression placeholder(QStringLiteral("%(\\d|[dsf]|0\\.2f|0\\d*d)"));
    for (const Message& m : messages) {
        const QString where = m.context + QStringLiteral(" / \"") + m.source + QLatin1Char('"');
        if (!m.hasTranslation || m.translation.isEmpty()) {
            problems << where + QStringLiteral(": no translation");
        } else if (!m.type.isEmpty()) {
            problems << where + QStringLiteral(": ") + m.type;
        }
        // Event lines and joined texts rely on their leading blanks.
        int lead = 0;
        while (lead < m.source.size() && m.source.at(lead) == QLatin1Char(' ')) {
            ++lead;
        }
        if (lead > 0 && !m.translation.startsWith(m.source.left(lead))) {
            problems << where + QStringLiteral(": lost its leading blanks");
        }
        QStringList inSource;
        QStringList inTranslation;
        for (auto it = placeholder.globalMatch(m.source); it.hasNext();) {
            inSource << it.next().captured();
        }
        for (auto it = placeholder.globalMatch(m.translation); it.hasNext();) {
            inTranslation << it.next().captured();
        }
        inSource.sort();
        inTranslation.sort();
        if (inSource != inTranslation) {
            problems << where + QStringLiteral(": placeholders differ");
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}
} // namespace

// The four translation files: complete, up to date with the sources, and built
// into the program's resources.
class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void filesAreComplete_data();
    void filesAreComplete();
    void noSourceTextMissing();
    void chineseIsReallyTranslated();
    void resourcesLoad();
};

void TestTranslations::filesAreComplete_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "Language_E.ts"
                             << "en";
    QTest::newRow("simplified Chinese") << "Language_C.ts"
                                        << "zh_CN";
    QTest::newRow("traditional Chinese") << "Language_T.ts"
                                         << "zh_TW";
    QTest::newRow("Italian") << "Language_I.ts"
                             << "it";
}

void TestTranslations::filesAreComplete() {
    QFETCH(QString, file);
    QFETCH(QString, language);
    CheckComplete(LanDir() + QLatin1Char('/') + file, language);
}

void TestTranslations::noSourceTextMissing() {
    // The update script run over copies: any text of the sources that the files
    // lack arrives as unfinished, any text the sources dropped disappears.
    QTemporaryDir copies;
    for (const QString& file : Files) {
        QVERIFY(QFile::copy(LanDir() + QLatin1Char('/') + file, copies.filePath(file)));
        QFile::setPermissions(copies.filePath(file), QFile::ReadOwner | QFile::WriteOwner);
    }
    QProcess update;
    update.start(SourceDir() + QStringLiteral("/scripts/update-translations"),
                 {QStringLiteral("--ts-dir"), copies.path()});
    QVERIFY(update.waitForFinished(120000));
    QVERIFY2(update.exitCode() == 0, update.readAllStandardError().constData());
    const QStringList languages = {QStringLiteral("en"), QStringLiteral("zh_CN"), QStringLiteral("zh_TW"),
                                   QStringLiteral("it")};
    for (int i = 0; i < Files.size(); ++i) {
        QString language;
        QString error;
        const int before = ReadTs(LanDir() + QLatin1Char('/') + Files.at(i), &language, &error).size();
        const int after = ReadTs(copies.filePath(Files.at(i)), &language, &error).size();
        QCOMPARE(after, before);
        CheckComplete(copies.filePath(Files.at(i)), languages.at(i));
    }
}

void TestTranslations::chineseIsReallyTranslated() {
    // A file that copies the English texts would pass the completeness check.
    for (const QString& file : {QStringLiteral("Language_C.ts"), QStringLiteral("Language_T.ts")}) {
        QString language;
        QString error;
        int han = 0;
        int total = 0;
        for (const Message& m : ReadTs(LanDir() + QLatin1Char('/') + file, &language, &error)) {
            if (m.source.startsWith(QLatin1String("Tivra ")) || m.source.trimmed().size() < 3) {
                continue;
            }
            ++total;
            han += m.translation.contains(QRegularExpression(QStringLiteral("\\p{Han}"))) ? 1 : 0;
        }
        QVERIFY2(han > total * 9 / 10, qPrintable(file));
    }
}

void TestTranslations::resourcesLoad() {
    struct Case {
        const char* file;
        const char* context;
        const char* source;
        QString expected;
    };
    const QList<Case> cases = {
        {"Language_E.qm", "MainWindow", "Exit", QStringLiteral("Exit")},
        {"Language_C.qm", "MainWindow", "Exit", QStringLiteral("退出")},
        {"Language_T.qm", "MainWindow", "Exit", QStringLiteral("結束")},
        {"Language_I.qm", "MainWindow", "Exit", QStringLiteral("Esci")},
        {"Language_C.qm", "MainWindow", "Password is incorrect!", QStringLiteral("密码错误！")},
        {"Language_I.qm", "QInverter", "   Fault began!", QStringLiteral("   Inizio guasto!")},
    };
    for (const Case& c : cases) {
        QTranslator translator;
        QVERIFY2(translator.load(QStringLiteral(":/lan/") + QLatin1String(c.file)), c.file);
        QCOMPARE(translator.translate(c.context, c.source), c.expected);
    }
    for (const char* qt : {"qt_zh_CN.qm", "qt_zh_TW.qm"}) {
        QTranslator translator;
        QVERIFY2(translator.load(QStringLiteral(":/lan/") + QLatin1String(qt)), qt);
        QVERIFY(!translator.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
