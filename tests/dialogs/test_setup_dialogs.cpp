// The dialogs that describe the plant and set the program up, on a plant of
// their own: what they show, what they refuse and what they write.

#include "DialogsTestSupport.h"
#include "DlgAddInverter.h"
#include "DlgEditRemark.h"
#include "DlgSetGrid.h"
#include "DlgSetInverter.h"
#include "QInverter.h"
#include "QMiscellaneousDlg.h"
#include "QSetMailDlg.h"
#include "QSetPasswordDlg.h"
#include "SetSolar.h"
#include "SetSystem.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QRadioButton>

using namespace dialogstest;

class TestSetupDialogs : public QObject {
    Q_OBJECT

private slots:
    void init() { m_pMessages = new viewstest::Messages; }
    void cleanup() { delete m_pMessages; }

    void systemCoordinates_data();
    void systemCoordinates();
    void systemNameWidth_data();
    void systemNameWidth();
    void solarTotalFollowsTheFields();
    void changesReachTheFileOnce_data();
    void changesReachTheFileOnce();
    void controlCharactersAreNotStored();
    void inverterModels_data();
    void inverterModels();
    void gridKeepsWhatWasEntered();
    void remarkWidth();
    void password_data();
    void password();
    void price_data();
    void price();
    void mailAccount();
    void addInverter_data();
    void addInverter();
    void analogChoice();

private:
    viewstest::Messages* m_pMessages = nullptr;
};

void TestSetupDialogs::systemCoordinates_data() {
    QTest::addColumn<QString>("latitude");  // typed
    QTest::addColumn<QString>("longitude"); // typed
    QTest::addColumn<int>("answer");        // to "Do you want to save the changes?"
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("stored"); // "Latitude,Longitude" afterwards
    const QString range = QStringLiteral("Longitude and Latitude must in [-180,180]!");
    QTest::newRow("180.00 north") << "180.00"
                                  << "1.5" << 1 << ""
                                  << "18000,150";
    QTest::newRow("180.00 south") << "-180.00"
                                  << "-180" << 1 << ""
                                  << "-18000,-18000";
    QTest::newRow("180.01 refused") << "180.01"
                                    << "0" << 1 << range << ",";
    QTest::newRow("longitude -180.01 refused") << "10"
                                               << "-180.01" << 1 << range << ",";
    QTest::newRow("12.34 is 1234") << "12.34"
                                   << "113.8" << 1 << ""
                                   << "1234,11380";
    QTest::newRow("0.29 is 29, not 28") << "0.29"
                                        << "-0.07" << 1 << ""
                                        << "29,-7";
    QTest::newRow("a third decimal cannot be typed") << "12.345"
                                                     << "0.999" << 1 << ""
                                                     << "1234,99";
    QTest::newRow("not saved when the answer is no") << "12.34"
                                                     << "5" << 0 << ""
                                                     << ",";
}

void TestSetupDialogs::systemCoordinates() {
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QFETCH(int, answer);
    QFETCH(QString, refusal);
    QFETCH(QString, stored);
    Plant plant;
    m_pMessages->SetAnswer(answer);
    SetSystem dialog;
    dialog.SetSystemModel(&plant.System());
    dialog.show();
    QCOMPARE(TextOf(&dialog, "Latitude_edit"), QStringLiteral("0.00"));
    Type(&dialog, "Latitude_edit", latitude);
    Type(&dialog, "Longitude_deit", longitude);
    Click(&dialog, "Okbtn");

    QStringList expected = {QStringLiteral("Do you want to save the changes?")};
    if (!refusal.isEmpty()) {
        expected.append(refusal);
    }
    QCOMPARE(m_pMessages->Texts(), expected);
    QCOMPARE(dialog.isVisible(), stored == QLatin1String(","));
    QCOMPARE(plant.Stored("Latitude") + ',' + plant.Stored("Longitude"), stored);
}

void TestSetupDialogs::systemNameWidth_data() {
    QTest::addColumn<int>("extra"); // characters past the longest name that fits
    QTest::addColumn<bool>("refused");
    QTest::newRow("as wide as fits") << 0 << false;
    QTest::newRow("one character wider") << 1 << true;
}

