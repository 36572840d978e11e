#include "Page21.h"
#include "QMyColorDialog.h"
#include "QTrend.h"
#include "QTrendSetDlg.h"
#include "QTrendSetFile.h"
#include "QUserActivity.h"
#include "ViewsTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QtEndian>
#include <QtTest>
#include <functional>

using namespace viewstest;

namespace {

// trendset.dat laid out from its table: six little-endian 32-bit integers,
// Color1, Color2, Color3, Auto, MaxValue, Total.
QByteArray TrendFile(qint32 c1, qint32 c2, qint32 c3, qint32 autoFlag, qint32 maxValue, qint32 total) {
    QByteArray bytes;
    for (qint32 value : {c1, c2, c3, autoFlag, maxValue, total}) {
        char raw[4];
        qToLittleEndian<qint32>(value, raw);
        bytes.append(raw, 4);
    }
    return bytes;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs work on the modal dialog of type T as soon as it is open.
template <typename T> void WhenOpen(std::function<void(T*)> work) {
    QTimer::singleShot(0, [work]() {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog) {
            WhenOpen<T>(work);
            return;
        }
        work(dialog);
    });
}

QString Swatch(qint32 rgb) {
    return QString::asprintf("border: 1px solid #808080;background-color:#%06X;", rgb);
}

} // namespace

class TestTrendSettings : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_pData.reset(new DataDir);
        QFile::remove(QTrendSetFile::FilePath());
    }

    void fileAppliesEverySetting();
    void missingOrShortFileKeepsTheDefaults_data();
    void missingOrShortFileKeepsTheDefaults();
    void oversizedFileUsesItsFirstRecord();
    void implausibleValuesAreNotApplied();
    void randomFilesNeverBreakTheTrend();
    void saveWritesTheDocumentedLayout();

    void dialogLoadsSettings();
    void dialogStoresMaximumInThousandths_data();
    void dialogStoresMaximumInThousandths();
    void dialogCheckBoxEnablesAndClearsMaximum();
    void dialogRestoresDefaults();
    void colourSwatchTakesTheChosenColour();
    void colourDialogCancelledKeepsNoColour();

    void pageOkAppliesAndWritesTheFile();
    void pageCancelLeavesTrendAndFileUntouched();
    void pageWritesTheFileWhenDestroyed();

private:
    QScopedPointer<DataDir> m_pData;
};

void TestTrendSettings::fileAppliesEverySetting() {
    WriteFile(QTrendSetFile::FilePath(), TrendFile(0x112233, 0x445566, 0x778899, 0, 12250, 600));
    QTrend trend;
    QVERIFY(QTrendSetFile::Load(trend));
    QCOMPARE(trend.m_Color1 & 0xFFFFFF, 0x112233u);
    QCOMPARE(trend.m_Color2 & 0xFFFFFF, 0x445566u);
    QCOMPARE(trend.m_Color3 & 0xFFFFFF, 0x778899u);
    QCOMPARE(trend.m_bAuto, false);
    QCOMPARE(trend.m_nMax, 12250);
    QCOMPARE(trend.m_nTotal, 600);
    // Any value but 0 means the automatic axis.
    WriteFile(QTrendSetFile::FilePath(), TrendFile(0xFF0000, 0x8000FF, 0, 7, 9000, 100));
    QVERIFY(QTrendSetFile::Load(trend));
    QCOMPARE(trend.m_bAuto, true);
    QCOMPARE(trend.m_nTotal, 100);
}

void TestTrendSettings::missingOrShortFileKeepsTheDefaults_data() {
    QTest::addColumn<int>("length"); // -1: no file
    QTest::newRow("missing") << -1;
    QTest::newRow("empty") << 0;
    QTest::newRow("one value") << 4;
    QTest::newRow("one byte short") << 23;
}

void TestTrendSettings::missingOrShortFileKeepsTheDefaults() {
    QFETCH(int, length);
    if (length >= 0) {
        WriteFile(QTrendSetFile::FilePath(),
                  TrendFile(0x123456, 0x123456, 0x123456, 0, 77000, 1200).left(length));
    }
    QTrend trend;
    QVERIFY(!QTrendSetFile::Load(trend));
    const QTrend defaults;
    QCOMPARE(trend.m_Color1, defaults.m_Color1);
    QCOMPARE(trend.m_Color2, defaults.m_Color2);
    QCOMPARE(trend.m_Color3, defaults.m_Color3);
    QCOMPARE(trend.m_bAuto, defaults.m_bAuto);
    QCOMPARE(trend.m_nMax, defaults.m_nMax);
    QCOMPARE(trend.m_nTotal, defaults.m_nTotal);
}

