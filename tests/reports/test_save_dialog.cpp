// The save dialog: the four kinds with what each enables, offers and proposes,
// the request it hands back and the output value the renderers get, the empty
// name, and a plant without inverters. With WATTSIGHT_SCREENSHOT_DIR set, the
// dialog is saved there as a picture.

#include "../common/LookSupport.h"
#include "QInverter.h"
#include "QSaveDialog.h"
#include "QSystemModel.h"
#include "ReportsTestSupport.h"
#include "SystemClock.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>
#include <QtTest>

using namespace reportstest;

namespace {
QInverter* Inverter(const QString& name, int address) {
    auto* inverter = new QInverter;
    inverter->SetName(name);
    inverter->SetModel(QInverter::LookupModel(QStringLiteral("Tivra PA5KS")));
    inverter->SetAddress(address);
    return inverter;
}

template <typename T> T* Child(const QWidget& dialog, const char* name) {
    T* child = dialog.findChild<T*>(QLatin1String(name));
    if (!child) {
        qFatal("no %s", name);
    }
    return child;
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}
} // namespace

class TestSaveDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void opensOnSystemInformation();
    void kinds_data();
    void kinds();
    void requestAndOutput_data();
    void requestAndOutput();
    void emptyNameKeepsTheDialogOpen();
    void cancelAsksForNothing();
    void plantWithoutInvertersCannotPrintOrSave();
    void preselectedInverter();
    void looksFinished();

private:
    QSystemModel m_Plant;
};

void TestSaveDialog::initTestCase() {
    SystemClock::SetFixed(QDateTime(QDate(2024, 6, 15), QTime(9, 30)));
    QVERIFY(m_Plant.AddInverter(Inverter(QStringLiteral("Attic"), 1)));
    QVERIFY(m_Plant.AddInverter(Inverter(QStringLiteral("Roof"), 2)));
}

void TestSaveDialog::cleanupTestCase() {
    SystemClock::UseSystem();
}

void TestSaveDialog::opensOnSystemInformation() {
    QSaveDialog dialog;
    dialog.Fill(&m_Plant);
    QCOMPARE(Child<QComboBox>(dialog, "com_select")->currentIndex(), 0);
    QCOMPARE(Items(Child<QComboBox>(dialog, "com_select")),
             QStringList(
                 {"System information", "Inverter information", "System generation", "Inverter generation"}));
    QCOMPARE(Child<QLineEdit>(dialog, "name_edit")->text(), QStringLiteral("System information"));
    QCOMPARE(Items(Child<QComboBox>(dialog, "com_save_as")), QStringList({".pdf", ".bmp"}));
    QComboBox* inverters = Child<QComboBox>(dialog, "com_inverter");
    QCOMPARE(Items(inverters), QStringList({"Attic", "Roof"}));
    QCOMPARE(inverters->currentText(), QStringLiteral("Attic"));
    QVERIFY(!inverters->isEnabled());
    QCOMPARE(dialog.ChosenInverter(), m_Plant.Inverter(0));
    for (const char* name : {"dateEdit", "dateEdit_2"}) {
        QDateEdit* edit = Child<QDateEdit>(dialog, name);
        QCOMPARE(edit->date(), QDate(2024, 6, 15));
        QCOMPARE(edit->minimumDate(), QDate(2011, 1, 1));
        QCOMPARE(edit->maximumDate(), QDate(2024, 6, 15));
        QVERIFY(!edit->isEnabled());
    }
    QVERIFY(Child<QRadioButton>(dialog, "radioButton")->isChecked());
    QLineEdit* path = Child<QLineEdit>(dialog, "filePath");
    QCOMPARE(path->text(), QDir::currentPath());
    QCOMPARE(path->toolTip(), QDir::currentPath());
    QVERIFY(path->isReadOnly());
    QCOMPARE(dialog.Action(), int(SaveRequest::ActionNone));
}