void TestSetupDialogs::systemNameWidth() {
    QFETCH(int, extra);
    QFETCH(bool, refused);
    if (QFontDatabase::families().contains(QStringLiteral("宋体"))) {
        QSKIP("the dialog measures in 宋体 here, not in the home page's font");
    }
    QFont shown;
    shown.setPointSize(13);
    shown.setBold(true);
    const QFontMetrics metrics(shown);
    QString name;
    while (metrics.horizontalAdvance(name + QLatin1Char('W')) <= SetSystem::NameWidthLimit) {
        name += QLatin1Char('W');
    }
    name += QString(extra, QLatin1Char('W'));

    Plant plant;
    SetSystem dialog;
    dialog.SetSystemModel(&plant.System());
    dialog.SetNameFont(shown);
    Child<QLineEdit>(&dialog, "SystemName_edit")->setText(name);
    Click(&dialog, "Okbtn");
    QCOMPARE(m_pMessages->Texts().contains(QStringLiteral("The name is too long!")), refused);
    QCOMPARE(plant.Value("systemname") == name, !refused);
}

void TestSetupDialogs::solarTotalFollowsTheFields() {
    Plant plant;
    plant.Set("SolarPower", QStringLiteral("250"));
    plant.Set("SolarCount", QStringLiteral("10"));
    plant.Set("SolarAngel", QStringLiteral("3050"));
    SetSolar dialog;
    dialog.SetSystemModel(&plant.System());
    dialog.show();
    QCOMPARE(TextOf(&dialog, "T_Power"), QStringLiteral("2500"));
    QCOMPARE(TextOf(&dialog, "Angle"), QStringLiteral("30.50"));
    Type(&dialog, "Quantity", QStringLiteral("12"));
    QCOMPARE(TextOf(&dialog, "T_Power"), QStringLiteral("3000"));
    Type(&dialog, "Azimuth", QStringLiteral("-12.5"));
    Type(&dialog, "Manu", QStringLiteral("Sunfab"));
    plant.Reset();
    Click(&dialog, "Okbtn");
    QVERIFY(m_pMessages->Texts().isEmpty()); // no question asked
    QCOMPARE(plant.Keys(), QStringList({"SolarCount", "SolarAzimuth", "SolarManufacturer"}));
    QCOMPARE(plant.System().Settings().TotalPower(), qint64(3000));
    QCOMPARE(plant.Stored("SolarAzimuth"), QStringLiteral("-1250"));
    QCOMPARE(plant.Stored("SolarAngel"), QStringLiteral("3050"));
}

void TestSetupDialogs::changesReachTheFileOnce_data() {
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("maker");
    QTest::addColumn<int>("saves");
    QTest::newRow("the last key changed") << "4"
                                          << "Sunfab" << 1;
    // The maker is the key written with save: unchanged, it would not save.
    QTest::newRow("only an earlier key changed") << "5"
                                                 << "Fabsun" << 1;
    QTest::newRow("nothing changed") << "4"
                                     << "Fabsun" << 0;
}

void TestSetupDialogs::changesReachTheFileOnce() {
    QFETCH(QString, quantity);
    QFETCH(QString, maker);
    QFETCH(int, saves);
    Plant plant;
    plant.Set("SolarCount", QStringLiteral("4"));
    plant.Set("SolarManufacturer", QStringLiteral("Fabsun"));
    {
        // Every key once as the dialog writes it ("0" where nothing was stored).
        SetSolar first;
        first.SetSystemModel(&plant.System());
        Click(&first, "Okbtn");
    }
    SetSolar dialog;
    dialog.SetSystemModel(&plant.System());
    Type(&dialog, "Quantity", quantity);
    Type(&dialog, "Manu", maker);
    plant.Reset();
    Click(&dialog, "Okbtn");
    QCOMPARE(plant.Saves(), saves);
    QCOMPARE(plant.Stored("SolarCount"), quantity);
    QCOMPARE(plant.Stored("SolarManufacturer"), maker);
}

