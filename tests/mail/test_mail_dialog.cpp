// The mail dialog with its attachment list and progress dialog, sending through
// the real SMTP server of the sender tests; the main window's "Contact us".
// With WATTSIGHT_SCREENSHOT_DIR set, pictures of the dialogs are saved there.

#include "MailTestSupport.h"
#include "MainWindow.h"
#include "QBusScheduler.h"
#include "QE_Mail.h"
#include "QFileItem.h"
#include "QFileList.h"
#include "QFileWnd.h"
#include "QMailThread.h"
#include "QProgressDlg.h"
#include "QUserActivity.h"
#include "ShellTestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>
#include <atomic>

using namespace mailtest;

namespace {

const QString kName = QStringLiteral("owner@plant.test");
const QString kKey = QStringLiteral("s3cret-Key");

QMailRecord Account(const QString& server) {
    QMailRecord record;
    record.m_strLogonName = kName;
    record.m_strLogonKey = kKey;
    record.m_strFrom = kName;
    record.m_strTo = QStringLiteral("installer@example.test");
    record.m_strServer = server;
    return record;
}

QStringList ServerAccount() {
    return {"--login", kName, "--password", kKey};
}

QString MakeFile(const QTemporaryDir& dir, const QString& name, int size) {
    const QString path = dir.filePath(name);
    WriteAll(path, QByteArray(size, char('a' + size % 26)));
    return path;
}

// Records the progress bar's values from the moment the progress dialog opens,
// and closes a progress dialog that would otherwise stay open for ever. The
// bar is watched from the dialog's show, before its event loop runs: the
// first value may be delivered by that loop's very first round.
struct ProgressWatch : QObject {
    QList<int> values;
    bool opened = false;
    QTimer poll;
    QElapsedTimer open;
    QE_Mail* dialog;

    explicit ProgressWatch(QE_Mail* mail, int closeAfterMs = 20000) : dialog(mail) {
        qApp->installEventFilter(this);
        poll.setInterval(0);
        QObject::connect(&poll, &QTimer::timeout, [this, closeAfterMs] {
            QProgressDlg* progress = dialog->ProgressDlg();
            if (progress && opened && open.elapsed() > closeAfterMs) {
                progress->close();
            }
        });
        poll.start();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        QProgressDlg* progress = dialog->ProgressDlg();
        if (!opened && event->type() == QEvent::Show && progress && watched == progress) {
            opened = true;
            open.start();
            QObject::connect(progress->Bar(), &QProgressBar::valueChanged, this,
                             [this](int v) { values << v; });
        }
        return false;
    }
};

// Texts of labels and buttons wider than the widget showing them.
QStringList Clipped(QWidget* root) {
    QStringList clipped;
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->isVisibleTo(root) && !label->text().isEmpty() &&
            label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width() + 1) {
            clipped << label->text();
        }
    }
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(root) && !button->text().isEmpty() &&
            button->fontMetrics().horizontalAdvance(button->text()) + 8 > button->width()) {
            clipped << button->text();
        }
    }
    return clipped;
}

void SaveShot(QWidget* widget, const QString& name) {
    const QString dir = qEnvironmentVariable("WATTSIGHT_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        QVERIFY(widget->grab().save(QDir(dir).filePath(name), "PNG"));
    }
}

} // namespace

class TestMailDialog : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void incompleteInformation_data();
    void incompleteInformation();
    void sendsTwiceWithProgressAndKeepsTheRecipient();
    void attachmentsEmptyWhenAddedDoNotStopTheProgress();
    void failures_data();
    void failures();
    void closingTheDialogEndsTheThread();
    void duplicateAttachmentRefusedOnce();
    void progressPercent_data();
    void progressPercent();
    void listLayoutRules_data();
    void listLayoutRules();
    void listLayoutWithEntries();
    void deleteButtonRemovesItsEntry();
    void entryLooksAndSelection();
    void contactUsOpensTheDialogWithTheSettings();
    void looksFinishedInEveryLanguage_data();
    void looksFinishedInEveryLanguage();

