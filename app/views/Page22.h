#pragma once

#include <QWidget>

class QInverter;
class QLabel;
class QSystemModel;

// The status and faults tab of the inverter browser. It shows the current inverter's name until its
// own content is built.
class Page22 : public QWidget {
    Q_OBJECT

public:
    explicit Page22(QWidget* parent = nullptr);
    ~Page22() override;
    void SetSystemModel(QSystemModel* model) { m_pSystem = model; }

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
};