void TestSetupDialogs::controlCharactersAreNotStored() {
    // Pasted text may carry the characters system.dat separates its entries
    // with; stored as they came, they would split the name and lose keys.
    Plant plant;
    SetSystem dialog;
    dialog.SetSystemModel(&plant.System());
    Child<QLineEdit>(&dialog, "SystemName_edit")->setText(QStringLiteral("Roof?\x03?east\x02"));
    Child<QLineEdit>(&dialog, "City_edit")->setText(QStringLiteral("Bern"));
    Click(&dialog, "Okbtn");
    QCOMPARE(plant.Stored("systemname"), QStringLiteral("Roof??east"));
    QCOMPARE(plant.Stored("City"), QStringLiteral("Bern"));
    QCOMPARE(plant.Stored("CurrencyUnit"), QStringLiteral("$"));
}

void TestSetupDialogs::inverterModels_data() {
    QTest::addColumn<QString>("stored1");
    QTest::addColumn<QString>("stored3");
    QTest::addColumn<QString>("shown1");
    QTest::addColumn<QString>("power1");
    QTest::addColumn<QString>("shown3");
    QTest::addColumn<QString>("power3");
    QTest::newRow("nothing stored") << ""
                                    << ""
                                    << "Tivra PA1K5S"
                                    << "1500"
                                    << "Tivra PA4KT"
                                    << "4000";
    QTest::newRow("known models") << "Tivra PM4K6S-D"
                                  << "Tivra PA20KT-X"
                                  << "Tivra PM4K6S-D"
                                  << "4600"
                                  << "Tivra PA20KT-X"
                                  << "20000";
    QTest::newRow("unknown 3-ph model selects the first") << "Tivra PE5KS"
                                                          << "Tivra PA99KT"
                                                          << "Tivra PE5KS"
                                                          << "5000"
                                                          << "Tivra PA4KT"
                                                          << "4000";
}

void TestSetupDialogs::inverterModels() {
    QFETCH(QString, stored1);
    QFETCH(QString, stored3);
    QFETCH(QString, shown1);
    QFETCH(QString, power1);
    QFETCH(QString, shown3);
    QFETCH(QString, power3);
    Plant plant;
    plant.Set("InverterType_1", stored1);
    plant.Set("InverterType_3", stored3);
    DlgSetInverter dialog;
    dialog.SetSystemModel(&plant.System());
    auto* model1 = Child<QComboBox>(&dialog, "model_1");
    auto* model3 = Child<QComboBox>(&dialog, "model_3");
    QCOMPARE(model1->count(), DlgSetInverter::SinglePhaseModels().size());
    QCOMPARE(model3->count(), DlgSetInverter::ThreePhaseModels().size());
    QCOMPARE(model1->currentText(), shown1);
    QCOMPARE(TextOf(&dialog, "power_1"), power1);
    QCOMPARE(model3->currentText(), shown3);
    QCOMPARE(TextOf(&dialog, "power_3"), power3);
    QCOMPARE(Child<QComboBox>(&dialog, "Commpany")->currentText(), QStringLiteral("KOVA"));

    model3->setCurrentText(QStringLiteral("Tivra PA12KT"));
    QCOMPARE(TextOf(&dialog, "power_3"), QStringLiteral("12000"));
    Click(&dialog, "pushButton");
    QCOMPARE(plant.Stored("InverterType_1"), shown1);
    QCOMPARE(plant.Stored("InverterType_3"), QStringLiteral("Tivra PA12KT"));
}

