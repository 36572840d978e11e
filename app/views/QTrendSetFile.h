#pragma once

#include <QString>

class QTrend;

// trendset.dat: the trend's colours, scaling and time axis across restarts. Six
// little-endian 32-bit integers: Color1, Color2, Color3, Auto (1 automatic Y axis,
// 0 fixed), MaxValue, Total.
class QTrendSetFile {
public:
    static constexpr int FileSize = 24;

    static QString FilePath();
    // Applies a stored file to the trend. A missing, short or implausible file
    // leaves the trend's own values; false when nothing was applied.
    static bool Load(QTrend& trend, const QString& path = FilePath());
    // Writes the trend's current values, replacing the file whole; false when it
    // could not be written (the old file then stays as it was).
    static bool Save(const QTrend& trend, const QString& path = FilePath());
    // The time axis spans the settings dialog offers, in minutes.
    static bool IsValidTotal(int total);
};
