#pragma once

#include "QMaintenanceDlg.h"

class QLabel;
class QLineEdit;
class QTextEdit;

// The form the raw register dialogs share: the first register in hexadecimal,
// the register count, a text of hexadecimal bytes and two buttons (the action
// and Clear, which empties the text).
class QRegisterDlg : public QMaintenanceDlg {
    Q_OBJECT
public:
    QLineEdit* AddressEdit() const { return m_pAddr; }
    QLineEdit* LengthEdit() const { return m_pLen; }

protected:
    QRegisterDlg(QWidget* parent, const char* objectName, const char* textName, const char* actionName,
                 const char* clearName);

    // The register and count typed, when they are valid; otherwise says what is wrong.
    bool TypedRequest(int* reg, int* count);

    QLabel* m_pTextLabel = nullptr;
    QTextEdit* m_pText = nullptr;
    QPushButton* m_pAction = nullptr;
    QPushButton* m_pClear = nullptr;

private:
    QLineEdit* m_pAddr = nullptr;
    QLineEdit* m_pLen = nullptr;
};