private:
    MessageRecorder* m_pMessages = nullptr;
};

void TestMailDialog::init() {
    m_pMessages = new MessageRecorder;
}

void TestMailDialog::cleanup() {
    delete m_pMessages;
    m_pMessages = nullptr;
}

void TestMailDialog::incompleteInformation_data() {
    QTest::addColumn<QString>("missing");
    QTest::addColumn<bool>("warnedAtOpen");
    QTest::addColumn<bool>("sends");
    QTest::newRow("server") << "server" << true << false;
    QTest::newRow("logon name") << "name" << true << false;
    QTest::newRow("logon key") << "key" << true << false;
    QTest::newRow("sender") << "from" << true << false;
    QTest::newRow("recipient: only at Send") << "to" << false << false;
    QTest::newRow("nothing") << "" << false << true;
}

void TestMailDialog::incompleteInformation() {
    QFETCH(QString, missing);
    QFETCH(bool, warnedAtOpen);
    QFETCH(bool, sends);
    QMailRecord record = Account(QStringLiteral("smtp://127.0.0.1:%1").arg(ClosedPort()));
    QString* fields[] = {&record.m_strServer, &record.m_strLogonName, &record.m_strLogonKey,
                         &record.m_strFrom, &record.m_strTo};
    const QStringList names = {"server", "name", "key", "from", "to"};
    if (!missing.isEmpty()) {
        fields[names.indexOf(missing)]->clear();
    }
    QE_Mail dialog;
    dialog.SetMailRecord(record);
    QCOMPARE(m_pMessages->Texts(), warnedAtOpen
                                       ? QStringList{"Information is incomplete!Mail will not be successful!"}
                                       : QStringList());
    QCOMPARE(dialog.findChild<QLineEdit*>("Sender")->text(), record.m_strTo);

    m_pMessages->asked.clear();
    dialog.on_pushButton_clicked();
    QCOMPARE(dialog.MailThread() != nullptr, sends);
    if (sends) {
        QTRY_COMPARE(m_pMessages->Texts(), QStringList{"Failed to connect to server!"});
    } else {
        QCOMPARE(m_pMessages->Texts(), QStringList{"Information is incomplete!"});
        QCOMPARE(m_pMessages->asked.first().type, int(MessageBox::TypeOk));
    }
}

void TestMailDialog::sendsTwiceWithProgressAndKeepsTheRecipient() {
    ShellDataDir data;
    QSystemModel plant;
    plant.InitSystemFile();
    const QByteArray fileBefore = ReadBytes(data.FilePath("system.dat"));
    SmtpTestServer server;
    QVERIFY(server.Start(ServerAccount()));
    QTemporaryDir dir;
    const QStringList files = {MakeFile(dir, "day.csv", 1500), MakeFile(dir, "faults.txt", 4500)};

    QE_Mail dialog;
    dialog.SetMailRecord(Account(server.Plain()));
    dialog.SetSystem(&plant);
    dialog.findChild<QLineEdit*>("Sender")->setText("new.installer@example.test");
    dialog.findChild<QLineEdit*>("Title")->setText("June");
    dialog.findChild<QTextEdit*>("textEdit")->setPlainText("Two files.");
    dialog.AddAttachments(files);

    for (int send = 1; send <= 2; ++send) {
        m_pMessages->asked.clear();
        ProgressWatch watch(&dialog);
        dialog.on_pushButton_clicked(); // returns once the progress dialog closed
        QVERIFY(watch.opened);
        QVERIFY(!dialog.ProgressDlg());
        QCOMPARE(watch.values, QList<int>({25, 75, 100}));
        QCOMPARE(dialog.Total(), qint64(6000));
        QTRY_COMPARE(m_pMessages->Texts(), QStringList{"Send success!"});
        QTRY_COMPARE(server.MessageCount(), send);
        const QJsonArray parts = server.Parsed(send).value("parts").toArray();
        QCOMPARE(parts.size(), 3);
        QCOMPARE(parts.at(1).toObject().value("filename").toString(), QStringLiteral("day.csv"));
        QCOMPARE(parts.at(2).toObject().value("filename").toString(), QStringLiteral("faults.txt"));
        QCOMPARE(PartPayload(server.Parsed(send), 2), QByteArray(4500, char('a' + 4500 % 26)));
    }
    // The recipient is kept for the next mail, in memory only.
    QCOMPARE(plant.Settings().EmailTo(), QStringLiteral("new.installer@example.test"));
    QCOMPARE(ReadBytes(data.FilePath("system.dat")), fileBefore);

    dialog.on_pushButton_2_clicked();
    QVERIFY(dialog.findChild<QLineEdit*>("Sender")->text().isEmpty());
    QVERIFY(dialog.findChild<QLineEdit*>("Title")->text().isEmpty());
    QVERIFY(dialog.findChild<QTextEdit*>("textEdit")->toPlainText().isEmpty());
    QCOMPARE(dialog.AttachmentList()->Count(), 0);
    QCOMPARE(dialog.Total(), qint64(QE_Mail::InitialTotal));
}