void TestTrendSettings::oversizedFileUsesItsFirstRecord() {
    QByteArray bytes = TrendFile(0x010203, 0x040506, 0x070809, 0, 4000, 1200);
    bytes += TrendFile(0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 1, 1, 10);
    WriteFile(QTrendSetFile::FilePath(), bytes);
    QTrend trend;
    QVERIFY(QTrendSetFile::Load(trend));
    QCOMPARE(trend.m_Color1 & 0xFFFFFF, 0x010203u);
    QCOMPARE(trend.m_nMax, 4000);
    QCOMPARE(trend.m_nTotal, 1200);
    QCOMPARE(trend.m_bAuto, false);
}

void TestTrendSettings::implausibleValuesAreNotApplied() {
    // A fixed axis of height 0 and a window of 0 minutes would make the chart divide by zero.
    WriteFile(QTrendSetFile::FilePath(), TrendFile(0x102030, 0, 0, 0, 0, 0));
    QTrend trend;
    QVERIFY(QTrendSetFile::Load(trend));
    QCOMPARE(trend.m_Color1 & 0xFFFFFF, 0x102030u);
    QCOMPARE(trend.m_bAuto, true);
    QVERIFY(trend.m_nMax > 0);
    QCOMPARE(trend.m_nTotal, 10);
    WriteFile(QTrendSetFile::FilePath(), TrendFile(0, 0, 0, 0, -5000, 45));
    QVERIFY(QTrendSetFile::Load(trend));
    QCOMPARE(trend.m_bAuto, true);
    QCOMPARE(trend.m_nTotal, 10);
}

void TestTrendSettings::randomFilesNeverBreakTheTrend() {
    QRandomGenerator random(4711);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes(int(random.bounded(64)), '\0');
        for (char& byte : bytes) {
            byte = char(random.bounded(256));
        }
        WriteFile(QTrendSetFile::FilePath(), bytes);
        QTrend trend;
        trend.resize(300, 200);
        QTrendSetFile::Load(trend);
        QVERIFY(QTrendSetFile::IsValidTotal(trend.m_nTotal));
        QVERIFY(trend.m_bAuto || trend.m_nMax > 0);
        trend.SetStart(600);
        trend.AddData(0, 1000);
        trend.AddData(1, 900);
        QVERIFY(!trend.grab().isNull());
    }
}

void TestTrendSettings::saveWritesTheDocumentedLayout() {
    QTrend trend;
    trend.SetAttribute(QStringLiteral("Color1"), QString::number(0xFF0A0B0Cu), false);
    trend.SetAttribute(QStringLiteral("Color2"), QString::number(0x00102030), false);
    trend.SetAttribute(QStringLiteral("Auto"), QStringLiteral("false"), false);
    trend.SetAttribute(QStringLiteral("MaxValue"), QStringLiteral("12250"), false);
    trend.SetAttribute(QStringLiteral("Total"), QStringLiteral("1200"), false);
    WriteFile(QTrendSetFile::FilePath(), QByteArray(100, 'x')); // replaced whole, not overwritten in place
    QVERIFY(QTrendSetFile::Save(trend));
    QCOMPARE(ReadFile(QTrendSetFile::FilePath()),
             TrendFile(qint32(0xFF0A0B0Cu), 0x00102030, 0, 0, 12250, 1200));
    trend.SetAttribute(QStringLiteral("Auto"), QStringLiteral("true"), false);
    QVERIFY(QTrendSetFile::Save(trend));
    QCOMPARE(ReadFile(QTrendSetFile::FilePath()).mid(12, 4), TrendFile(1, 0, 0, 0, 0, 0).left(4));

    QTrend reloaded;
    QVERIFY(QTrendSetFile::Load(reloaded));
    QCOMPARE(reloaded.m_Color1, trend.m_Color1);
    QCOMPARE(reloaded.m_nTotal, 1200);

    const QString nowhere = m_pData->File(QStringLiteral("no/such/folder/trendset.dat"));
    QVERIFY(!QTrendSetFile::Save(trend, nowhere));
    QVERIFY(!QFile::exists(nowhere));
}