void TestSaveDialog::kinds_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("inverter");
    QTest::addColumn<bool>("period");
    QTest::addColumn<QStringList>("formats");
    QTest::addColumn<QString>("name");
    const QStringList two = {".pdf", ".bmp"};
    const QStringList four = {".pdf", ".bmp", ".csv", ".txt"};
    QTest::newRow("system information") << 0 << false << false << two << "System information";
    QTest::newRow("inverter information") << 1 << true << false << two << "Roof-Inverter information";
    QTest::newRow("system generation") << 2 << false << true << four << "System generation";
    QTest::newRow("inverter generation") << 3 << true << true << four << "Roof-Inverter generation";
}

void TestSaveDialog::kinds() {
    QFETCH(int, kind);
    QFETCH(bool, inverter);
    QFETCH(bool, period);
    QFETCH(QStringList, formats);
    QFETCH(QString, name);
    QSaveDialog dialog;
    dialog.Fill(&m_Plant);
    Child<QComboBox>(dialog, "com_inverter")->setCurrentIndex(1);
    Child<QComboBox>(dialog, "com_select")->setCurrentIndex(kind);
    QCOMPARE(Child<QComboBox>(dialog, "com_inverter")->isEnabled(), inverter);
    for (const char* widget : {"dateEdit", "dateEdit_2", "radioButton", "radioButton_2", "radioButton_3"}) {
        QCOMPARE(Child<QWidget>(dialog, widget)->isEnabled(), period);
    }
    QCOMPARE(Items(Child<QComboBox>(dialog, "com_save_as")), formats);
    QCOMPARE(Child<QLineEdit>(dialog, "name_edit")->text(), name);
    // Back to the system information: two formats again.
    Child<QComboBox>(dialog, "com_select")->setCurrentIndex(0);
    QCOMPARE(Items(Child<QComboBox>(dialog, "com_save_as")), QStringList({".pdf", ".bmp"}));
    // The name follows another inverter for the inverter's reports only.
    Child<QComboBox>(dialog, "com_select")->setCurrentIndex(kind);
    Child<QComboBox>(dialog, "com_inverter")->setCurrentIndex(0);
    QCOMPARE(dialog.ChosenInverter(), m_Plant.Inverter(0));
    QCOMPARE(Child<QLineEdit>(dialog, "name_edit")->text(),
             QString(name).replace(QStringLiteral("Roof"), "Attic"));
}

void TestSaveDialog::requestAndOutput_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("output");
    QTest::newRow("save system generation as .csv") << 2 << 2 << "savebtn" << 1 << 2 << 4;
    QTest::newRow("save inverter generation as .txt") << 3 << 3 << "savebtn" << 3 << 2 << 5;
    QTest::newRow("save system information as .bmp") << 0 << 1 << "savebtn" << 1 << 2 << 3;
    QTest::newRow("save inverter information as .pdf") << 1 << 0 << "savebtn" << 2 << 2 << 2;
    QTest::newRow("print inverter generation") << 3 << 2 << "printbtn" << 2 << 1 << 0;
    QTest::newRow("print system generation") << 2 << 0 << "printbtn" << 1 << 1 << 0;
    QTest::newRow("print inverter information") << 1 << 1 << "printbtn" << 1 << 1 << 1;
    QTest::newRow("print system information") << 0 << 0 << "printbtn" << 1 << 1 << 1;
}

void TestSaveDialog::requestAndOutput() {
    QFETCH(int, kind);
    QFETCH(int, format);
    QFETCH(QString, button);
    QFETCH(int, period);
    QFETCH(int, action);
    QFETCH(int, output);
    QSaveDialog dialog;
    dialog.Fill(&m_Plant);
    Child<QComboBox>(dialog, "com_select")->setCurrentIndex(kind);
    Child<QComboBox>(dialog, "com_inverter")->setCurrentIndex(1);
    Child<QComboBox>(dialog, "com_save_as")->setCurrentIndex(format);
    const char* const radios[3] = {"radioButton", "radioButton_2", "radioButton_3"};
    Child<QRadioButton>(dialog, radios[period - 1])->setChecked(true);
    Child<QDateEdit>(dialog, "dateEdit")->setDate(QDate(2023, 2, 3));
    Child<QLineEdit>(dialog, "filePath")->setText(QStringLiteral("/srv/reports"));
    Child<QLineEdit>(dialog, "name_edit")->setText(QStringLiteral("june"));
    Child<QPushButton>(dialog, qPrintable(button))->click();
    QCOMPARE(dialog.Action(), action);
    const SaveRequest request = dialog.Request();
    QCOMPARE(request.m_nKind, kind);
    QCOMPARE(request.TargetPath(), QStringLiteral("/srv/reports/june"));
    QCOMPARE(request.m_From, QDate(2023, 2, 3));
    QCOMPARE(request.m_To, QDate(2024, 6, 15));
    QCOMPARE(request.m_pInverter, m_Plant.Inverter(1));
    QCOMPARE(request.m_nOutput, format + 2);
    QCOMPARE(request.m_nPeriod, period);
    QCOMPARE(request.OutputFor(dialog.Action()), output);
}

