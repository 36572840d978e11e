// The SMTP sender against a real SMTP server on loopback (tests/mail/smtp_server.py,
// aiosmtpd): the command sequence byte for byte, the outcomes, the message as a
// MIME parser reads it, attachments in Base64 lines, and TLS both ways.

#include "MailTestSupport.h"
#include "QMailServerAddress.h"
#include "QMailThread.h"
#include "QSmtpReplies.h"

#include <QSignalSpy>
#include <QtTest>

using namespace mailtest;

namespace {

const QString kName = QStringLiteral("owner@plant.test");
const QString kKey = QStringLiteral("s3cret-Key");
const QString kTo = QStringLiteral("installer@example.test");

QMailRecord Record(const QString& server, const QString& key = kKey) {
    QMailRecord record;
    record.m_strLogonName = kName;
    record.m_strLogonKey = key;
    record.m_strFrom = kName;
    record.m_strTo = kTo;
    record.m_strSubject = QStringLiteral("Plant report");
    record.m_strBody = QStringLiteral("Hello");
    record.m_strServer = server;
    return record;
}

QStringList Account() {
    return {"--login", kName, "--password", kKey};
}

QByteArray B64(const QString& text) {
    return text.toUtf8().toBase64();
}

// Runs one send and collects what it reports.
struct Send {
    QMailThread thread;
    QSignalSpy errors{&thread, &QMailThread::Error};
    QSignalSpy scrolls{&thread, &QMailThread::Scroll};

    explicit Send(const QMailRecord& record, int replyTimeout = 10000) {
        thread.SetRecord(record);
        thread.SetReplyTimeout(replyTimeout);
        thread.start();
    }
    bool WaitForOutcome(int ms = 15000) {
        return QTest::qWaitFor([this] { return errors.count() > 0; }, ms);
    }
    QList<int> Codes() const {
        QList<int> codes;
        for (const QList<QVariant>& call : errors) {
            codes.append(call.at(0).toInt());
        }
        return codes;
    }
    QList<int> Scrolls() const {
        QList<int> values;
        for (const QList<QVariant>& call : scrolls) {
            values.append(call.at(0).toInt());
        }
        return values;
    }
};

// The commands of steps 1 to 7 for the account above.
QByteArray Commands() {
    return "HELO []\r\nAUTH LOGIN\r\n" + B64(kName) + "\r\n" + B64(kKey) +
           "\r\nMAIL FROM:<owner@plant.test>\r\nRCPT TO:<installer@example.test>\r\nDATA\r\n";
}

QByteArray Bytes(int size, int seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i) {
        bytes[i] = char((i * 131 + seed * 17 + i / 251) & 0xFF);
    }
    return bytes;
}

} // namespace

class TestSmtpSender : public QObject {
    Q_OBJECT

private slots:
    void serverAddress_data();
    void serverAddress();
    void repliesAreJudgedWhole_data();
    void repliesAreJudgedWhole();
    void dialogue_data();
    void dialogue();
    void unreachableServerFailsFast_data();
    void unreachableServerFailsFast();
    void attachments_data();
    void attachments();
    void stalledAttachmentFailsOnceAndStillEndsTheMessage();
    void typedTextCannotEndTheMessageOrAddCommands_data();
    void typedTextCannotEndTheMessageOrAddCommands();
    void encrypted_data();
    void encrypted();
};