void TestMailDialog::attachmentsEmptyWhenAddedDoNotStopTheProgress() {
    SmtpTestServer server;
    QVERIFY(server.Start(ServerAccount()));
    QTemporaryDir dir;
    const QString grown = MakeFile(dir, "grown.csv", 0);
    const QString missing = dir.filePath("later.csv");
    QE_Mail dialog;
    dialog.SetMailRecord(Account(server.Plain()));
    dialog.AddAttachments({grown, missing});
    WriteAll(grown, QByteArray(5000, 'g'));
    WriteAll(missing, QByteArray(100, 'm'));

    ProgressWatch watch(&dialog);
    dialog.on_pushButton_clicked();
    QVERIFY(watch.opened);
    QCOMPARE(dialog.Total(), qint64(0));
    QVERIFY(watch.values.isEmpty());
    QVERIFY(watch.open.elapsed() < 15000); // closed by the success, not by the watch
    QTRY_COMPARE(m_pMessages->Texts(), QStringList{"Send success!"});
    QCOMPARE(PartPayload(server.Parsed(), 1), QByteArray(5000, 'g'));
}

void TestMailDialog::failures_data() {
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<bool>("withAttachment");
    QTest::addColumn<QString>("message");
    QTest::newRow("closed port") << false << false << "Failed to connect to server!";
    QTest::newRow("logon key refused") << true << false << "Failed to send message!";
    QTest::newRow("refused with an attachment: the progress stays until closed")
        << true << true << "Failed to send message!";
}

void TestMailDialog::failures() {
    QFETCH(bool, reachable);
    QFETCH(bool, withAttachment);
    QFETCH(QString, message);
    SmtpTestServer server;
    QVERIFY(!reachable || server.Start(ServerAccount()));
    QMailRecord record =
        Account(reachable ? server.Plain() : QStringLiteral("smtp://127.0.0.1:%1").arg(ClosedPort()));
    record.m_strLogonKey = QStringLiteral("wrong");
    QSystemModel plant;
    QE_Mail dialog;
    dialog.SetMailRecord(record);
    dialog.SetSystem(&plant);
    QTemporaryDir dir;
    if (withAttachment) {
        dialog.AddAttachments({MakeFile(dir, "a.csv", 10)});
        // The operator closes the progress dialog after reading the message.
        m_pMessages->during = [&dialog](MessageBox&) {
            QTimer::singleShot(0, &dialog, [&dialog] { dialog.ProgressDlg()->close(); });
        };
    }
    ProgressWatch watch(&dialog);
    dialog.on_pushButton_clicked();
    QCOMPARE(watch.opened, withAttachment);
    QTRY_COMPARE(m_pMessages->Texts(), QStringList{message});
    QCOMPARE(plant.Settings().EmailTo(), QString());
}