void TestSetupDialogs::gridKeepsWhatWasEntered() {
    Plant plant;
    {
        DlgSetGrid dialog;
        dialog.SetSystemModel(&plant.System());
        QCOMPARE(TextOf(&dialog, "voltage_1"), QStringLiteral("0"));
        Type(&dialog, "ac_wiring_3", QStringLiteral("L1 L2 L3 N PE"));
        Type(&dialog, "voltage_1", QStringLiteral("230.5"));
        Type(&dialog, "voltage_3", QStringLiteral("400.25")); // one decimal only
        Type(&dialog, "fre_3", QStringLiteral("50.00"));
        Click(&dialog, "pushButton");
    }
    QCOMPARE(plant.Stored("GridWiring_3"), QStringLiteral("L1 L2 L3 N PE"));
    QCOMPARE(plant.Stored("GridVoltage_1"), QStringLiteral("230.5"));
    QCOMPARE(plant.Stored("GridVoltage_3"), QStringLiteral("400.2"));
    QCOMPARE(plant.Stored("GridFre_3"), QStringLiteral("50.00"));
    // The plant's copies hold the whole volts and hertz (not 0).
    QCOMPARE(plant.System().Settings().GridVoltage1(), 230);
    QCOMPARE(plant.System().Settings().GridFre3(), 50);
    DlgSetGrid again;
    again.SetSystemModel(&plant.System());
    QCOMPARE(TextOf(&again, "voltage_1"), QStringLiteral("230.5"));
}

void TestSetupDialogs::remarkWidth() {
    if (QFontDatabase::families().contains(QStringLiteral("宋体"))) {
        QSKIP("the dialog measures in 宋体 here, not in the information page's font");
    }
    Plant plant;
    QFont shown;
    shown.setPointSize(10);
    const QString fits(DlgEditRemark::RemarkWidthLimit / QFontMetrics(shown).horizontalAdvance('i'),
                       QLatin1Char('i'));
    DlgEditRemark dialog;
    dialog.SetSystemModel(&plant.System());
    dialog.SetRemarkFont(shown);
    Child<QLineEdit>(&dialog, "lineEdit")->setText(fits + QStringLiteral("MMMMMMMMMM"));
    Click(&dialog, "pushButton");
    QCOMPARE(m_pMessages->Texts(),
             QStringList{QStringLiteral("The string is too long!Can not display all the string!")});
    QCOMPARE(plant.Value("systemexplain"), QString());
    Child<QLineEdit>(&dialog, "lineEdit")->setText(fits);
    Click(&dialog, "pushButton");
    QCOMPARE(plant.Stored("systemexplain"), fits);
}

void TestSetupDialogs::password_data() {
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("fresh");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored");
    QTest::newRow("wrong existing key") << "1234"
                                        << "1"
                                        << "1"
                                        << "Password is not correct!"
                                        << "";
    QTest::newRow("both new keys empty") << "739146"
                                         << ""
                                         << ""
                                         << "New password can not be empty!"
                                         << "";
    QTest::newRow("new key empty, confirmation not") << "739146"
                                                     << ""
                                                     << "42"
                                                     << "Two entered passwords do not match!"
                                                     << "";
    QTest::newRow("keys differ") << "739146"
                                 << "4242"
                                 << "4243"
                                 << "Two entered passwords do not match!"
                                 << "";
    QTest::newRow("changed") << "739146"
                             << "4242"
                             << "4242"
                             << ""
                             << "4242";
}

