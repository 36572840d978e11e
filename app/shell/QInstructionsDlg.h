#pragma once

#include "BaseDlg.h"

class QLabel;

// "About KOVA": the maker's contact card.
class QInstructionsDlg : public BaseDlg {
    Q_OBJECT
public:
    explicit QInstructionsDlg(QWidget* parent = nullptr);

    // The caption and value of each line, in order.
    QList<QPair<QString, QString>> Lines() const;

private:
    QList<QPair<QLabel*, QLabel*>> m_Lines;
};