void TestMailDialog::closingTheDialogEndsTheThread() {
    SmtpTestServer server;
    QVERIFY(server.Start(ServerAccount() + QStringList{"--silent-after", "2"}));
    std::atomic<bool> ended{false};
    auto* dialog = new QE_Mail;
    dialog->SetMailRecord(Account(server.Plain()));
    dialog->on_pushButton_clicked();
    QVERIFY(dialog->MailThread());
    connect(dialog->MailThread(), &QThread::finished, [&ended] { ended = true; });
    QTRY_VERIFY(!server.Session().isEmpty()); // waiting for the server now
    QElapsedTimer timer;
    timer.start();
    delete dialog;
    QVERIFY(ended);
    QVERIFY(timer.elapsed() < 2000);
    QVERIFY(m_pMessages->Texts().isEmpty());
}

void TestMailDialog::duplicateAttachmentRefusedOnce() {
    QTemporaryDir dir;
    const QString a = MakeFile(dir, "a.csv", 10);
    const QString b = MakeFile(dir, "b.csv", 20);
    QE_Mail dialog;
    dialog.AddAttachments({a, b, a});
    dialog.AddAttachments({b + "/../b.csv"}); // another text for the same file is another entry
    QCOMPARE(m_pMessages->Texts(), QStringList{"The file has been added!"});
    QCOMPARE(dialog.AttachmentList()->Paths(), QStringList({a, b, b + "/../b.csv"}));
    QCOMPARE(dialog.AttachmentList()->TotalSize(), qint64(10 + 20 + 0));
    QCOMPARE(dialog.AttachmentList()->Path(3), QString());
    QCOMPARE(dialog.AttachmentList()->Path(-1), QString());
}

void TestMailDialog::progressPercent_data() {
    QTest::addColumn<int>("sent");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("percent");
    QTest::newRow("a quarter") << 1500 << qint64(6000) << 25;
    QTest::newRow("rounded down") << 5999 << qint64(6000) << 99;
    QTest::newRow("50 MB of 100 MB") << 50000000 << qint64(100000000) << 50;
    QTest::newRow("more than the total") << 7000 << qint64(6000) << 116;
    QTest::newRow("no total") << 5000 << qint64(0) << -1;
}

void TestMailDialog::progressPercent() {
    QFETCH(int, sent);
    QFETCH(qint64, total);
    QFETCH(int, percent);
    QCOMPARE(QE_Mail::Percent(sent, total), percent);
}

void TestMailDialog::listLayoutRules_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("widest");
    QTest::addColumn<QSize>("size");
    QTest::newRow("empty") << 0 << 0 << QSize(289, 89);
    QTest::newRow("one short") << 1 << 100 << QSize(289, 89);
    QTest::newRow("two fill the height") << 2 << 289 << QSize(289, 89);
    QTest::newRow("three short: room for the scroll bar") << 3 << 100 << QSize(271, 92);
    QTest::newRow("three, 279 wide") << 3 << 279 << QSize(271, 92);
    QTest::newRow("three, 280 wide") << 3 << 280 << QSize(280, 92);
    QTest::newRow("three, 289 wide") << 3 << 289 << QSize(289, 92);
    QTest::newRow("one wide: at least 71 high") << 1 << 290 << QSize(290, 71);
    QTest::newRow("two wide") << 2 << 400 << QSize(400, 71);
    QTest::newRow("three wide") << 3 << 400 << QSize(400, 92);
}

void TestMailDialog::listLayoutRules() {
    QFETCH(int, count);
    QFETCH(int, widest);
    QFETCH(QSize, size);
    QCOMPARE(QFileWnd::LayoutSize(count, widest), size);
}

