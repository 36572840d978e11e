#pragma once

#include "QFormDlg.h"

#include <QFont>

class QSystemModel;

// The plant's free description, one line shown under "Remarks" on the
// information page.
class DlgEditRemark : public QFormDlg {
    Q_OBJECT
public:
    static constexpr int RemarkPoints = 10;
    static constexpr int RemarkWidthLimit = 765;

    explicit DlgEditRemark(QWidget* parent = nullptr);
    ~DlgEditRemark() override;

    void SetSystemModel(QSystemModel* system);
    // The font of the information page's remarks, to measure the text where the
    // dialog's own face is missing.
    void SetRemarkFont(const QFont& font) { m_RemarkFont = font; }

public slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    void Retranslate();

    QSystemModel* m_pSystem = nullptr;
    QFont m_RemarkFont;
    QLineEdit* m_pEdit;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};