void TestSmtpSender::serverAddress_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("mode");
    const int plain = QMailServerAddress::Plain;
    const int tls = QMailServerAddress::ImplicitTls;
    const int starttls = QMailServerAddress::StartTls;
    QTest::newRow("name alone: port 25, plain")
        << "smtp.example.com" << true << "smtp.example.com" << 25 << plain;
    QTest::newRow("port 25 plain") << " smtp.example.com:25 " << true << "smtp.example.com" << 25 << plain;
    QTest::newRow("465: TLS from the start")
        << "smtp.example.com:465" << true << "smtp.example.com" << 465 << tls;
    QTest::newRow("587: STARTTLS") << "smtp.example.com:587" << true << "smtp.example.com" << 587 << starttls;
    QTest::newRow("other port: STARTTLS") << "10.0.0.5:2525" << true << "10.0.0.5" << 2525 << starttls;
    QTest::newRow("smtp:// plain on any port")
        << "smtp://10.0.0.5:2525" << true << "10.0.0.5" << 2525 << plain;
    QTest::newRow("smtps:// defaults to 465") << "SMTPS://mail.test" << true << "mail.test" << 465 << tls;
    QTest::newRow("smtps:// on any port") << "smtps://mail.test:2465" << true << "mail.test" << 2465 << tls;
    QTest::newRow("IPv6 in brackets") << "[::1]:587" << true << "::1" << 587 << starttls;
    QTest::newRow("bare IPv6") << "fe80::1" << true << "fe80::1" << 25 << plain;
    QTest::newRow("empty") << "" << false << "" << 0 << 0;
    QTest::newRow("port zero") << "mail.test:0" << false << "" << 0 << 0;
    QTest::newRow("port too large") << "mail.test:65536" << false << "" << 0 << 0;
    QTest::newRow("port not a number") << "mail.test:smtp" << false << "" << 0 << 0;
    QTest::newRow("no host") << ":25" << false << "" << 0 << 0;
    QTest::newRow("unclosed bracket") << "[::1:25" << false << "" << 0 << 0;
}

void TestSmtpSender::serverAddress() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const QMailServerAddress address(text);
    QCOMPARE(address.IsValid(), valid);
    if (valid) {
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(int, mode);
        QCOMPARE(address.Host(), host);
        QCOMPARE(int(address.Port()), port);
        QCOMPARE(int(address.Mode()), mode);
    }
}

void TestSmtpSender::repliesAreJudgedWhole_data() {
    QTest::addColumn<QByteArrayList>("arrivals");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<int>("linesOfFirst");
    QTest::newRow("one reply") << QByteArrayList{"220 mail.test ready\r\n"} << QList<int>{220} << 1;
    QTest::newRow("split inside the code") << QByteArrayList{"25", "0 OK\r\n"} << QList<int>{250} << 1;
    QTest::newRow("split before the line end")
        << QByteArrayList{"354 go on", "\r", "\n"} << QList<int>{354} << 1;
    QTest::newRow("two replies in one arrival")
        << QByteArrayList{"250 OK\r\n221 Bye\r\n"} << QList<int>{250, 221} << 1;
    QTest::newRow("multi-line reply in pieces")
        << QByteArrayList{"250-mail.test\r\n250-STA", "RTTLS\r\n", "250 HELP\r\n"} << QList<int>{250} << 3;
    QTest::newRow("multi-line greeting is one reply")
        << QByteArrayList{"220-welcome\r\n", "220 ready\r\n"} << QList<int>{220} << 2;
    QTest::newRow("bare line feeds") << QByteArrayList{"334 VXNlcg==\n334 UGFzcw==\n"} << QList<int>{334, 334}
                                     << 1;
    QTest::newRow("code alone") << QByteArrayList{"235\r\n"} << QList<int>{235} << 1;
    QTest::newRow("text up to a zero byte") << QByteArrayList{QByteArray("250 OK\r\n\0"
                                                                         "999 junk\r\n",
                                                                         19)}
                                            << QList<int>{250} << 1;
    QTest::newRow("no code") << QByteArrayList{"hello\r\n"} << QList<int>{0} << 1;
    QTest::newRow("unfinished reply waits") << QByteArrayList{"250-first\r\n", "250"} << QList<int>{} << 0;
}

void TestSmtpSender::repliesAreJudgedWhole() {
    QFETCH(QByteArrayList, arrivals);
    QFETCH(QList<int>, codes);
    QFETCH(int, linesOfFirst);
    QSmtpReplies replies;
    for (const QByteArray& bytes : arrivals) {
        QVERIFY(replies.Append(bytes));
    }
    QList<int> got;
    int firstLines = 0;
    while (replies.HasReply()) {
        const QSmtpReplies::Reply reply = replies.Take();
        if (got.isEmpty()) {
            firstLines = int(reply.m_Lines.size());
        }
        got.append(reply.m_nCode);
    }
    QCOMPARE(got, codes);
    QCOMPARE(firstLines, linesOfFirst);

    // Endless text without a line end is no mail server.
    QSmtpReplies flood;
    QVERIFY(!flood.Append(QByteArray(QSmtpReplies::MaxPending + 1, 'x')));
}