void TestMailDialog::listLayoutWithEntries() {
    QTemporaryDir dir;
    QFileList list;
    list.show();
    QFileWnd* window = list.Window();
    QCOMPARE(window->size(), QSize(289, 89));
    QCOMPARE(window->mapTo(list.ScrollArea(), QPoint(0, 0)), QPoint(1, 1));
    QVERIFY(list.AddPath("1.csv"));
    QCOMPARE(window->size(), QSize(289, 89));
    QCOMPARE(window->Items().at(0)->geometry(), QRect(1, 1, 288, 30));
    QVERIFY(list.AddPath("2.csv"));
    QVERIFY(list.AddPath("3.csv"));
    QCOMPARE(window->size(), QSize(271, 92));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(window->Items().at(i)->geometry(), QRect(1, 30 * i + 1, 270, 30));
    }
    QTRY_VERIFY(list.ScrollArea()->verticalScrollBar()->isVisible());
    QVERIFY(!list.ScrollArea()->horizontalScrollBar()->isVisible());

    const QString longPath = QString(60, 'x') + ".csv";
    QVERIFY(list.AddPath(longPath));
    QCOMPARE(window->width(), window->Items().at(3)->NeededWidth());
    QCOMPARE(window->height(), 122);
    QTRY_VERIFY(list.ScrollArea()->horizontalScrollBar()->isVisible());

    list.Clear();
    QCOMPARE(list.Count(), 0);
    QCOMPARE(window->height(), 122); // until the next addition
    QVERIFY(list.AddPath("4.csv"));
    QCOMPARE(window->size(), QSize(289, 89));
}

void TestMailDialog::deleteButtonRemovesItsEntry() {
    QFileList list;
    list.show();
    for (const char* path : {"a.csv", "b.csv", "c.csv"}) {
        list.AddPath(QLatin1String(path));
    }
    QFileItem* middle = list.Window()->Items().at(1);
    QTest::mouseClick(middle, Qt::LeftButton, {}, QPoint(100, 15));
    QCOMPARE(QFileItem::Selected(), middle);
    QTest::mouseClick(middle->DeleteButton(), Qt::LeftButton);
    QCOMPARE(list.Count(), 3); // the entry goes when the list receives the event
    QCoreApplication::processEvents();
    QCOMPARE(list.Paths(), QStringList({"a.csv", "c.csv"}));
    QCOMPARE(QFileItem::Selected(), nullptr);
    QCOMPARE(list.Window()->size(), QSize(289, 89));
    QCOMPARE(list.Window()->Items().at(1)->geometry(), QRect(1, 31, 288, 30));

    // Two clicks before the list gets to them, and a Clear before it gets to one.
    QFileItem* first = list.Window()->Items().at(0);
    QTest::mouseClick(first->DeleteButton(), Qt::LeftButton);
    QTest::mouseClick(first->DeleteButton(), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(list.Paths(), QStringList({"c.csv"}));
    QTest::mouseClick(list.Window()->Items().at(0)->DeleteButton(), Qt::LeftButton);
    list.Clear();
    list.AddPath("d.csv");
    QCoreApplication::processEvents();
    QCOMPARE(list.Paths(), QStringList({"d.csv"}));
}

// Pointer and selection looks; a list closed with an entry selected leaves no
// selection behind for the next dialog to repaint.
void TestMailDialog::entryLooksAndSelection() {
    auto* list = new QFileList;
    list->show();
    list->AddPath("a.csv");
    list->AddPath("b.csv");
    QFileItem* a = list->Window()->Items().at(0);
    QFileItem* b = list->Window()->Items().at(1);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QEvent leave(QEvent::Leave);
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(100, 15));
    QCoreApplication::sendEvent(a, &enter);
    QCOMPARE(a->CurrentLook(), int(QFileItem::LookHover));
    QCoreApplication::sendEvent(a, &leave);
    QCOMPARE(a->CurrentLook(), int(QFileItem::LookSelected));
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(100, 15));
    QCOMPARE(a->CurrentLook(), int(QFileItem::LookNormal));
    QCOMPARE(QFileItem::Selected(), b);

    delete list;
    QCOMPARE(QFileItem::Selected(), nullptr);
}

