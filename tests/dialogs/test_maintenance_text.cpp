// What the maintenance dialogs make of the inverter's replies and of what the
// user types: grid texts, hex dumps, typed write buffers, prices, passwords and
// the CSV files. Expected texts are written out from the register layouts.

#include "InverterCodeLetters.h"
#include "MaintenanceCsv.h"
#include "MaintenanceText.h"
#include "QInverter.h"
#include "QInverterLogonDlg.h"
#include "RawRegisterText.h"
#include "SettingText.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray Hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// "column,row=text" for each grid text, in order.
QStringList Cells(const QList<GridText>& texts) {
    QStringList cells;
    for (const GridText& t : texts) {
        cells << QStringLiteral("%1:%2,%3=%4").arg(t.grid).arg(t.column).arg(t.row).arg(t.text);
    }
    return cells;
}

} // namespace

class TestMaintenanceText : public QObject {
    Q_OBJECT

private slots:
    void statisticsReplies_data();
    void statisticsReplies();
    void faultRecords_data();
    void faultRecords();
    void protectPointValues_data();
    void protectPointValues();
    void hexDump_data();
    void hexDump();
    void typedWriteBytes_data();
    void typedWriteBytes();
    void rawRequests_data();
    void rawRequests();
    void priceHundredths_data();
    void priceHundredths();
    void passwords_data();
    void passwords();
    void codeLetters();
    void csvFile();
};

void TestMaintenanceText::statisticsReplies_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("today's energy 123.45 kWh, money, CO2")
        << 1000 << Hex("00003039 000004D2 00000064 0000 0000 0000 0000")
        << QStringList{"0:1,1=123.45kWh", "0:2,1=12.34EUR", "0:3,1=1.00kg"};
    QTest::newRow("T2 on row 8") << 1007 << Hex("00000001 00000002 00000003 00000000 00000000")
                                 << QStringList{"0:1,8=0.01kWh", "0:2,8=0.02EUR", "0:3,8=0.03kg"};
    QTest::newRow("ninth block has no row") << 1008 << QByteArray(20, '\x01') << QStringList();
    QTest::newRow("short block gives nothing") << 1000 << Hex("00003039") << QStringList();
    QTest::newRow("versions") << 1009 << Hex("01 02 02 0F 01 08 03 01")
                              << QStringList{"1:1,1=HVer:1.02/DVer:2.15/AVer:1.08/TVer:3.01"};
    QTest::newRow("description ends at its zero")
        << 1010 << QByteArray("Tivra PA5KS\0garbage", 20) << QStringList{"1:1,2=Tivra PA5KS"};
    QTest::newRow("made in the plant")
        << 1011 << Hex("0D 05 14 00 00 01") << QStringList{"1:1,3=2013-05-20", "1:1,4=Hangzhou, China"};
    QTest::newRow("made elsewhere") << 1011 << Hex("0D 05 14 00 00 02")
                                    << QStringList{"1:1,3=2013-05-20", "1:1,4=Unknow"};
    QTest::newRow("address, letters, price") << 1012 << Hex("00 07 00 45 00 55 00 44")
                                             << QStringList{"1:1,5=7", "1:1,6=E", "1:1,7=U", "1:1,8=0.68"};
    QTest::newRow("letter zero is empty") << 1012 << Hex("00 07 00 00 00 00 04 D2")
                                          << QStringList{"1:1,5=7", "1:1,6=", "1:1,7=", "1:1,8=12.34"};
    QTest::newRow("user label") << 1013 << QByteArray("Roof east").leftJustified(32, '\0')
                                << QStringList{"1:1,9=Roof east"};
    QTest::newRow("tariff periods") << 1014 << Hex("0D 05 01 0D 09 1E 0E 01 01 0E 0C 1F")
                                    << QStringList{"1:1,10=Start:2013-05-01 End:2013-09-30",
                                                   "1:1,11=Start:2014-01-01 End:2014-12-31"};
    QTest::newRow("peak powers skip the reserved value")
        << 1015 << Hex("00001388 00000001 00000002 00000003 00000004 FFFFFFFF 0000C350 00000005 00000006")
        << QStringList{"1:1,12=5.000kW", "1:1,13=0.001kW",  "1:1,14=0.002kW", "1:1,15=0.003kW",
                       "1:1,16=0.004kW", "1:1,17=50.000kW", "1:1,18=0.005kW", "1:1,19=0.006kW"};
    QTest::newRow("hours") << 1016 << Hex("0001E240 00000001")
                           << QStringList{"1:1,20=123.456hour", "1:1,21=0.001hour"};
    QTest::newRow("other codes") << 14 << QByteArray(32, '\x01') << QStringList();
}

void TestMaintenanceText::statisticsReplies() {
    QFETCH(int, code);
    QFETCH(QByteArray, data);
    QFETCH(QStringList, cells);
    QCOMPARE(Cells(MaintenanceText::StatisticsReply(code, data, QStringLiteral("EUR"))), cells);
}

