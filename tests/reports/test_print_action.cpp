// The main window's Print action end to end: the save dialog's choice reaches
// the page that renders it, the chosen inverter becomes the browser's, and the
// generation report carries the figures of the statistics files.

#include "MainWindow.h"
#include "Page2.h"
#include "QGenerationStore.h"
#include "QInverter.h"
#include "QReportOutput.h"
#include "QSaveDialog.h"
#include "ReportsTestSupport.h"
#include "SystemClock.h"

#include <QComboBox>
#include <QDateEdit>
#include <QImage>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

using namespace reportstest;

namespace {
QInverter* NewInverter(const QString& name, const QString& model, int address) {
    auto* inverter = new QInverter;
    inverter->SetName(name);
    inverter->SetModel(QInverter::LookupModel(model));
    inverter->SetAddress(address);
    return inverter;
}

// What the reports said, without the link's own notices (nobody listens on its port).
QStringList Said(const Messages& messages) {
    QStringList said = messages.Texts();
    said.removeAll(QStringLiteral("Failed to connect to server!"));
    return said;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
} // namespace

class TestPrintAction : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void dispatch_data();
    void dispatch();
    void cancelDoesNothing();

private:
    std::unique_ptr<DataDir> m_pData;
    std::unique_ptr<Messages> m_pMessages;
};

void TestPrintAction::init() {
    SystemClock::SetFixed(QDateTime(QDate(2024, 6, 15), QTime(11, 0)));
    m_pData = std::make_unique<DataDir>();
    // A TCP link to a port nobody listens on: the window opens at once.
    QFile system(m_pData->File(QStringLiteral("system.dat")));
    QVERIFY(system.open(QIODevice::WriteOnly));
    for (const auto& entry : QList<QPair<QByteArray, QByteArray>>{{"systemname", "Hillside"},
                                                                  {"CommunicationType", "1"},
                                                                  {"IPAddress", "127.0.0.1"},
                                                                  {"IP_number", "9"},
                                                                  {"CurrencyUnit", "EUR"},
                                                                  {"price", "40"}}) {
        system.write(entry.first + "?\x02?" + entry.second + "?\x03?");
    }
    system.close();
    m_pMessages = std::make_unique<Messages>();
}

void TestPrintAction::cleanup() {
    QSaveDialog::SetHook(nullptr);
    QReportOutput::SetPreviewHook(nullptr);
    m_pMessages.reset();
    m_pData.reset();
    SystemClock::UseSystem();
}

void TestPrintAction::dispatch_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("period");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content"); // the text file's bytes, or the picture's size
    QTest::addColumn<int>("previewPages");
    QTest::newRow("inverter generation by month as CSV") << 3 << "savebtn" << 2 << 2 << "out.csv"
                                                         << QByteArray("West,Monthly,01/04/2024-31/06/2024\n"
                                                                       "Month,Generation(kWh),Benefits(EUR)\n"
                                                                       " 2024-04,300.00,120.00\n"
                                                                       " 2024-05,200.00,80.00\n"
                                                                       " 2024-06,100.00,40.00\n"
                                                                       "Total,600.00,240.00\n")
                                                         << -1;
    QTest::newRow("system generation by day as TXT")
        << 2 << "savebtn" << 3 << 1 << "out.txt"
        << QByteArray("All Inverter,Daily,13/06/2024-15/06/2024\n"
                      "Date,Generation(kWh),Benefits(EUR)\n"
                      " 2024-06-13,3.02,1.21\n"
                      " 2024-06-14,3.01,1.20\n"
                      " 2024-06-15,3.00,1.20\n"
                      "Total,9.03,3.61\n")
        << -1;
    QTest::newRow("inverter information as BMP")
        << 1 << "savebtn" << 1 << 1 << "out.bmp" << QByteArray("630x891") << -1;
    QTest::newRow("system information as BMP")
        << 0 << "savebtn" << 1 << 1 << "out.bmp" << QByteArray("1188x840") << -1;
    QTest::newRow("printing an inverter's information")
        << 1 << "printbtn" << 0 << 1 << "" << QByteArray() << 1;
    QTest::newRow("printing the system generation") << 2 << "printbtn" << 0 << 1 << "" << QByteArray() << 1;
}