void TestTrendSettings::dialogLoadsSettings() {
    QTrendSetDlg dialog;
    TrendSettings settings;
    settings.Color1 = 0x112233;
    settings.Color2 = qint32(0xFF445566u);
    settings.Color3 = 0;
    settings.Flag = 0; // fixed axis
    settings.MaxValue = 12250;
    settings.Total = 600;
    dialog.Load(settings);
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("Input"))->styleSheet(), Swatch(0x112233));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("Output"))->styleSheet(), Swatch(0x445566));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("Energy"))->styleSheet(), Swatch(0));
    QVERIFY(dialog.findChild<QCheckBox*>(QStringLiteral("checkBox"))->isChecked());
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("MaxValue"));
    QVERIFY(edit->isEnabled());
    QCOMPARE(edit->text(), QStringLiteral("12.25"));
    auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("Time_com"));
    QCOMPARE(combo->currentIndex(), 2);
    // Each choice is labelled with the span its code shows, in minutes.
    const QList<QPair<QString, int>> spans = {{QStringLiteral("10 minutes"), 10},
                                              {QStringLiteral("100 minutes"), 100},
                                              {QStringLiteral("10 hours"), 600},
                                              {QStringLiteral("20 hours"), 1200}};
    QCOMPARE(combo->count(), spans.size());
    for (int i = 0; i < spans.size(); ++i) {
        QCOMPARE(combo->itemText(i), spans[i].first);
        QTrendSetDlg chosen;
        chosen.Load(settings);
        chosen.findChild<QComboBox*>(QStringLiteral("Time_com"))->setCurrentIndex(i);
        chosen.findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
        QCOMPARE(chosen.Settings().Total, spans[i].second);
    }
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));

    QTrendSetDlg automatic;
    settings.Flag = 1;
    settings.Total = 1200;
    automatic.Load(settings);
    QVERIFY(!automatic.findChild<QCheckBox*>(QStringLiteral("checkBox"))->isChecked());
    QVERIFY(!automatic.findChild<QLineEdit*>(QStringLiteral("MaxValue"))->isEnabled());
    QVERIFY(automatic.findChild<QLineEdit*>(QStringLiteral("MaxValue"))->text().isEmpty());
    QCOMPARE(automatic.findChild<QComboBox*>(QStringLiteral("Time_com"))->currentIndex(), 3);
}

void TestTrendSettings::dialogStoresMaximumInThousandths_data() {
    QTest::addColumn<QString>("entered");
    QTest::addColumn<int>("stored");
    QTest::newRow("1.50 is below the minimum") << QStringLiteral("1.50") << 2000;
    QTest::newRow("12.25") << QStringLiteral("12.25") << 12250;
    QTest::newRow("2.00") << QStringLiteral("2.00") << 2000;
    QTest::newRow("2.29 does not lose a thousandth") << QStringLiteral("2.29") << 2290;
    QTest::newRow("largest") << QStringLiteral("99999.99") << 99999990;
    QTest::newRow("empty") << QString() << 2000;
}

void TestTrendSettings::dialogStoresMaximumInThousandths() {
    QFETCH(QString, entered);
    QFETCH(int, stored);
    QTrendSetDlg dialog;
    TrendSettings settings;
    settings.Flag = 1;
    dialog.Load(settings);
    dialog.findChild<QCheckBox*>(QStringLiteral("checkBox"))->click();
    dialog.findChild<QLineEdit*>(QStringLiteral("MaxValue"))->setText(entered);
    dialog.findChild<QComboBox*>(QStringLiteral("Time_com"))->setCurrentIndex(1);
    dialog.findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
    QVERIFY(dialog.IsAccepted());
    QCOMPARE(dialog.Settings().Flag, 1);
    QCOMPARE(dialog.Settings().MaxValue, stored);
    QCOMPARE(dialog.Settings().Total, 100);
}

void TestTrendSettings::dialogCheckBoxEnablesAndClearsMaximum() {
    QTrendSetDlg dialog;
    TrendSettings settings;
    settings.Flag = 0;
    settings.MaxValue = 8000;
    dialog.Load(settings);
    auto* check = dialog.findChild<QCheckBox*>(QStringLiteral("checkBox"));
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("MaxValue"));
    QCOMPARE(edit->text(), QStringLiteral("8.00"));
    check->click();
    QVERIFY(!edit->isEnabled());
    QVERIFY(edit->text().isEmpty());
    check->click();
    QVERIFY(edit->isEnabled());
    // Up to five digits, a point and two decimals.
    dialog.show();
    QTest::keyClicks(edit, QStringLiteral("ab123456.789"));
    QCOMPARE(edit->text(), QStringLiteral("12345.78"));
    edit->clear();
    dialog.findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
    QCOMPARE(dialog.Settings().Flag, 1);
    QCOMPARE(dialog.Settings().MaxValue, 2000);
}