void TestMaintenanceText::faultRecords_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("empty record") << 2000 << Hex("0000 0D0514 00 081E00 0000 07 00000000") << QStringList();
    QTest::newRow("code, time, detail")
        << 2000 << Hex("120A 0D0514 63 081E00 0000 07 00000000")
        << QStringList{"0:1,1=0X120A", "0:2,1=2013-05-20 08:30:00", "0:3,1=7"};
    QTest::newRow("last record on row 32")
        << 2031 << Hex("E006 1A0C1F 00 173B3B 0000 FF 00000000")
        << QStringList{"0:1,32=0XE006", "0:2,32=2026-12-31 23:59:59", "0:3,32=255"};
    QTest::newRow("short record") << 2001 << Hex("120A 0D0514") << QStringList();
    QTest::newRow("not a fault read")
        << 1999 << Hex("120A 0D0514 00 081E00 0000 07 00000000") << QStringList();
}

void TestMaintenanceText::faultRecords() {
    QFETCH(int, code);
    QFETCH(QByteArray, data);
    QFETCH(QStringList, cells);
    QCOMPARE(Cells(MaintenanceText::FaultRecord(code, data)), cells);
}

void TestMaintenanceText::protectPointValues_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("voltage") << 1 << 1870 << "187.0 V";
    QTest::newRow("delay in 20 ms steps") << 2 << 100 << "2.0 s";
    QTest::newRow("short delay") << 8 << 10 << "0.2 s";
    QTest::newRow("last voltage") << 7 << 2760 << "276.0 V";
    QTest::newRow("frequency") << 9 << 4750 << "47.50 Hz";
    QTest::newRow("last frequency") << 15 << 5150 << "51.50 Hz";
    QTest::newRow("largest register") << 13 << 65535 << "655.35 Hz";
}

void TestMaintenanceText::protectPointValues() {
    QFETCH(int, row);
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(MaintenanceText::ProtectPointValue(row, quint16(value)), text);
}

void TestMaintenanceText::hexDump_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing") << QByteArray() << QString();
    QTest::newRow("two bytes") << Hex("0A FF") << "0A FF ";
    QTest::newRow("nine bytes end the first line")
        << Hex("010203040506070809") << "01 02 03 04 05 06 07 08 09\n";
    QTest::newRow("twenty bytes: nine, eight, three")
        << Hex("000102030405060708090A0B0C0D0E0F10111213")
        << "00 01 02 03 04 05 06 07 08\n09 0A 0B 0C 0D 0E 0F 10\n11 12 13 ";
}

void TestMaintenanceText::hexDump() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(RawRegisterText::HexDump(bytes), text);
}

void TestMaintenanceText::typedWriteBytes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("typed");
    QTest::newRow("two lines") << "01 02\n0A" << Hex("01020A") << 3;
    QTest::newRow("only two-character pieces") << "1 22 333" << Hex("22") << 1;
    QTest::newRow("lower case") << "ab cD" << Hex("ABCD") << 2;
    QTest::newRow("pasted line ends and tabs") << "01\r\n02\t03" << Hex("010203") << 3;
    QTest::newRow("no made-up bytes") << "zz 0G 12" << Hex("12") << 1;
    QTest::newRow("nothing") << "  \n " << QByteArray() << 0;
    QTest::newRow("at most forty kept") << QString("AB ").repeated(45) << QByteArray(40, '\xAB') << 45;
}

void TestMaintenanceText::typedWriteBytes() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(int, typed);
    const RawRegisterText::TypedBytes parsed = RawRegisterText::ParseBytes(text);
    QCOMPARE(parsed.bytes, bytes);
    QCOMPARE(parsed.typed, typed);
}

void TestMaintenanceText::rawRequests_data() {
    QTest::addColumn<QString>("reg");
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("check");
    QTest::addColumn<int>("parsedReg");
    QTest::newRow("1650 x 14") << "1650"
                               << "14" << int(RawRegisterText::RequestCheck::Valid) << 0x1650;
    QTest::newRow("lower-case hex") << "16ab"
                                    << "1" << int(RawRegisterText::RequestCheck::Valid) << 0x16AB;
    QTest::newRow("register 0") << "0000"
                                << "5" << int(RawRegisterText::RequestCheck::BadAddress) << 0;
    QTest::newRow("no register") << ""
                                 << "5" << int(RawRegisterText::RequestCheck::BadAddress) << 0;
    QTest::newRow("length 0") << "1650"
                              << "0" << int(RawRegisterText::RequestCheck::BadLength) << 0x1650;
    QTest::newRow("length 21") << "1650"
                               << "21" << int(RawRegisterText::RequestCheck::BadLength) << 0x1650;
    QTest::newRow("no length") << "1650"
                               << "" << int(RawRegisterText::RequestCheck::BadLength) << 0x1650;
    QTest::newRow("length 20") << "FFFF"
                               << "20" << int(RawRegisterText::RequestCheck::Valid) << 0xFFFF;
}