void TestSaveDialog::emptyNameKeepsTheDialogOpen() {
    Messages messages;
    QSaveDialog dialog;
    dialog.Fill(&m_Plant);
    dialog.show();
    Child<QLineEdit>(dialog, "name_edit")->clear();
    for (const char* button : {"savebtn", "printbtn"}) {
        Child<QPushButton>(dialog, button)->click();
        QCOMPARE(messages.Texts().last(), QStringLiteral("File name cann't be empty!"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.Action(), int(SaveRequest::ActionNone));
    }
    QCOMPARE(messages.Texts().size(), 2);
}

void TestSaveDialog::cancelAsksForNothing() {
    QSaveDialog dialog;
    dialog.Fill(&m_Plant);
    dialog.show();
    Child<QPushButton>(dialog, "cancelbtn")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.Action(), int(SaveRequest::ActionNone));
}

void TestSaveDialog::plantWithoutInvertersCannotPrintOrSave() {
    QSystemModel empty;
    QSaveDialog dialog;
    dialog.Fill(&empty);
    QVERIFY(!Child<QPushButton>(dialog, "printbtn")->isEnabled());
    QVERIFY(!Child<QPushButton>(dialog, "savebtn")->isEnabled());
    QCOMPARE(dialog.ChosenInverter(), nullptr);
    Child<QComboBox>(dialog, "com_select")->setCurrentIndex(3);
    QCOMPARE(Child<QLineEdit>(dialog, "name_edit")->text(), QString());
}

void TestSaveDialog::preselectedInverter() {
    QSaveDialog dialog;
    dialog.Fill(&m_Plant, m_Plant.Inverter(1));
    QCOMPARE(dialog.ChosenInverter(), m_Plant.Inverter(1));
    QCOMPARE(Child<QComboBox>(dialog, "com_inverter")->currentText(), QStringLiteral("Roof"));
    // One that is not in the plant changes nothing: no item is relabelled.
    QInverter stranger;
    stranger.SetName(QStringLiteral("Stranger"));
    QSaveDialog other;
    other.Fill(&m_Plant, &stranger);
    QCOMPARE(other.ChosenInverter(), m_Plant.Inverter(0));
    QCOMPARE(Items(Child<QComboBox>(other, "com_inverter")), QStringList({"Attic", "Roof"}));
}

void TestSaveDialog::looksFinished() {
    for (const char* language : {"E", "C", "T", "I"}) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/lan/Language_%1.qm").arg(QLatin1String(language))));
        QCoreApplication::installTranslator(&translator);
        QSaveDialog dialog;
        dialog.Fill(&m_Plant);
        Child<QComboBox>(dialog, "com_select")->setCurrentIndex(3);
        dialog.show();
        QCoreApplication::processEvents();
        const QStringList clipped = looktest::Clipped(&dialog);
        QVERIFY2(clipped.isEmpty(),
                 qPrintable(QLatin1String(language) + clipped.join(QStringLiteral(" | "))));
        looktest::Save(&dialog, QStringLiteral("save-dialog-%1.png").arg(QLatin1String(language)));
        QCoreApplication::removeTranslator(&translator);
    }
}

QTEST_MAIN(TestSaveDialog)
#include "test_save_dialog.moc"
