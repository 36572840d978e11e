#pragma once

#include "GenerationReport.h"
#include "QHistoryChart.h"

#include <QVector>
#include <QWidget>
#include <functional>

class QHistogram;
struct QHourReadings;
class QInverter;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;
class QSystemModel;

// The history tab of the inverter browser: the current inverter's generation as
// a bar chart by the hours of today, the days of this month, the months of this
// year or the years, rebuilt every ten seconds. It also renders the generation
// reports the main window asks for: print preview, PDF, BMP, CSV and TXT.
class Page23 : public QWidget {
    Q_OBJECT

public:
    static constexpr int ViewCount = 4;

    explicit Page23(QWidget* parent = nullptr);

    // Where today's hourly readings of an inverter are kept (the recorder).
    using HourSource = std::function<const QHourReadings*(const QInverter*)>;

    void SetSystemModel(QSystemModel* model) { m_pSystem = model; }
    void SetHourSource(HourSource source);
    void SetCurrentInverter(QInverter* inverter);
    QInverter* CurrentInverter() const { return m_pInverter; }
    // First hour of the today view, from the plant's sunrise setting.
    void SetBeginTime(int hour);
    int BeginTime() const { return m_nBeginHour; }
    void Retranslate();

    // Stores the request and produces it (its output field says how).
    void Report(const QString& path, const GenerationReport& request);
    const GenerationReport& LastReport() const { return m_Report; }

    int View() const { return m_nView; }
    QHistogram* Histogram() const { return m_pHistogram; }
    const QHistoryChart& Chart() const { return m_Chart; }
    // The inverter's block of total.dat as last read.
    const QVector<qint32>& TotalRecord() const { return m_TotalRecord; }

public slots:
    // Driven by the browser's 200 ms timer: rebuilds the chart once in every ten seconds.
    void Refresh();
    void printPreview(QPrinter* printer);
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_4_clicked();

protected:
    // Not rebuilt while hidden: brought up to date as it comes up.
    void showEvent(QShowEvent* event) override;

private:
    void BuildForm();
    void ShowView(int view);
    void Rebuild();
    // The report with the plant's price and currency and the inverter's name.
    GenerationReport Completed(const GenerationReport& request) const;

    QSystemModel* m_pSystem = nullptr;
    HourSource m_HourSource;
    QInverter* m_pInverter = nullptr;
    int m_nView = QHistoryChart::Today;
    int m_nBeginHour = 6;
    bool m_bArmed = false;
    QVector<qint32> m_TotalRecord;
    QHistoryChart m_Chart;
    GenerationReport m_Report;

    QPushButton* m_pViewButtons[ViewCount] = {};
    QLabel* m_pUnitLabel = nullptr;
    QScrollArea* m_pScrollArea = nullptr;
    QHistogram* m_pHistogram = nullptr;
};
