#pragma once

#include <QtGlobal>

// The trend's look as the real-time page and the trend settings dialog exchange it.
struct TrendSettings {
    qint32 Color1 = 0xFF0000; // input power curve, 0xRRGGBB
    qint32 Color2 = 0x8000FF; // output power curve
    qint32 Color3 = 0x000000; // energy curve
    qint32 Total = 10;        // time axis span: 10, 100, 600 or 1200 minutes
    // Into the dialog: the trend's automatic Y-axis flag. Out of it: 1 when a
    // fixed Y maximum was chosen.
    qint32 Flag = 1;
    qint32 MaxValue = 5000; // fixed Y maximum in thousandths
};
