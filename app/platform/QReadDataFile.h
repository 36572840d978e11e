#pragma once

#include <QString>
#include <QVector>

// Reader of the recorded day of the analog signal device: analog.db, a SQLite
// file of samples at 6-second steps (sample 0 is 06:00:00), 13 quantities each.
// Layout: meta(key TEXT PRIMARY KEY, value TEXT) holding "format" =
// "wattsight-analog" and "version" = 1, and samples(sample INTEGER PRIMARY KEY,
// d0 REAL, ..., d12 REAL). tools/analogdb writes it.
class QReadDataFile {
public:
    static constexpr int DataCount = 13;

    QReadDataFile() = default;
    // Loads the whole day; false when the file is missing or not a recording.
    bool Open(const QString& path);
    bool IsOpen() const { return m_bOpen; }
    int SampleCount() const { return m_Samples.size(); }
    // One quantity at one sample; samples outside the recording read as the
    // nearest recorded one, an unknown quantity as 0.
    double GetData(int sample, int dataIndex) const;

private:
    bool m_bOpen = false;
    QVector<QVector<double>> m_Samples;
};