void TestMaintenanceText::rawRequests() {
    QFETCH(QString, reg);
    QFETCH(QString, count);
    QFETCH(int, check);
    QFETCH(int, parsedReg);
    int r = -1;
    int n = -1;
    QCOMPARE(int(RawRegisterText::ParseRequest(reg, count, &r, &n)), check);
    QCOMPARE(r, parsedReg);
}

void TestMaintenanceText::priceHundredths_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("hundredths");
    QTest::newRow("12.5") << "12.5" << true << qint64(1250);
    QTest::newRow("0.29 exactly") << "0.29" << true << qint64(29);
    QTest::newRow("no decimals") << "12" << true << qint64(1200);
    QTest::newRow("trailing dot") << "12." << true << qint64(1200);
    QTest::newRow("third decimal dropped") << "1.239" << true << qint64(123);
    QTest::newRow("negative") << "-0.5" << true << qint64(-50);
    QTest::newRow("empty") << "" << false << qint64(0);
    QTest::newRow("dot alone") << "." << false << qint64(0);
    QTest::newRow("letters") << "1a" << false << qint64(0);
    QTest::newRow("beyond 32 bits") << "999999999.99" << false << qint64(99999999999);
}

void TestMaintenanceText::priceHundredths() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(qint64, hundredths);
    bool parsed = !ok;
    const qint64 value = SettingText::Hundredths(text, &parsed);
    QCOMPARE(parsed, ok);
    if (ok) {
        QCOMPARE(value, hundredths);
    }
}

void TestMaintenanceText::passwords_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("leading zero") << "0123" << true << 123;
    QTest::newRow("empty is 0") << "" << true << 0;
    QTest::newRow("largest") << "65535" << true << 65535;
    QTest::newRow("one beyond the register") << "65536" << false << 0;
    QTest::newRow("far beyond") << "123456789012345678901" << false << 0;
    QTest::newRow("not a number") << "12ab" << false << 0;
    QTest::newRow("negative") << "-1" << false << 0;
}

void TestMaintenanceText::passwords() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    int password = -1;
    QCOMPARE(QInverterLogonDlg::PasswordValue(text, &password), ok);
    if (ok) {
        QCOMPARE(password, value);
    }
}

void TestMaintenanceText::codeLetters() {
    // German is letter 7 of "RABUDCEGFI", EUR letter 3.
    QCOMPARE(InverterCodeLetters::LanguageLetter(2), 'G');
    QCOMPARE(InverterCodeLetters::UnitLetter(3), 'U');
    QCOMPARE(InverterCodeLetters::LanguageIndex(QLatin1Char('I')), 4);
    QCOMPARE(InverterCodeLetters::UnitIndex(QLatin1Char('R')), 0);
    // Unknown or missing letters show English and USD.
    QCOMPARE(InverterCodeLetters::LanguageIndex(QLatin1Char('R')), 1);
    QCOMPARE(InverterCodeLetters::LanguageIndex(QChar()), 1);
    QCOMPARE(InverterCodeLetters::UnitIndex(QLatin1Char('E')), 1);
    QCOMPARE(InverterCodeLetters::UnitName(QLatin1Char('B')), QStringLiteral("GBP"));
    QCOMPARE(InverterCodeLetters::UnitName(QLatin1Char('C')), QString());
}

void TestMaintenanceText::csvFile() {
    QCOMPARE(MaintenanceCsv::WithExtension(QStringLiteral("/tmp/report.csv")),
             QStringLiteral("/tmp/report.csv"));
    QCOMPARE(MaintenanceCsv::WithExtension(QStringLiteral("/tmp/report.CSV")),
             QStringLiteral("/tmp/report.CSV.csv"));
    QCOMPARE(MaintenanceCsv::WithExtension(QStringLiteral("/tmp/report")), QStringLiteral("/tmp/report.csv"));

    QInverter inverter;
    inverter.SetName(QStringLiteral("Roof"));
    inverter.SetModelName(QStringLiteral("Tivra PA5KS"));
    inverter.SetAddress(7);
    const QDateTime now(QDate(2013, 5, 20), QTime(8, 30));
    const QByteArray text =
        MaintenanceCsv::Text(inverter, now, {{"Today", "1.00kWh", "", ""}, {"", "", "", ""}});
    const QByteArray expected = "Roof,Tivra PA5KS,7\r\n" +
                                QLocale().toString(now, QLocale::ShortFormat).toLocal8Bit() +
                                "\r\nToday,1.00kWh,,\r\n,,,\r\n";
    QCOMPARE(text, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.csv"));
    QVERIFY(MaintenanceCsv::Write(path, text));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), expected);
    QVERIFY(!MaintenanceCsv::Write(dir.filePath(QStringLiteral("missing/report.csv")), text));
}

QTEST_MAIN(TestMaintenanceText)
#include "test_maintenance_text.moc"
