#pragma once

#include "BaseDlg.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QMailThread;
class QPushButton;
class QSpinBox;
class QSystemModel;

// The "Alerts" dialog of the Set menu: which events are mailed and to whom,
// today's daylight the offline alerts go by, the mails still waiting, and a
// test mail through the account of the settings. Save writes the alert keys
// (QAlertSettings); the plant's alerts follow them at once.
class QAlertsDlg : public BaseDlg {
    Q_OBJECT
public:
    static constexpr int DefaultOfflineMinutes = 30;
    static constexpr int DefaultLinkMinutes = 15;

    explicit QAlertsDlg(QWidget* parent = nullptr);
    ~QAlertsDlg() override;

    // Shows the plant's alert settings; pending is the number of queued mails.
    void SetSystem(QSystemModel* system, int pending);

    QLineEdit* ToEdit() const { return m_pTo; }
    QCheckBox* FaultBox() const { return m_pFault; }
    QCheckBox* OfflineBox() const { return m_pOffline; }
    QSpinBox* OfflineMinutes() const { return m_pOfflineMinutes; }
    QCheckBox* LinkBox() const { return m_pLink; }
    QSpinBox* LinkMinutes() const { return m_pLinkMinutes; }
    QCheckBox* SummaryBox() const { return m_pSummary; }
    QLabel* DaylightLabel() const { return m_pDaylight; }
    QMailThread* MailThread() const { return m_pThread; }

public slots:
    void on_TestBtn_clicked();
    void on_SaveBtn_clicked();
    void on_CancelBtn_clicked();
    void SendError(int iError);

private:
    void BuildForm();
    QString DaylightText() const;

    QSystemModel* m_pSystem = nullptr;
    QMailThread* m_pThread = nullptr;

    QLineEdit* m_pTo = nullptr;
    QCheckBox* m_pFault = nullptr;
    QCheckBox* m_pOffline = nullptr;
    QSpinBox* m_pOfflineMinutes = nullptr;
    QCheckBox* m_pLink = nullptr;
    QSpinBox* m_pLinkMinutes = nullptr;
    QCheckBox* m_pSummary = nullptr;
    QLabel* m_pDaylight = nullptr;
    QLabel* m_pQueue = nullptr;
    QPushButton* m_pTestBtn = nullptr;
    QPushButton* m_pSaveBtn = nullptr;
    QPushButton* m_pCancelBtn = nullptr;
};
