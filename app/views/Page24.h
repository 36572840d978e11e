#pragma once

#include <QWidget>

class QInverter;
class QLabel;
class QSystemModel;

// The technical data tab of the inverter browser: the model's data sheet. It shows the current inverter's
// name until its own content is built.
class Page24 : public QWidget {
    Q_OBJECT

public:
    explicit Page24(QWidget* parent = nullptr);
    ~Page24() override;

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
};