void TestTrendSettings::dialogRestoresDefaults() {
    QTrendSetDlg dialog;
    TrendSettings settings;
    settings.Color1 = 0x010101;
    settings.Color2 = 0x020202;
    settings.Color3 = 0x030303;
    settings.Flag = 0;
    settings.MaxValue = 9000;
    settings.Total = 1200;
    dialog.Load(settings);
    auto* restore = dialog.findChild<QCheckBox*>(QStringLiteral("Default"));
    restore->click();
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("Input"))->styleSheet(),
             QStringLiteral("border: 1px solid #808080;background-color:#FF0000"));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("Energy"))->styleSheet(),
             QStringLiteral("border: 1px solid #808080;background-color:#000000"));
    for (const char* name : {"Input", "Output", "Energy", "checkBox", "Time_com", "MaxValue"}) {
        QVERIFY2(!dialog.findChild<QWidget*>(QLatin1String(name))->isEnabled(), name);
    }
    QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("Time_com"))->currentIndex(), 0);
    restore->click();
    for (const char* name : {"Input", "Output", "Energy", "checkBox", "Time_com"}) {
        QVERIFY2(dialog.findChild<QWidget*>(QLatin1String(name))->isEnabled(), name);
    }
    dialog.findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
    const TrendSettings chosen = dialog.Settings();
    QCOMPARE(chosen.Color1, 0xFF0000);
    QCOMPARE(chosen.Color2, 0x8000FF);
    QCOMPARE(chosen.Color3, 0x000000);
    QCOMPARE(chosen.Flag, 0);
    QCOMPARE(chosen.Total, 10);
}

void TestTrendSettings::colourSwatchTakesTheChosenColour() {
    QTrendSetDlg dialog;
    dialog.Load(TrendSettings());
    bool seen = false;
    WhenOpen<QMyColorDialog>([&seen](QMyColorDialog* colours) {
        seen = true;
        colours->ColorDialog()->setCurrentColor(QColor(0x12, 0x34, 0x56));
        colours->ColorDialog()->accept();
    });
    dialog.findChild<QPushButton*>(QStringLiteral("Output"))->click();
    QVERIFY(seen);
    QCOMPARE(dialog.Settings().Color2, 0x123456);
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("Output"))->styleSheet(), Swatch(0x123456));
}

void TestTrendSettings::colourDialogCancelledKeepsNoColour() {
    QMyColorDialog colours;
    QCOMPARE(colours.size(),
             QSize(colours.ColorDialog()->width() + 21, colours.ColorDialog()->height() + 51));
    QCOMPARE(colours.ColorDialog()->pos(), QPoint(10, 40));
    QCOMPARE(colours.objectName(), QStringLiteral("QMyColorDialog"));
    colours.ColorDialog()->reject();
    QVERIFY(!colours.IsAccepted());
    QCOMPARE(colours.Colour(), -1);

    QTrendSetDlg dialog;
    TrendSettings settings;
    settings.Color1 = 0x0000FF;
    dialog.Load(settings);
    WhenOpen<QMyColorDialog>([](QMyColorDialog* open) { open->ColorDialog()->reject(); });
    dialog.findChild<QPushButton*>(QStringLiteral("Input"))->click();
    QCOMPARE(dialog.Settings().Color1, 0x0000FF);
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("Input"))->styleSheet(), Swatch(0x0000FF));
    dialog.show();
    dialog.findChild<QPushButton*>(QStringLiteral("pushButton_2"))->click();
    QVERIFY(!dialog.IsAccepted());
    QVERIFY(!dialog.isVisible());
}

