#pragma once

#include "BaseDlg.h"

class QColorDialog;

// A frameless colour chooser: the toolkit's colour dialog embedded in the
// program's own dialog frame.
class QMyColorDialog : public BaseDlg {
    Q_OBJECT

public:
    explicit QMyColorDialog(QWidget* parent = nullptr);
    ~QMyColorDialog() override;

    bool IsAccepted() const { return m_bAccepted; }
    // The chosen colour as 0xRRGGBB; -1 until one was accepted.
    int Colour() const { return m_nColour; }
    QColorDialog* ColorDialog() const { return m_pColorDialog; }

public slots:
    void BtnClose(int result);

private:
    QColorDialog* m_pColorDialog = nullptr;
    bool m_bAccepted = false;
    int m_nColour = -1;
};
