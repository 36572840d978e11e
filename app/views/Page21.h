#pragma once

#include <QWidget>

class QInverter;

// The real-time tab of the inverter browser: live values of the current inverter
// in three groups, its operating state and the day trend of power and energy.
class Page21 : public QWidget {
    Q_OBJECT

public:
    explicit Page21(QWidget* parent = nullptr);
    ~Page21() override;

    void SetCurrentInverter(QInverter* inverter);
    void Retranslate();

public slots:
    // Driven by the browser's 200 ms timer.
    void Refresh();

private:
    QInverter* m_pInverter = nullptr;
};