void TestSetupDialogs::password() {
    QFETCH(QString, existing);
    QFETCH(QString, fresh);
    QFETCH(QString, confirm);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    Plant plant;
    QSetPasswordDlg dialog;
    dialog.SetSystemModel(&plant.System());
    dialog.show();
    for (const char* name : {"existing", "newkey", "Confirm"}) {
        QCOMPARE(Child<QLineEdit>(&dialog, name)->echoMode(), QLineEdit::Password);
    }
    Type(&dialog, "existing", existing);
    Type(&dialog, "newkey", fresh);
    Type(&dialog, "Confirm", confirm);
    Click(&dialog, "pushButton");
    QCOMPARE(m_pMessages->Texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(plant.Stored("PassWord"), stored);
    QCOMPARE(dialog.isVisible(), !message.isEmpty());
    // A refusal keeps what was typed.
    QCOMPARE(TextOf(&dialog, "newkey"), fresh);
}

void TestSetupDialogs::price_data() {
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("stored");
    QTest::newRow("0.29") << "0.29"
                          << "29";
    QTest::newRow("12.5") << "12.5"
                          << "1250";
    QTest::newRow("a whole number") << "3"
                                    << "300";
    // Six significant digits would give "1e+06", read back as 0.
    QTest::newRow("10000.00") << "10000.00"
                              << "1000000";
    QTest::newRow("third decimal cannot be typed") << "0.685"
                                                   << "68";
}

void TestSetupDialogs::price() {
    QFETCH(QString, price);
    QFETCH(QString, stored);
    Plant plant;
    QMiscellaneousDlg dialog;
    dialog.SetSystemModel(&plant.System());
    QCOMPARE(TextOf(&dialog, "Price"), QStringLiteral("0.68"));
    QCOMPARE(TextOf(&dialog, "Unit"), QStringLiteral("$"));
    Type(&dialog, "Price", price);
    Type(&dialog, "Unit", QStringLiteral("EUR"));
    Click(&dialog, "pushButton");
    QCOMPARE(plant.Stored("price"), stored);
    QCOMPARE(QString::number(plant.System().Settings().Price()), stored);
    QCOMPARE(plant.Stored("CurrencyUnit"), QStringLiteral("EUR"));
}

void TestSetupDialogs::mailAccount() {
    Plant plant;
    plant.Set("EmailTo", QStringLiteral("installer@example.com"));
    QSetMailDlg dialog;
    dialog.SetSystemModel(&plant.System());
    dialog.show();
    QCOMPARE(Child<QLineEdit>(&dialog, "password")->echoMode(), QLineEdit::Password);
    auto* hint = Child<QLabel>(&dialog, "serverHint");
    for (const char* form : {"smtp.example.com:25", "smtp.example.com:465", "smtp.example.com:587"}) {
        QVERIFY2(hint->text().contains(QLatin1String(form)), form);
    }
    Type(&dialog, "server", QStringLiteral("mail.example.org:99999"));
    QVERIFY(hint->property("bad").toBool());
    Type(&dialog, "server", QStringLiteral("mail.example.org:587"));
    QVERIFY(!hint->property("bad").toBool());
    Type(&dialog, "name", QStringLiteral("plant@example.org"));
    Type(&dialog, "password", QStringLiteral("s3cret"));
    Click(&dialog, "saveBtn");
    QCOMPARE(plant.Stored("EmailServer"), QStringLiteral("mail.example.org:587"));
    QCOMPARE(plant.Stored("EmailLogonName"), QStringLiteral("plant@example.org"));
    QCOMPARE(plant.Stored("EmailFrom"), QStringLiteral("plant@example.org"));
    QCOMPARE(plant.Stored("EmailLogonKey"), QStringLiteral("s3cret"));
    QCOMPARE(plant.Stored("EmailTo"), QStringLiteral("installer@example.com"));
}

void TestSetupDialogs::addInverter_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address"); // typed
    QTest::addColumn<QString>("kind");    // the radio button chosen
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("added"); // address of the new inverter, 0 for none
    QTest::addColumn<QString>("model");
    const QString illegal = QStringLiteral("Address illegal!Must between 1 to 247!");
    const QString used = QStringLiteral("Add Inverter Fialed!Name or address have been used!");
    QTest::newRow("empty name, before the address") << ""
                                                    << ""
                                                    << "Threebtn"
                                                    << "Inverter name cannot be empty!" << 0 << "";
    QTest::newRow("address 248") << "East"
                                 << "248"
                                 << "Threebtn" << illegal << 0 << "";
    QTest::newRow("no address") << "East"
                                << ""
                                << "Threebtn" << illegal << 0 << "";
    QTest::newRow("0005 is 5") << "East"
                               << "0005"
                               << "Threebtn"
                               << "" << 5 << "Tivra PA10KT";
    QTest::newRow("single-phase") << "East"
                                  << "247"
                                  << "Singlebtn"
                                  << "" << 247 << "Tivra PA5KS";
    QTest::newRow("analog signal") << "ignored"
                                   << "ignored"
                                   << "Analogbtn"
                                   << "" << 255 << "Tivra PA5KS";
    QTest::newRow("name used") << "West"
                               << "9"
                               << "Threebtn" << used << 0 << "";
    QTest::newRow("address used") << "East"
                                  << "2"
                                  << "Singlebtn" << used << 0 << "";
}

