#pragma once

#include "QDataSheetTable.h"
#include "ReportSheet.h"

#include <QWidget>

class QGroupBox;
class QInverter;
class QLabel;
class QPrinter;

// The technical data tab of the inverter browser: who and where the current
// inverter is, and the data sheet of its model from specification.db with the
// product picture. It prints the sheet, or saves it as PDF or BMP, when the main
// window asks.
class Page24 : public QWidget {
    Q_OBJECT

public:
    enum ReportKind { ReportPreview = 1, ReportPdf = 2, ReportBmp = 3 };

    explicit Page24(QWidget* parent = nullptr);

    void SetCurrentInverter(QInverter* inverter);
    QInverter* CurrentInverter() const { return m_pInverter; }
    // The language index (0 English, 1 simplified and 2 traditional Chinese,
    // 3 Italian) that picks the item of the per-language columns.
    void SetLanguage(int index);
    void Retranslate();
    // Print preview (1), PDF (2) or BMP (3) of the sheet.
    void Report(const QString& path, int kind);

    const QDataSheetTable& Table() const { return m_Table; }
    // A label of the form by its object name ("MaxVoltage", "model", ...).
    QLabel* Label(const QString& name) const;
    // The sheet as printed: the page's captions and values as they stand.
    ReportSheet Sheet() const;

public slots:
    // Driven by the browser's 200 ms timer: the sheet follows a model that became known.
    void Refresh();
    void printPreview(QPrinter* printer);

private:
    struct Field {
        const char* m_pName;
        const char* m_pCaption;
        int m_nColumn; // column of Para; -1 for the identity lines
        bool m_bPerLanguage;
        int m_nGroup; // -1 identity, else the group
        QLabel* m_pCaptionLabel = nullptr;
        QLabel* m_pValueLabel = nullptr;
    };

    void BuildForm();
    void LoadTable();
    void ShowRow(int row);
    QString PictureFile() const;

    QDataSheetTable m_Table;
    QInverter* m_pInverter = nullptr;
    QString m_strShownModel;
    int m_nLanguage = 0;
    int m_nPicture = 0; // the picture code shown, 0 for none yet
    QList<Field> m_Fields;
    QGroupBox* m_pGroups[4] = {};
    QWidget* m_pPicture = nullptr;
};
