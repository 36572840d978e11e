#pragma once

#include <QString>

// Ratings of an inverter model, from the model table.
struct ModelInfo {
    QString m_strName;        // the reported text, or the fallback model's name
    int m_nPhases = 1;        // 1 or 3
    int m_nPicture = 1;       // series 1 to 5, picks the icons
    int m_nRatedPower = 5000; // W
    bool m_bBox = false;      // the name contains "Box": a combiner box is attached
};
