#pragma once

#include "QPendingTab.h"

class QSystemModel;

// The history tab of the inverter browser: generation by day, month and year. It shows the current
// inverter's name until its own content is built.
class Page23 : public QPendingTab {
    Q_OBJECT

public:
    explicit Page23(QWidget* parent = nullptr);
    void SetSystemModel(QSystemModel* model) { m_pSystem = model; }
    // First hour of the today view, from the plant's sunrise setting.
    void SetBeginTime(int hour) { m_nBeginHour = hour; }
    int BeginTime() const { return m_nBeginHour; }

protected:
    QString CaptionText() const override;

private:
    QSystemModel* m_pSystem = nullptr;
    int m_nBeginHour = 6;
};