void TestMailDialog::contactUsOpensTheDialogWithTheSettings() {
    ShellDataDir data;
    MainWindow window;
    window.FlashTimer()->stop();
    QSystemModel& plant = window.System();
    QAction* action = window.FindAction(QStringLiteral("Contact us"));
    QVERIFY(action);

    // Nothing of the account set yet: said at once, and Send sends nothing.
    // The link's notice of the start comes first, once connecting has failed.
    QTRY_VERIFY(!window.Bus()->Link()->IsActive());
    QCoreApplication::sendPostedEvents();
    m_pMessages->asked.clear();
    bool checked = false;
    QTimer::singleShot(0, &window, [&] {
        auto* dialog = qobject_cast<QE_Mail*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(m_pMessages->Texts(), QStringList{"Information is incomplete!Mail will not be successful!"});
        dialog->on_pushButton_clicked();
        QCOMPARE(m_pMessages->Texts().last(), QStringLiteral("Information is incomplete!"));
        QVERIFY(!dialog->MailThread());
        QVERIFY(!QUserActivity::IdleCheck());
        checked = true;
        dialog->close();
    });
    action->trigger();
    QVERIFY(checked);
    QVERIFY(QUserActivity::IdleCheck());

    plant.SetSystemValue("EmailServer", "smtps://mail.example.test:2465", false);
    plant.SetSystemValue("EmailLogonName", kName, false);
    plant.SetSystemValue("EmailFrom", kName, false);
    plant.SetSystemValue("EmailLogonKey", kKey, false);
    plant.SetSystemValue("EmailTo", "installer@example.test", false);
    plant.SetSystemValue(QMailRecord::TrustedCaKey, "/etc/wattsight/ca.pem", false);
    m_pMessages->asked.clear();
    checked = false;
    QTimer::singleShot(0, &window, [&] {
        auto* dialog = qobject_cast<QE_Mail*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        const QMailRecord& record = dialog->Record();
        QCOMPARE(record.m_strServer, QStringLiteral("smtps://mail.example.test:2465"));
        QCOMPARE(record.m_strLogonName, kName);
        QCOMPARE(record.m_strLogonKey, kKey);
        QCOMPARE(record.m_strFrom, kName);
        QCOMPARE(record.m_strTrustedCaFile, QStringLiteral("/etc/wattsight/ca.pem"));
        QVERIFY(record.m_strSubject.isEmpty() && record.m_strBody.isEmpty() &&
                record.m_Attachments.isEmpty());
        QCOMPARE(dialog->findChild<QLineEdit*>("Sender")->text(), QStringLiteral("installer@example.test"));
        QVERIFY(m_pMessages->Texts().isEmpty());
        checked = true;
        dialog->close();
    });
    action->trigger();
    QVERIFY(checked);
}

void TestMailDialog::looksFinishedInEveryLanguage_data() {
    QTest::addColumn<QString>("letter");
    for (const char* letter : {"E", "C", "T", "I"}) {
        QTest::newRow(letter) << QString::fromLatin1(letter);
    }
}

void TestMailDialog::looksFinishedInEveryLanguage() {
    QFETCH(QString, letter);
    QTranslator translator;
    QVERIFY(translator.load(":/lan/Language_" + letter + ".qm"));
    QCoreApplication::installTranslator(&translator);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("data"));
    QE_Mail dialog;
    dialog.SetMailRecord(Account("smtp.example.com:587"));
    dialog.findChild<QLineEdit*>("Title")->setText("Plant report, June");
    dialog.findChild<QTextEdit*>("textEdit")
        ->setPlainText(
            "Hello,\n\ninverter 3 reported an insulation fault this morning. The day log and the fault list "
            "are attached.\n\nRegards");
    dialog.AddAttachments({MakeFile(dir, "data/2024-06-14.csv", 4000), MakeFile(dir, "data/fault.txt", 900),
                           MakeFile(dir, "data/report.pdf", 20000)});
    dialog.show();
    QTest::mouseClick(dialog.AttachmentList()->Window()->Items().at(1), Qt::LeftButton, {}, QPoint(100, 15));
    QTest::qWait(50);
    SaveShot(&dialog, "mail-dialog-" + letter + ".png");
    QCOMPARE(Clipped(&dialog).join(" | "), QString());

    QProgressDlg progress(&dialog);
    progress.SetValue(62);
    progress.show();
    SaveShot(&progress, "mail-progress-" + letter + ".png");
    QCOMPARE(Clipped(&progress).join(" | "), QString());
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(TestMailDialog)
#include "test_mail_dialog.moc"