void TestPrintAction::dispatch() {
    QFETCH(int, kind);
    QFETCH(QString, button);
    QFETCH(int, format);
    QFETCH(int, period);
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(int, previewPages);

    MainWindow window;
    QVERIFY(
        window.System().AddInverter(NewInverter(QStringLiteral("East"), QStringLiteral("Tivra PA5KS"), 1)));
    QInverter* west = NewInverter(QStringLiteral("West"), QStringLiteral("Tivra PA10KT"), 2);
    QVERIFY(window.System().AddInverter(west));
    // Statistics as the inverter reports them: months back from June, days back from today.
    for (int j = 0; j < 12; ++j) {
        west->SetStatItem(j, 10000 * (j + 1));
    }
    for (int i = 0; i < 32; ++i) {
        west->SetStatItem(12 + i, 300 + i);
    }
    QGenerationStore::SaveTotal(west, 1);
    QGenerationStore::SaveTotal(west, 2);
    window.BrowserPage()->SelectInverter(window.System().Inverter(0));

    const QString folder = m_pData->File(QStringLiteral("reports"));
    QVERIFY(QDir().mkpath(folder));
    int shownPages = -1;
    QReportOutput::SetPreviewHook([&](QPrintPreviewDialog& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        preview->updatePreview();
        shownPages = preview->pageCount();
    });
    QSaveDialog::SetHook([&](QSaveDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("com_select"))->setCurrentIndex(kind);
        dialog.findChild<QComboBox*>(QStringLiteral("com_inverter"))->setCurrentIndex(1);
        dialog.findChild<QComboBox*>(QStringLiteral("com_save_as"))->setCurrentIndex(format);
        const char* const radios[3] = {"radioButton", "radioButton_2", "radioButton_3"};
        dialog.findChild<QRadioButton*>(QLatin1String(radios[period - 1]))->setChecked(true);
        dialog.findChild<QDateEdit*>(QStringLiteral("dateEdit"))
            ->setDate(QDate(2024, period == 2 ? 4 : 6, 13));
        dialog.findChild<QLineEdit*>(QStringLiteral("filePath"))->setText(folder);
        dialog.findChild<QLineEdit*>(QStringLiteral("name_edit"))->setText(QStringLiteral("out"));
        dialog.findChild<QPushButton*>(button)->click();
    });
    window.Print();

    // The chosen inverter is the browser's now.
    QCOMPARE(window.BrowserPage()->CurrentInverter(), west);
    QCOMPARE(shownPages, previewPages);
    if (file.isEmpty()) {
        QCOMPARE(Said(*m_pMessages), QStringList());
        QVERIFY(QDir(folder).isEmpty());
        return;
    }
    QCOMPARE(Said(*m_pMessages), QStringList{QStringLiteral("Successfully saved!")});
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{file});
    const QString path = QDir(folder).filePath(file);
    if (file.endsWith(QLatin1String(".bmp"))) {
        const QImage image(path, "BMP");
        QCOMPARE(QByteArray::number(image.width()) + 'x' + QByteArray::number(image.height()), content);
    } else {
        QCOMPARE(ReadFile(path), content);
    }
}

void TestPrintAction::cancelDoesNothing() {
    MainWindow window;
    QVERIFY(
        window.System().AddInverter(NewInverter(QStringLiteral("East"), QStringLiteral("Tivra PA5KS"), 1)));
    bool asked = false;
    QSaveDialog::SetHook([&](QSaveDialog& dialog) {
        asked = true;
        dialog.findChild<QPushButton*>(QStringLiteral("cancelbtn"))->click();
    });
    window.Print();
    QVERIFY(asked);
    QCOMPARE(Said(*m_pMessages), QStringList());
    QCOMPARE(QDir(m_pData->Path())
                 .entryList(QStringList{QStringLiteral("*.pdf"), QStringLiteral("*.bmp")}, QDir::Files),
             QStringList());
}

QTEST_MAIN(TestPrintAction)
#include "test_print_action.moc"
