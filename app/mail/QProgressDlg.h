#pragma once

#include "BaseDlg.h"

class QLabel;
class QProgressBar;

// Shown by the mail dialog while attachments go out: how much of them the
// socket has taken, in percent. It closes itself at 100.
class QProgressDlg : public BaseDlg {
    Q_OBJECT
public:
    explicit QProgressDlg(QWidget* parent = nullptr);
    ~QProgressDlg() override;

    void SetValue(int value);
    int Value() const;
    QProgressBar* Bar() const { return m_pBar; }

private:
    QLabel* m_pCaption;
    QProgressBar* m_pBar;
};