void TestSmtpSender::dialogue_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("replyTimeout");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QByteArray>("session");
    const int never = 60000; // rows whose outcome must not wait for the reply time-out

    const QByteArray message = "From:\"\"<owner@plant.test>\r\n"
                               "To:\"Tivra Wattsight\"<installer@example.test>\r\n"
                               "Subject:Plant report\r\n"
                               "Mime-Version: 1.0\r\n"
                               "Content-Type: multipart/mixed;   boundary=\"COMPANY\"\r\n"
                               "\r\n"
                               "--COMPANY\r\n"
                               "Content-Type: text/plain;\r\n"
                               "  charset=\"utf-8\"\r\n"
                               "\r\n"
                               "Hello\r\n"
                               "\r\n"
                               "--COMPANY--\r\n"
                               ".\r\n"
                               "QUIT\r\n";
    QTest::newRow("accepted: steps 1 to 8, one success")
        << Account() << kKey << never << QList<int>{0} << Commands() + message;
    QTest::newRow("answer to QUIT on its own keeps the success")
        << Account() + QStringList{"--quit-delay", "300"} << kKey << never << QList<int>{0}
        << Commands() + message;
    QTest::newRow("535 to the logon key: nothing more is sent")
        << Account() << QStringLiteral("wrong") << never << QList<int>{2}
        << QByteArray("HELO []\r\nAUTH LOGIN\r\n" + B64(kName) + "\r\n" + B64("wrong") + "\r\n");
    QTest::newRow("server silent after the logon")
        << Account() + QStringList{"--silent-after", "5"} << kKey << 1500 << QList<int>{2}
        << QByteArray("HELO []\r\nAUTH LOGIN\r\n" + B64(kName) + "\r\n" + B64(kKey) +
                      "\r\nMAIL FROM:<owner@plant.test>\r\n");
    QTest::newRow("server silent after the message") << Account() + QStringList{"--silent-after", "8"} << kKey
                                                     << 1500 << QList<int>{2} << Commands() + message;
    QTest::newRow("connection closed halfway, long before the reply time-out")
        << Account() + QStringList{"--drop-after", "6"} << kKey << never << QList<int>{2}
        << QByteArray(Commands().left(Commands().indexOf("DATA")));
}

void TestSmtpSender::dialogue() {
    QFETCH(QStringList, options);
    QFETCH(QString, key);
    QFETCH(int, replyTimeout);
    QFETCH(QList<int>, codes);
    QFETCH(QByteArray, session);

    SmtpTestServer server;
    QVERIFY(server.Start(options));
    QElapsedTimer timer;
    timer.start();
    Send send(Record(server.Plain(), key), replyTimeout);
    QVERIFY(send.WaitForOutcome());
    QVERIFY2(timer.elapsed() < qMin(replyTimeout, 5000) + 5000, "the outcome came late");
    if (codes == QList<int>{0}) {
        // Whatever the server answers to QUIT must not add a second outcome.
        QVERIFY(!server.WaitForLine(QStringLiteral("quit answered")).isEmpty());
        QTest::qWait(300);
    }
    QCOMPARE(send.Codes(), codes);
    QVERIFY(send.scrolls.isEmpty());
    server.Stop();
    QCOMPARE(server.Session(), session);
    QCOMPARE(server.Wire(), session);

    if (codes == QList<int>{0}) {
        const QJsonObject parsed = server.Parsed();
        QCOMPARE(parsed.value("content_type").toString(), QStringLiteral("multipart/mixed"));
        QCOMPARE(parsed.value("boundary").toString(), QStringLiteral("COMPANY"));
        QCOMPARE(parsed.value("subject").toString(), QStringLiteral("Plant report"));
        QVERIFY(parsed.value("defects").toArray().isEmpty());
        QCOMPARE(parsed.value("parts").toArray().size(), 1);
        QCOMPARE(PartPayload(parsed, 0), QByteArray("Hello\r\n"));
    }
}

void TestSmtpSender::unreachableServerFailsFast_data() {
    QTest::addColumn<QString>("server");
    QTest::addColumn<int>("code");
    const QString port = QString::number(ClosedPort());
    QTest::newRow("closed port, plain") << "smtp://127.0.0.1:" + port << 1;
    QTest::newRow("closed port, TLS") << "smtps://127.0.0.1:" + port << 1;
    QTest::newRow("closed port, STARTTLS") << "127.0.0.1:" + port << 1;
    QTest::newRow("port out of range") << QStringLiteral("127.0.0.1:70000") << 1;
    QTest::newRow("no server at all") << QString() << 1;
}

