#include "ScreenshotTaker.h"

#include "DataPaths.h"
#include "DlgAddInverter.h"
#include "DlgEditRemark.h"
#include "DlgSetGrid.h"
#include "DlgSetInverter.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "MiniWindow.h"
#include "Page1.h"
#include "Page2.h"
#include "Page22.h"
#include "Page23.h"
#include "QAboutTivraDlg.h"
#include "QE_Mail.h"
#include "QFaultDlg.h"
#include "QFindInverterDlg.h"
#include "QFindInverterItem.h"
#include "QGrid.h"
#include "QInstructionsDlg.h"
#include "QInverter.h"
#include "QInverterPane.h"
#include "QMailServerAddress.h"
#include "QMiscellaneousDlg.h"
#include "QProgressDlg.h"
#include "QSetCommunicateDlg.h"
#include "QSetMailDlg.h"
#include "QSetPasswordDlg.h"
#include "QSystemModel.h"
#include "QtMyTreeItem.h"
#include "SetBeginTimeDlg.h"
#include "SetSolar.h"
#include "SetSystem.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTextStream>
#include <QTimer>

ScreenshotTaker::ScreenshotTaker(MainWindow* window, const QString& dir, int settleMs)
    : QObject(window), m_pWindow(window), m_strDir(dir) {
    if (m_strDir.isEmpty()) {
        return;
    }
    QTimer::singleShot(settleMs, this, [this] { TakeWhenReady(0); });
}

namespace {
constexpr int kReadyPollMs = 500;
constexpr int kReadyWaitMs = 45000;
} // namespace

bool ScreenshotTaker::PlantReady() const {
    bool failure = false;
    for (const QInverter* inverter : m_pWindow->System().Inverters()) {
        if (inverter->IsAnalog()) {
            continue;
        }
        if (inverter->CommState() != CommOnline || (inverter->IsBox() && inverter->VersionText().isEmpty())) {
            return false;
        }
        failure = failure || inverter->HasActiveFault();
    }
    return failure;
}

void ScreenshotTaker::TakeWhenReady(int waitedMs) {
    if (!PlantReady() && waitedMs < kReadyWaitMs) {
        QTimer::singleShot(kReadyPollMs, this, [this, waitedMs] { TakeWhenReady(waitedMs + kReadyPollMs); });
        return;
    }
    // The pointer would light up whatever lies under it.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QCursor::setPos(screen->geometry().bottomRight());
    }
    const QStringList written = TakeAll();
    for (const QString& file : written) {
        QTextStream(stdout) << "screenshot: " << file << Qt::endl;
    }
    // Not quit(): that would close the windows, and the main window would ask
    // first whether to close while inverters communicate.
    QApplication::exit(0);
}

bool ScreenshotTaker::Save(QWidget* widget, const QString& name, QStringList* written) {
    QApplication::processEvents();
    const QString path = QDir(m_strDir).filePath(name);
    if (!widget->grab().save(path, "PNG")) {
        return false;
    }
    written->append(path);
    return true;
}

void ScreenshotTaker::SaveBrowserTabs(QStringList* written) {
    // The history (by the days of this month) and the data sheet of the plant's first inverter.
    if (QInverter* first = m_pWindow->System().Inverter(0)) {
        if (auto* entry = dynamic_cast<QtMyTreeItem*>(first->TreeEntry())) {
            QtMyTreeItem::SetSelectitem(entry);
        }
    }
    Page2* browser = m_pWindow->BrowserPage();
    browser->HistoryTab()->on_pushButton_2_clicked();
    browser->findChild<QPushButton*>(QStringLiteral("page23btn"))->click();
    Save(m_pWindow, QStringLiteral("main-history.png"), written);
    browser->findChild<QPushButton*>(QStringLiteral("page24btn"))->click();
    Save(m_pWindow, QStringLiteral("main-technical.png"), written);
    browser->findChild<QPushButton*>(QStringLiteral("page21btn"))->click();
}

