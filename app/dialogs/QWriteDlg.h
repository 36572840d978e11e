#pragma once

#include "QRegisterDlg.h"

// Writes any block of up to 20 registers of the inverter from typed
// hexadecimal bytes, after asking. The acknowledgement shows "Set
// successfully!" through the main window. Opened by the inverter settings dialog.
class QWriteDlg : public QRegisterDlg {
    Q_OBJECT
public:
    explicit QWriteDlg(QWidget* parent = nullptr);

    QTextEdit* Buffer() const { return m_pText; }

public slots:
    void on_pushButton_clicked();
};