void TestSmtpSender::unreachableServerFailsFast() {
    QFETCH(QString, server);
    QFETCH(int, code);
    QElapsedTimer timer;
    timer.start();
    Send send(Record(server));
    QVERIFY(send.WaitForOutcome(5000));
    QVERIFY2(timer.elapsed() < 3500, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(send.Codes(), QList<int>{code});
}

void TestSmtpSender::attachments_data() {
    QTest::addColumn<QList<int>>("sizes"); // -1: a file that cannot be read
    QTest::addColumn<QList<int>>("scrolls");
    QTest::addColumn<QList<int>>("lineLengths");
    QTest::newRow("7000 bytes in three pieces")
        << QList<int>{7000} << QList<int>{3000, 6000, 7000} << QList<int>{4000, 4000, 1336};
    QTest::newRow("counted over the mail")
        << QList<int>{1500, 7000} << QList<int>{1500, 4500, 7500, 8500} << QList<int>{2000, 4000, 4000, 1336};
    QTest::newRow("exactly one piece") << QList<int>{3000} << QList<int>{3000} << QList<int>{4000};
    QTest::newRow("unreadable file left out") << QList<int>{-1, 100} << QList<int>{100} << QList<int>{136};
    QTest::newRow("empty file") << QList<int>{0} << QList<int>{} << QList<int>{};
    QTest::newRow("none") << QList<int>{} << QList<int>{} << QList<int>{};
}

void TestSmtpSender::attachments() {
    QFETCH(QList<int>, sizes);
    QFETCH(QList<int>, scrolls);
    QFETCH(QList<int>, lineLengths);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("data"));
    QMailRecord record;
    QList<QByteArray> contents;
    QStringList names;
    for (int i = 0; i < sizes.size(); ++i) {
        const QString name = i == 0 ? QStringLiteral("report.csv") : QStringLiteral("part%1.bin").arg(i);
        const QString path = dir.filePath("data/" + name);
        if (sizes[i] >= 0) {
            contents.append(Bytes(sizes[i], i));
            names.append(name);
            QVERIFY(WriteAll(path, contents.last()));
        }
        record.m_Attachments.append(path);
    }

    SmtpTestServer server;
    QVERIFY(server.Start(Account()));
    const QMailRecord account = Record(server.Plain());
    record.m_strLogonName = account.m_strLogonName;
    record.m_strLogonKey = account.m_strLogonKey;
    record.m_strFrom = account.m_strFrom;
    record.m_strTo = account.m_strTo;
    record.m_strServer = account.m_strServer;
    record.m_strBody = QStringLiteral("See attached.");
    Send send(record);
    QVERIFY(send.WaitForOutcome());
    QCOMPARE(send.Codes(), QList<int>{0});
    QCOMPARE(send.Scrolls(), scrolls);
    server.Stop();

    // Each part: its announcement, then Base64 lines of 3000 bytes each.
    const QByteArray message = server.Message();
    QList<int> lengths;
    for (int i = 0; i < names.size(); ++i) {
        const QByteArray head =
            "--COMPANY\r\nContent-Type: application/octet-stream;\r\n  name=\"" + names[i].toUtf8() +
            "\"\r\nContent-Transfer-Encoding: base64\r\nContent-Disposition: attachment;\r\n"
            "  filename=\"" +
            names[i].toUtf8() + "\"\r\n\r\n";
        const int at = int(message.indexOf(head));
        QVERIFY2(at >= 0, qPrintable(names[i]));
        const int end = int(message.indexOf("--COMPANY", at + head.size()));
        const QByteArray lines = message.mid(at + head.size(), end - at - int(head.size()));
        for (const QByteArray& line : lines.split('\n')) {
            if (!line.isEmpty()) {
                QVERIFY(line.endsWith('\r'));
                lengths.append(int(line.size()) - 1);
            }
        }
        QCOMPARE(QByteArray::fromBase64(lines), contents[i]);
    }
    QCOMPARE(lengths, lineLengths);
    QVERIFY(message.endsWith("--COMPANY--\r\n"));

    const QJsonObject parsed = server.Parsed();
    QVERIFY(parsed.value("defects").toArray().isEmpty());
    const QJsonArray parts = parsed.value("parts").toArray();
    QCOMPARE(parts.size(), 1 + names.size());
    QCOMPARE(PartPayload(parsed, 0), QByteArray("See attached.\r\n"));
    for (int i = 0; i < names.size(); ++i) {
        const QJsonObject part = parts.at(1 + i).toObject();
        QCOMPARE(part.value("filename").toString(), names[i]);
        QCOMPARE(part.value("name").toString(), names[i]);
        QCOMPARE(PartPayload(parsed, 1 + i), contents[i]);
    }
}

