#pragma once

#include "QMaintenanceDlg.h"

#include <QDate>

class QDateEdit;
class QLabel;

// Asks for the start and end dates of tariff period T1; the opener writes them.
class QSetInverterTdlg : public QMaintenanceDlg {
    Q_OBJECT
public:
    // The inverter keeps years as year - 2000 in one byte and shows them as "20yy".
    static const QDate FirstDate;
    static const QDate LastDate;

    explicit QSetInverterTdlg(QWidget* parent = nullptr);

    // year * 65536 + month * 256 + day, so that packed dates compare in calendar order.
    static int PackedDate(const QDate& date);

    bool IsAccepted() const { return m_bAccepted; }
    int Start() const { return m_nStart; }
    int End() const { return m_nEnd; }
    QDateEdit* StartEdit() const { return m_pStart; }
    QDateEdit* EndEdit() const { return m_pEnd; }

public slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    QLabel* m_pStartLabel = nullptr;
    QLabel* m_pEndLabel = nullptr;
    QDateEdit* m_pStart = nullptr;
    QDateEdit* m_pEnd = nullptr;
    QPushButton* m_pOkBtn = nullptr;
    QPushButton* m_pCancelBtn = nullptr;
    bool m_bAccepted = false;
    int m_nStart = 0;
    int m_nEnd = 0;
};