void TestTrendSettings::pageOkAppliesAndWritesTheFile() {
    Page21 page;
    QTrend* trend = page.Trend();
    bool idleCheckWhileOpen = true;
    QUserActivity::SetIdleCheck(true);
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1000);
    SystemClock::SetFixed(before);
    QUserActivity::Touch();
    SystemClock::UseSystem();
    WhenOpen<QTrendSetDlg>([&idleCheckWhileOpen](QTrendSetDlg* dialog) {
        idleCheckWhileOpen = QUserActivity::IdleCheck();
        QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("MaxValue"))->isEnabled(), false);
        dialog->findChild<QCheckBox*>(QStringLiteral("checkBox"))->click();
        dialog->findChild<QLineEdit*>(QStringLiteral("MaxValue"))->setText(QStringLiteral("12.25"));
        dialog->findChild<QComboBox*>(QStringLiteral("Time_com"))->setCurrentIndex(2);
        dialog->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
    });
    page.findChild<QPushButton*>(QStringLiteral("pushButton"))->click();
    QVERIFY(!idleCheckWhileOpen);
    QVERIFY(QUserActivity::IdleCheck());
    QVERIFY(QUserActivity::IdleSeconds() < 5);
    QCOMPARE(trend->m_bAuto, false);
    QCOMPARE(trend->m_nMax, 12250);
    QCOMPARE(trend->m_nTotal, 600);
    QCOMPARE(ReadFile(QTrendSetFile::FilePath()), TrendFile(qint32(trend->m_Color1), qint32(trend->m_Color2),
                                                            qint32(trend->m_Color3), 0, 12250, 600));

    // Back to the automatic axis: the stored maximum is left as it was.
    WhenOpen<QTrendSetDlg>([](QTrendSetDlg* dialog) {
        QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("MaxValue"))->text(), QStringLiteral("12.25"));
        dialog->findChild<QCheckBox*>(QStringLiteral("checkBox"))->click();
        dialog->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
    });
    page.findChild<QPushButton*>(QStringLiteral("pushButton"))->click();
    QCOMPARE(trend->m_bAuto, true);
    QCOMPARE(ReadFile(QTrendSetFile::FilePath()).mid(12, 4), TrendFile(1, 0, 0, 0, 0, 0).left(4));
}

void TestTrendSettings::pageCancelLeavesTrendAndFileUntouched() {
    const QByteArray stored = TrendFile(0x111111, 0x222222, 0x333333, 0, 7000, 100);
    WriteFile(QTrendSetFile::FilePath(), stored);
    Page21 page;
    QTrend* trend = page.Trend();
    QCOMPARE(trend->m_nMax, 7000);
    const QRgb colour = trend->m_Color1;
    WhenOpen<QTrendSetDlg>([](QTrendSetDlg* dialog) {
        dialog->findChild<QCheckBox*>(QStringLiteral("checkBox"))->click();
        dialog->findChild<QComboBox*>(QStringLiteral("Time_com"))->setCurrentIndex(3);
        dialog->findChild<QPushButton*>(QStringLiteral("pushButton_2"))->click();
    });
    page.findChild<QPushButton*>(QStringLiteral("pushButton"))->click();
    QCOMPARE(trend->m_Color1, colour);
    QCOMPARE(trend->m_nMax, 7000);
    QCOMPARE(trend->m_nTotal, 100);
    QCOMPARE(trend->m_bAuto, false);
    QCOMPARE(ReadFile(QTrendSetFile::FilePath()), stored);
    QVERIFY(QUserActivity::IdleCheck());
}

void TestTrendSettings::pageWritesTheFileWhenDestroyed() {
    {
        Page21 page;
        page.Trend()->SetAttribute(QStringLiteral("Color3"), QString::number(0x00ABCDEF), false);
        page.Trend()->SetAttribute(QStringLiteral("Total"), QStringLiteral("1200"), false);
        QVERIFY(!QFile::exists(QTrendSetFile::FilePath()));
    }
    const QByteArray bytes = ReadFile(QTrendSetFile::FilePath());
    QCOMPARE(bytes.size(), 24);
    QCOMPARE(bytes.mid(8, 4), TrendFile(0x00ABCDEF, 0, 0, 0, 0, 0).left(4));
    QCOMPARE(bytes.mid(20, 4), TrendFile(1200, 0, 0, 0, 0, 0).left(4));
    Page21 again;
    QCOMPARE(again.Trend()->m_Color3 & 0xFFFFFF, 0xABCDEFu);
    QCOMPARE(again.Trend()->m_nTotal, 1200);
}

QTEST_MAIN(TestTrendSettings)
#include "test_trend_settings.moc"