// A server that stops reading in the middle of a large attachment: the write
// gives up after its time-out with one failure, and the message is still
// closed, so that the server is not left inside DATA.
void TestSmtpSender::stalledAttachmentFailsOnceAndStillEndsTheMessage() {
    QTemporaryDir dir;
    const QString path = dir.filePath("big.bin");
    QVERIFY(WriteAll(path, Bytes(24 * 1024 * 1024, 7)));
    SmtpTestServer server;
    QVERIFY(server.Start(Account() + QStringList{"--stall-after", "1000000", "--stall-ms", "10000"}));
    QMailRecord record = Record(server.Plain());
    record.m_Attachments = {path};
    QElapsedTimer timer;
    timer.start();
    Send send(record);
    QVERIFY(send.WaitForOutcome(20000));
    QCOMPARE(send.Codes(), QList<int>{2});
    QVERIFY(timer.elapsed() >= 3000);
    QVERIFY(send.Scrolls().last() < 24 * 1024 * 1024);
    // Once the server reads again it gets the end of the message and QUIT,
    // and its acceptance changes nothing.
    QVERIFY(!server.WaitForLine(QStringLiteral("quit answered"), 30000).isEmpty());
    QTest::qWait(200);
    QCOMPARE(send.Codes(), QList<int>{2});
    server.Stop();
    QVERIFY(server.Session().endsWith("--COMPANY--\r\n.\r\nQUIT\r\n"));
}

void TestSmtpSender::typedTextCannotEndTheMessageOrAddCommands_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("onTheWire");
    QTest::newRow("lone dot line") << "first\n.\nQUIT\nlast"
                                   << "Report" << kTo << QByteArray("first\r\n.\r\nQUIT\r\nlast\r\n")
                                   << QByteArray("first\r\n..\r\nQUIT\r\nlast\r\n");
    QTest::newRow("leading dots") << ".hidden\n..two"
                                  << "Report" << kTo << QByteArray(".hidden\r\n..two\r\n")
                                  << QByteArray("\r\n..hidden\r\n...two\r\n");
    QTest::newRow("CR LF and CR line ends")
        << "a\r\nb\rc"
        << "Report" << kTo << QByteArray("a\r\nb\r\nc\r\n") << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("UTF-8 text") << QString::fromUtf8("Résumé: 日照 5 kWh") << QString::fromUtf8("Rapporto è")
                                << kTo << QString::fromUtf8("Résumé: 日照 5 kWh\r\n").toUtf8()
                                << QString::fromUtf8("Subject:Rapporto è\r\n").toUtf8();
    QTest::newRow("line break in the subject")
        << "x"
        << "Report\r\nBcc: someone@else.test" << kTo << QByteArray("x\r\n")
        << QByteArray("Subject:Report  Bcc: someone@else.test\r\n");
    QTest::newRow("line break in the recipient")
        << "x"
        << "Report"
        << "installer@example.test>\r\nRCPT TO:<someone@else.test" << QByteArray("x\r\n")
        << QByteArray("RCPT TO:<installer@example.test>  RCPT TO:<someone@else.test>\r\n");
}

