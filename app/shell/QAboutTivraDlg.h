#pragma once

#include "BaseDlg.h"

class QLabel;

// "About Tivra Wattsight": the program's name and version.
class QAboutTivraDlg : public BaseDlg {
    Q_OBJECT
public:
    static constexpr const char* Version = "2.4.5";

    explicit QAboutTivraDlg(QWidget* parent = nullptr);

    QList<QPair<QString, QString>> Lines() const;

private:
    QList<QPair<QLabel*, QLabel*>> m_Lines;
};
