#pragma once

#include <QDate>
#include <QList>
#include <QWidget>

class QGroupBox;
class QInverter;
class QLabel;
class QPushButton;
class QRadioButton;
class QTrend;

// The real-time tab of the inverter browser: live values of the current inverter
// in three groups, its operating state and the day trend of input power, output
// power and energy. Keeps the trend's look in trendset.dat.
class Page21 : public QWidget {
    Q_OBJECT

public:
    // Label colours: captions, live values, and what the model lacks.
    static const QString CaptionStyle;
    static const QString ValueStyle;
    static const QString MissingStyle;

    explicit Page21(QWidget* parent = nullptr);
    ~Page21() override; // writes trendset.dat

    void SetCurrentInverter(QInverter* inverter);
    QInverter* CurrentInverter() const { return m_pInverter; }
    void Retranslate();

    QTrend* Trend() const { return m_pTrend; }
    // A value label by its object name ("V1", "Output", "status_text", ...).
    QLabel* ValueLabel(const QString& name) const;
    // The caption beside a value label.
    QLabel* CaptionLabel(const QString& name) const;

public slots:
    // Driven by the browser's 200 ms timer: the values and the trend.
    void Refresh();
    // The values on the tab, which the browser refreshes only while they are shown.
    void RefreshValues();
    // The trend's point of the minute, taken whether or not the tab is shown.
    void RefreshTrend();

private slots:
    void on_radioButton_clicked();
    void on_radioButton_2_clicked();
    void on_pushButton_clicked();

private:
    // One value of the form: caption, value and unit labels.
    struct ValueRow {
        const char* m_pName;
        const char* m_pCaption;
        const char* m_pUnit;
        QLabel* m_pCaptionLabel = nullptr;
        QLabel* m_pValueLabel = nullptr;
        QLabel* m_pUnitLabel = nullptr;
    };
    enum ValueGroup { GroupInput, GroupOutput, GroupOther };

    static void OnTrendAttribute(QString name, void* page);
    void TrendAttributeChanged(const QString& name);

    void BuildForm();
    QGroupBox* BuildGroup(ValueGroup group);
    QWidget* BuildTrendPanel();
    void ColourByPicture(int pictureCode);
    void SetRowStyle(const char* name, const QString& style);
    void SetValue(const char* name, const QString& text);
    void ShowReset();
    void AddTrendPointOncePerMinute();
    void RebuildTrend();

    QInverter* m_pInverter = nullptr;
    QList<ValueRow> m_Rows;
    QGroupBox* m_pGroups[3] = {nullptr, nullptr, nullptr};
    QLabel* m_pTrendCaption = nullptr;
    QLabel* m_pLegendInput = nullptr;
    QLabel* m_pLegendOutput = nullptr;
    QLabel* m_pLegendEnergy = nullptr;
    QLabel* m_pLineInput = nullptr;
    QLabel* m_pLineOutput = nullptr;
    QLabel* m_pLineEnergy = nullptr;
    QLabel* m_pUnit = nullptr;
    QRadioButton* m_pPowerRadio = nullptr;
    QRadioButton* m_pEnergyRadio = nullptr;
    QPushButton* m_pSettingsBtn = nullptr;
    QTrend* m_pTrend = nullptr;

    // One trend point a minute, taken on the second refresh within second 10.
    bool m_bSkip = true;
    bool m_bSeen = false;
    QDate m_TrendDate; // the day the trend shows
};