void TestSmtpSender::typedTextCannotEndTheMessageOrAddCommands() {
    QFETCH(QString, body);
    QFETCH(QString, subject);
    QFETCH(QString, to);
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, onTheWire);
    SmtpTestServer server;
    QVERIFY(server.Start(Account()));
    QMailRecord record = Record(server.Plain());
    record.m_strBody = body;
    record.m_strSubject = subject;
    record.m_strTo = to;
    Send send(record);
    QVERIFY(send.WaitForOutcome());
    server.Stop();
    const QByteArray session = server.Session();
    QVERIFY2(session.contains(onTheWire), session.constData());
    QCOMPARE(session.count("\r\nRCPT TO:"), 1);
    QCOMPARE(server.MessageCount(), to == kTo ? 1 : 0);
    if (to == kTo) {
        QCOMPARE(send.Codes(), QList<int>{0});
        QCOMPARE(PartPayload(server.Parsed(), 0), payload);
    } else {
        QCOMPARE(send.Codes(), QList<int>{2}); // the server refuses the address, nobody else gets mail
    }
}

void TestSmtpSender::encrypted_data() {
    QTest::addColumn<QString>("tls");     // the server's
    QTest::addColumn<QString>("form");    // how the client is given the server
    QTest::addColumn<QString>("trusted"); // "ca", "other" or "" (the system's store only)
    QTest::addColumn<int>("code");
    QTest::newRow("STARTTLS, trusted") << "starttls"
                                       << "port"
                                       << "ca" << 0;
    QTest::newRow("TLS from the first byte, trusted") << "implicit"
                                                      << "smtps"
                                                      << "ca" << 0;
    QTest::newRow("STARTTLS, certificate of another authority") << "starttls"
                                                                << "port"
                                                                << "other" << 3;
    QTest::newRow("TLS, certificate nobody vouches for") << "implicit"
                                                         << "smtps"
                                                         << "" << 3;
    QTest::newRow("STARTTLS port, server without STARTTLS") << "none"
                                                            << "port"
                                                            << "ca" << 4;
    QTest::newRow("TLS port, server speaking plain text") << "none"
                                                          << "smtps"
                                                          << "ca" << 4;
}

void TestSmtpSender::encrypted() {
    QFETCH(QString, tls);
    QFETCH(QString, form);
    QFETCH(QString, trusted);
    QFETCH(int, code);

    TestCertificates certificates;
    QVERIFY(certificates.Make());
    SmtpTestServer server;
    QVERIFY(server.Start(Account() + QStringList{"--tls", tls, "--cert", certificates.ServerCert(), "--key",
                                                 certificates.ServerKey()}));
    QMailRecord record = Record(form == "smtps" ? server.Implicit() : server.ByPort());
    record.m_strTrustedCaFile = trusted == "ca"      ? certificates.CaFile()
                                : trusted == "other" ? certificates.OtherCaFile()
                                                     : QString();
    Send send(record, 5000);
    QVERIFY(send.WaitForOutcome());
    if (code == 0) {
        QVERIFY(!server.WaitForLine(QStringLiteral("quit answered")).isEmpty());
        QTest::qWait(200);
    }
    QCOMPARE(send.Codes(), QList<int>{code});
    server.Stop();

    // Whatever happened, the logon never crossed the wire readable.
    const QByteArray wire = server.Wire();
    for (const QByteArray& secret : {B64(kKey), kKey.toUtf8(), QByteArray("AUTH LOGIN"), B64(kName)}) {
        QVERIFY2(!wire.contains(secret), secret.constData());
    }
    const QByteArray session = server.Session();
    if (code == 0) {
        QCOMPARE(server.MessageCount(), 1);
        QVERIFY(session.contains("AUTH LOGIN\r\n" + B64(kName) + "\r\n" + B64(kKey) + "\r\n"));
        QVERIFY(session.endsWith("--COMPANY--\r\n.\r\nQUIT\r\n"));
        QCOMPARE(PartPayload(server.Parsed(), 0), QByteArray("Hello\r\n"));
        if (form == "port") {
            QVERIFY(wire.startsWith("EHLO [127.0.0.1]\r\nSTARTTLS\r\n"));
            QVERIFY(session.startsWith("EHLO [127.0.0.1]\r\nSTARTTLS\r\nEHLO [127.0.0.1]\r\nAUTH LOGIN\r\n"));
        } else {
            QVERIFY(session.startsWith("HELO []\r\nAUTH LOGIN\r\n"));
            QVERIFY(!wire.contains("HELO"));
        }
    } else {
        QCOMPARE(server.MessageCount(), 0);
        QVERIFY(!session.contains("AUTH"));
    }
}

QTEST_GUILESS_MAIN(TestSmtpSender)
#include "test_smtp_sender.moc"
