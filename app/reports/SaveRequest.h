#pragma once

#include "GenerationReport.h"

#include <QDate>
#include <QString>

class QInverter;
class QSystemModel;

// What the save dialog hands back: which report, where to, which inverter, the
// period and its dates, and the file format.
struct SaveRequest {
    enum Kind {
        SystemInformation = 0,
        InverterInformation = 1,
        SystemGeneration = 2,
        InverterGeneration = 3
    };
    enum Action { ActionNone = 0, ActionPrint = 1, ActionSave = 2 };

    int m_nKind = SystemInformation;
    QString m_strFolder;
    QString m_strName; // without extension
    QDate m_From;
    QDate m_To;
    QInverter* m_pInverter = nullptr;
    int m_nOutput = GenerationReport::Pdf;   // when saving: 2 .pdf, 3 .bmp, 4 .csv, 5 .txt
    int m_nPeriod = GenerationReport::Daily; // 0 when none is chosen

    // Folder and name; the renderers add the extension.
    QString TargetPath() const;
    // The output value the renderer gets: saving keeps the format; printing is
    // the sheets' preview (1) for kinds 0 and 1 and the generation report's
    // preview (0) for kinds 2 and 3.
    int OutputFor(int action) const;
    // The generation report of kinds 2 and 3, its entries read from the plant's
    // statistics files.
    GenerationReport Generation(const QSystemModel& plant, int output) const;
};
