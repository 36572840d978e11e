#pragma once

#include "QPendingTab.h"

class QSystemModel;

// The status and faults tab of the inverter browser. It shows the current
// inverter's name until its own content is built.
class Page22 : public QPendingTab {
    Q_OBJECT

public:
    explicit Page22(QWidget* parent = nullptr);
    void SetSystemModel(QSystemModel* model) { m_pSystem = model; }

protected:
    QString CaptionText() const override;

private:
    QSystemModel* m_pSystem = nullptr;
};
