#pragma once

#include "QFormDlg.h"
#include "QInverterSearch.h"

class QInverterPane;
class QMissionModel;
class QSystemModel;
class QTimer;

// Searches the bus for inverters between two addresses and lists those that
// answer; a found inverter joins the plant under a name the user gives it.
// The main window passes the answers of the probes to OnProbeDone while the
// dialog is open.
class QFindInverterDlg : public QFormDlg {
    Q_OBJECT
public:
    static constexpr int TickMs = 50;

    explicit QFindInverterDlg(QWidget* parent = nullptr);
    ~QFindInverterDlg() override;

    void SetSystemModel(QSystemModel* system);
    // The search callback: the answered probe, or none when it timed out.
    void OnProbeDone(QMissionModel* mission);

    QInverterPane* Pane() const { return m_pPane; }
    QTimer* TickTimer() const { return m_pTimer; }
    QString StatusText() const;
    const QInverterSearch* Searcher() const { return m_pSearch; }

signals:
    void DeleteMission(QMissionModel* pMission);
    // Each status line as it is shown ("Address:5   find").
    void StatusShown(const QString& text);

public slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void Search();
    bool addInverter(int addr, QString strName, QString strType);

private:
    void Retranslate();
    void ShowStatus(int address, const char* what);

    QSystemModel* m_pSystem = nullptr;
    QInverterSearch* m_pSearch = nullptr;
    QTimer* m_pTimer;
    QLineEdit* m_pStart;
    QLineEdit* m_pEnd;
    QLabel* m_pStartCaption;
    QLabel* m_pEndCaption;
    QLabel* m_pNowCaption;
    QLabel* m_pStatus;
    QPushButton* m_pSearchBtn;
    QPushButton* m_pStopBtn;
    QInverterPane* m_pPane;
};
