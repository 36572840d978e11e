#pragma once

#include "BaseDlg.h"
#include "QPublishSettings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPlantPublisher;
class QPushButton;
class QSpinBox;
class QSystemModel;

// "Publishing": the broker the plant's data goes to (host, port, user,
// password, TLS with its CA file), the topic prefix and the discovery
// messages, a connection test with its result, and the publisher's state and
// log. OK stores the settings and applies them at once.
class QSetPublishDlg : public BaseDlg {
    Q_OBJECT
public:
    QSetPublishDlg(QPlantPublisher& publisher, QSystemModel& plant, QWidget* parent = nullptr);
    ~QSetPublishDlg() override;

    bool IsAccepted() const { return m_bAccepted; }
    // The settings as the form shows them.
    QPublishSettings FormSettings() const;

private slots:
    void on_TestBtn_clicked();
    void on_BrowseBtn_clicked();
    void on_OkBtn_clicked();
    void on_CancelBtn_clicked();
    void OnTestFinished(bool ok, const QString& text);
    void OnTlsToggled(bool on);
    void ShowStatus(const QString& text);

private:
    void BuildForm();
    void Retranslate();
    void Load(const QPublishSettings& settings);
    void ShowResult(const QString& text, bool ok);
    // An empty text when the form can be stored, otherwise what is wrong.
    QString Problem() const;

    QPlantPublisher& m_Publisher;
    QSystemModel& m_Plant;
    bool m_bAccepted = false;

    QLabel* m_pCaption = nullptr;
    QCheckBox* m_pEnabled = nullptr;
    QLabel* m_pHostLabel = nullptr;
    QLineEdit* m_pHost = nullptr;
    QLabel* m_pPortLabel = nullptr;
    QSpinBox* m_pPort = nullptr;
    QLabel* m_pUserLabel = nullptr;
    QLineEdit* m_pUser = nullptr;
    QLabel* m_pPasswordLabel = nullptr;
    QLineEdit* m_pPassword = nullptr;
    QCheckBox* m_pTls = nullptr;
    QLabel* m_pCaLabel = nullptr;
    QLineEdit* m_pCaFile = nullptr;
    QPushButton* m_pBrowseBtn = nullptr;
    QLabel* m_pPrefixLabel = nullptr;
    QLineEdit* m_pPrefix = nullptr;
    QCheckBox* m_pDiscovery = nullptr;
    QPushButton* m_pTestBtn = nullptr;
    QLabel* m_pResult = nullptr;
    QLabel* m_pStatus = nullptr;
    QLabel* m_pLogLabel = nullptr;
    QPlainTextEdit* m_pLog = nullptr;
    QPushButton* m_pOkBtn = nullptr;
    QPushButton* m_pCancelBtn = nullptr;
};
