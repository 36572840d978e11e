#pragma once

#include <QWidget>

class QInverter;
class QLabel;
class QSystemModel;

// The history tab of the inverter browser: generation by day, month and year. It shows the current inverter's
// name until its own content is built.
class Page23 : public QWidget {
    Q_OBJECT

public:
    explicit Page23(QWidget* parent = nullptr);
    ~Page23() override;
    void SetSystemModel(QSystemModel* model) { m_pSystem = model; }
    // First hour of the today view, from the plant's sunrise setting.
    void SetBeginTime(int hour) { m_nBeginHour = hour; }
    int BeginTime() const { return m_nBeginHour; }

    void SetCurrentInverter(QInverter* inverter);
    QInverter* CurrentInverter() const { return m_pInverter; }
    void Retranslate();

public slots:
    // Driven by the browser's 200 ms timer.
    void Refresh();

private:
    QInverter* m_pInverter = nullptr;
    QLabel* m_pCaption = nullptr;
    QLabel* m_pInverterName = nullptr;
    QSystemModel* m_pSystem = nullptr;
    int m_nBeginHour = 6;
};
