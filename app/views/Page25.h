#pragma once

#include <QWidget>

class QGridLayout;
class QGroupBox;
class QInverter;
class QLabel;

// The box tab of the inverter browser: the identity of a combiner box and the
// twenty measurements it reports (four output voltages, sixteen input currents).
class Page25 : public QWidget {
    Q_OBJECT

public:
    static constexpr int VoltageCount = 4;
    static constexpr int CurrentCount = 16;

    explicit Page25(QWidget* parent = nullptr);
    ~Page25() override;

    void SetCurrentInverter(QInverter* inverter);
    QInverter* CurrentInverter() const { return m_pInverter; }
    // Driven by the browser's 200 ms timer.
    void Refresh();
    void Retranslate();

    // A measurement as shown: tenths with one decimal, "-" for a missing value.
    static QString ValueText(qint32 value);

private:
    // One caption, value and unit of the form.
    struct ValueRow {
        QLabel* m_pCaption = nullptr;
        QLabel* m_pValue = nullptr;
    };

    void BuildForm();
    ValueRow AddRow(QGroupBox* group, QGridLayout* layout, int row, const QString& name, const QString& unit);
    void SetValue(QLabel* label, const QString& text);
    void ShowNothing();

    QInverter* m_pInverter = nullptr;
    QGroupBox* m_pBaseGroup = nullptr;
    QGroupBox* m_pOutputGroup = nullptr;
    QGroupBox* m_pInputGroups[4] = {};
    ValueRow m_Identity[4];
    ValueRow m_Voltages[VoltageCount];
    ValueRow m_Currents[CurrentCount];
};
