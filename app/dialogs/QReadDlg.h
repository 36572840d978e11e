#pragma once

#include "QRegisterDlg.h"

class QMissionModel;

// Reads any block of up to 20 registers of the inverter and shows the reply's
// bytes in hexadecimal. Opened by the inverter settings dialog, which routes
// the reply here.
class QReadDlg : public QRegisterDlg {
    Q_OBJECT
public:
    explicit QReadDlg(QWidget* parent = nullptr);
    ~QReadDlg() override;

    static QReadDlg* Current();
    // Shows the reply of a raw read (code 3000); ignores any other.
    void ShowReadReply(const QMissionModel* mission);

    QTextEdit* ReturnEdit() const { return m_pText; }

public slots:
    void on_ReadBtn_clicked();
    void on_ClearBtn_clicked();
};
