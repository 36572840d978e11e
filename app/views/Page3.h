#pragma once

#include "ReportSheet.h"

#include <QList>
#include <QWidget>

class NameFrame;
class QGroupBox;
class QLabel;
class QPrinter;
class QSystemModel;

// The system information page: the plant's description as the configuration
// dialogs store it in the settings (name, site, solar cells, inverter models,
// public grid, remarks) and the plant's inverter counts. It prints the sheet in
// landscape, or saves it as PDF or BMP, when the main window asks.
class Page3 : public QWidget {
    Q_OBJECT
public:
    enum ReportKind { ReportPreview = 1, ReportPdf = 2, ReportBmp = 3 };
    static constexpr int BmpWidth = 1188;
    static constexpr int BmpHeight = 840;

    explicit Page3(QWidget* parent = nullptr);

    void SetSystemModel(QSystemModel* model);
    // Shows what a changed settings key means to the page; other keys change nothing.
    void OnSystemValue(const QString& key);
    // Re-counts the single- and three-phase inverters after the plant's list changed.
    void RefreshFromPlant();
    void Retranslate();
    // Print preview (1), PDF (2) or BMP (3) of the sheet.
    void Report(const QString& path, int kind);

    // A value label by its object name (the settings key it shows, or
    // "Location", "TotalPower", "RatedPower_1", "Count_3", ...).
    QLabel* Value(const QString& name) const;
    QString PlantName() const;
    QString SiteText() const;
    QString SingleCount() const;
    QString ThreeCount() const;
    // The sheet as printed: the page's captions and values as they stand.
    ReportSheet Sheet() const;

    // "22.50S", "113.80E": hundredths of a degree with the hemisphere.
    static QString Coordinate(int hundredths, char positive, char negative);

public slots:
    void printPreview(QPrinter* printer);

private:
    struct Row {
        const char* m_pName;
        const char* m_pCaption;
        int m_nGroup; // -1 the site lines, 0 solar cells, 1 inverters, 2 public grid
        QLabel* m_pCaptionLabel = nullptr;
        QLabel* m_pValueLabel = nullptr;
    };

    void BuildForm();
    void SetValue(const char* name, const QString& text);
    void ShowSite();
    void ShowInverterType(int phases);

    QSystemModel* m_pSystem = nullptr;
    QList<Row> m_Rows;
    QLabel* m_pCaption = nullptr;
    NameFrame* m_pName = nullptr;
    QGroupBox* m_pGroups[3] = {};
    QGroupBox* m_pRemarksGroup = nullptr;
    QLabel* m_pRemarks = nullptr;
};