void TestSetupDialogs::addInverter() {
    QFETCH(QString, name);
    QFETCH(QString, address);
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QFETCH(int, added);
    QFETCH(QString, model);
    Plant plant;
    QVERIFY(plant.System().AddInverter(viewstest::MakeInverter(QStringLiteral("West"), 2, "Tivra PA5KS")));
    DlgAddInverter dialog;
    dialog.SetSystemModel(&plant.System());
    dialog.show();
    QVERIFY(Child<QRadioButton>(&dialog, "Threebtn")->isChecked());
    Child<QRadioButton>(&dialog, kind.toLatin1().constData())->click();
    if (kind != QLatin1String("Analogbtn")) {
        Type(&dialog, "nameEdit", name);
        Type(&dialog, "addrEdit", address);
    }
    Click(&dialog, "yesbtn");
    QCOMPARE(m_pMessages->Texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(dialog.Accepted(), added ? 1 : 0);
    QCOMPARE(dialog.isVisible(), added == 0);
    QCOMPARE(plant.System().InverterCount(), added ? 2 : 1);
    if (added) {
        QInverter* inverter = dialog.NewInverter();
        QCOMPARE(plant.System().Inverter(1), inverter);
        QCOMPARE(inverter->Address(), added);
        QCOMPARE(inverter->ModelName(), model);
        QCOMPARE(inverter->PhaseCount(), model == QLatin1String("Tivra PA10KT") ? 3 : 1);
        QCOMPARE(inverter->Name(), added == 255 ? QStringLiteral("Analog signal") : name);
    }
}

void TestSetupDialogs::analogChoice() {
    Plant plant;
    auto field = [](const DlgAddInverter& dialog, const char* name) {
        return Child<QLineEdit>(&dialog, name);
    };
    DlgAddInverter dialog;
    dialog.SetSystemModel(&plant.System());
    Type(&dialog, "nameEdit", QStringLiteral("East"));
    Type(&dialog, "addrEdit", QStringLiteral("3"));
    Child<QRadioButton>(&dialog, "Singlebtn")->click();
    Child<QRadioButton>(&dialog, "Threebtn")->click();
    QCOMPARE(field(dialog, "nameEdit")->text(), QStringLiteral("East")); // nothing changes
    Child<QRadioButton>(&dialog, "Analogbtn")->click();
    QCOMPARE(field(dialog, "addrEdit")->text(), QStringLiteral("255"));
    QCOMPARE(field(dialog, "nameEdit")->text(), QStringLiteral("Analog signal"));
    QVERIFY(!field(dialog, "addrEdit")->isEnabled());
    QVERIFY(!field(dialog, "nameEdit")->isEnabled());
    Child<QRadioButton>(&dialog, "Singlebtn")->click();
    QCOMPARE(field(dialog, "addrEdit")->text(), QString());
    QCOMPARE(field(dialog, "nameEdit")->text(), QString());
    QVERIFY(field(dialog, "addrEdit")->isEnabled());
    QVERIFY(field(dialog, "nameEdit")->isEnabled());

    // A second analog device is refused: its address is taken.
    for (int i = 0; i < 2; ++i) {
        DlgAddInverter analog;
        analog.SetSystemModel(&plant.System());
        Child<QRadioButton>(&analog, "Analogbtn")->click();
        if (i == 1) {
            Child<QLineEdit>(&analog, "nameEdit")->setText(QStringLiteral("Second bench"));
        }
        Click(&analog, "yesbtn");
        QCOMPARE(analog.Accepted(), i == 0 ? 1 : 0);
    }
    QCOMPARE(m_pMessages->Texts(),
             QStringList{QStringLiteral("Add Inverter Fialed!Name or address have been used!")});
    QCOMPARE(plant.System().InverterCount(), 1);
}

QTEST_MAIN(TestSetupDialogs)
#include "test_setup_dialogs.moc"