QStringList ScreenshotTaker::TakeAll() {
    QStringList written;
    QDir().mkpath(m_strDir);
    const char* const pages[3] = {"Page1Btn", "Page2Btn", "Page3Btn"};
    const char* const files[3] = {"main-home.png", "main-inverter.png", "main-information.png"};
    for (int i = 0; i < 3; ++i) {
        if (auto* button = m_pWindow->findChild<QPushButton*>(QLatin1String(pages[i]))) {
            button->click();
        }
        Save(m_pWindow, QLatin1String(files[i]), &written);
        if (i == 1) {
            SaveBrowserTabs(&written);
        }
    }
    SaveStatusAndBoxTabs(QString(), &written);
    SaveSetupDialogs(QString(), &written);
    // The same tabs and dialogs in simplified Chinese, then back to the language the user chose.
    Page1* home = m_pWindow->HomePage();
    const int language = home->CurrentLanguage();
    if (auto* combo = home->findChild<QComboBox*>(QStringLiteral("Language_combo"))) {
        combo->setCurrentIndex(1);
        SaveStatusAndBoxTabs(QStringLiteral("-zh"), &written);
        SaveSetupDialogs(QStringLiteral("-zh"), &written);
        if (language < combo->count()) {
            combo->setCurrentIndex(language);
        } else {
            QMetaObject::invokeMethod(home, "on_Language_combo_currentIndexChanged", Q_ARG(int, language));
        }
    }
    if (auto* button = m_pWindow->findChild<QPushButton*>(QStringLiteral("Page1Btn"))) {
        button->click();
    }

    MiniWindow* mini = m_pWindow->Mini();
    mini->show();
    Save(mini, QStringLiteral("mini-window.png"), &written);
    mini->on_pushButton_2_clicked();
    Save(mini, QStringLiteral("mini-window-benefits.png"), &written);
    mini->on_pushButton_3_clicked();
    mini->hide();

    MessageBox question(QCoreApplication::translate(
                            "MainWindow", "The inverter is communication, are you sure you want to close?"),
                        MessageBox::TypeYesNo, m_pWindow);
    question.show();
    Save(&question, QStringLiteral("message-box.png"), &written);
    question.hide();

    QAboutTivraDlg about(m_pWindow);
    about.show();
    Save(&about, QStringLiteral("about.png"), &written);
    about.hide();
    QInstructionsDlg maker(m_pWindow);
    maker.show();
    Save(&maker, QStringLiteral("about-kova.png"), &written);
    maker.hide();

    SaveMailDialogs(&written);
    return written;
}

void ScreenshotTaker::SaveMailDialogs(QStringList* written) {
    // An example account, so that the dialog opens without its warning.
    QMailRecord example;
    example.m_strLogonName = example.m_strFrom = QStringLiteral("owner@example.com");
    example.m_strLogonKey = QStringLiteral("-");
    example.m_strServer = QMailServerAddress::Example(QMailServerAddress::StartTls);
    example.m_strTo = QStringLiteral("installer@example.com");
    QE_Mail mail(m_pWindow);
    mail.SetMailRecord(example);
    mail.findChild<QLineEdit*>(QStringLiteral("Title"))->setText(QStringLiteral("Plant report"));
    mail.findChild<QTextEdit*>(QStringLiteral("textEdit"))
        ->setPlainText(
            QStringLiteral("Hello,\n\nthe plant's settings and inverter list are attached.\n\nRegards"));
    mail.AddAttachments({DataPaths::FilePath(QStringLiteral("system.dat")),
                         DataPaths::FilePath(QStringLiteral("inverter.dat"))});
    mail.show();
    Save(&mail, QStringLiteral("mail-dialog.png"), written);
    QProgressDlg progress(&mail);
    progress.SetValue(62);
    progress.show();
    Save(&progress, QStringLiteral("mail-progress.png"), written);
    progress.hide();
    mail.hide();
}

void ScreenshotTaker::SaveStatusAndBoxTabs(const QString& suffix, QStringList* written) {
    Page2* browser = m_pWindow->BrowserPage();
    QInverter* faulted = nullptr;
    QInverter* box = nullptr;
    for (QInverter* inverter : m_pWindow->System().Inverters()) {
        if (!faulted && inverter->HasActiveFault()) {
            faulted = inverter;
        }
        if (!box && inverter->IsBox()) {
            box = inverter;
        }
    }
    auto show = [&](QInverter* inverter, const char* tabButton) {
        if (auto* entry = dynamic_cast<QtMyTreeItem*>(inverter->TreeEntry())) {
            QtMyTreeItem::SetSelectitem(entry);
        }
        if (auto* button = browser->findChild<QPushButton*>(QLatin1String(tabButton))) {
            button->click();
        }
    };
    if (auto* button = m_pWindow->findChild<QPushButton*>(QStringLiteral("Page2Btn"))) {
        button->click();
    }
    if (faulted) {
        show(faulted, "page22btn");
        Save(m_pWindow, QStringLiteral("main-status%1.png").arg(suffix), written);
        const int newest = browser->StatusTab()->FaultGrid()->GetRows();
        QFaultDlg dialog(m_pWindow);
        if (newest > 0 && dialog.Load(faulted, newest)) {
            dialog.show();
            Save(&dialog, QStringLiteral("fault-dialog%1.png").arg(suffix), written);
            dialog.hide();
        }
    }
    if (box) {
        show(box, "page25btn");
        Save(m_pWindow, QStringLiteral("main-box%1.png").arg(suffix), written);
    }
    if (auto* button = browser->findChild<QPushButton*>(QStringLiteral("page21btn"))) {
        button->click();
    }
}

void ScreenshotTaker::SaveSetupDialogs(const QString& suffix, QStringList* written) {
    QSystemModel* plant = &m_pWindow->System();
    const auto shoot = [&](QWidget& dialog, const char* name) {
        dialog.show();
        Save(&dialog, QStringLiteral("dialog-") + QLatin1String(name) + suffix + QStringLiteral(".png"),
             written);
        dialog.hide();
    };
    {
        DlgAddInverter dialog(m_pWindow);
        dialog.findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(QStringLiteral("Roof south"));
        dialog.findChild<QLineEdit*>(QStringLiteral("addrEdit"))->setText(QStringLiteral("5"));
        shoot(dialog, "add-inverter");
    }
    {
        // The list as a search of the first ten addresses leaves it.
        QFindInverterDlg dialog(m_pWindow);
        dialog.SetSystemModel(plant);
        dialog.findChild<QLineEdit*>(QStringLiteral("lineEdit_2"))->setText(QStringLiteral("10"));
        for (int i = 0; i < plant->InverterCount() && i < 4; ++i) {
            const QInverter* known = plant->Inverter(i);
            if (!known->IsAnalog()) {
                dialog.Pane()->AddItem(known->Address(), known->ModelName(), known->Name(), false);
            }
        }
        dialog.Pane()->AddItem(7, QStringLiteral("Tivra PE4K6S-D"), QString(), true);
        dialog.Pane()->AddItem(9, QStringLiteral("Tivra PA20KT-X"), QStringLiteral("Garage"), true);
        dialog.findChild<QLabel*>(QStringLiteral("label_3"))
            ->setText(QCoreApplication::translate("QFindInverterDlg", "Address:") + QStringLiteral("10") +
                      QCoreApplication::translate("QFindInverterDlg", "   timeout"));
        shoot(dialog, "search");
    }
    {
        SetSystem dialog(m_pWindow);
        dialog.SetSystemModel(plant);
        shoot(dialog, "system");
    }
    {
        SetSolar dialog(m_pWindow);
        dialog.SetSystemModel(plant);
        shoot(dialog, "solar");
    }
    {
        DlgSetInverter dialog(m_pWindow);
        dialog.SetSystemModel(plant);
        shoot(dialog, "inverter-models");
    }
    {
        DlgSetGrid dialog(m_pWindow);
        dialog.SetSystemModel(plant);
        shoot(dialog, "grid");
    }
    {
        DlgEditRemark dialog(m_pWindow);
        dialog.SetSystemModel(plant);
        shoot(dialog, "remark");
    }
    {
        QSetCommunicateDlg dialog(m_pWindow);
        dialog.SetSystemModel(plant);
        shoot(dialog, "link");
    }
    {
        QSetPasswordDlg dialog(m_pWindow);
        dialog.SetSystemModel(plant);
        dialog.findChild<QLineEdit*>(QStringLiteral("existing"))->setText(QStringLiteral("739146"));
        shoot(dialog, "password");
    }
    {
        QMiscellaneousDlg dialog(m_pWindow);
        dialog.SetSystemModel(plant);
        shoot(dialog, "price");
    }
    {
        QSetMailDlg dialog(m_pWindow);
        dialog.SetSystemModel(plant);
        shoot(dialog, "mail-account");
    }
    {
        SetBeginTimeDlg dialog(m_pWindow);
        dialog.SetValue(plant->GetSystemValue(QStringLiteral("begintime")).toInt());
        shoot(dialog, "sunrise");
    }
}
