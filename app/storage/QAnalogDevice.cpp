#include "QAnalogDevice.h"

#include "DataPaths.h"
#include "QInverter.h"

#include <cmath>
#include <limits>

namespace {
constexpr int FirstDaySample = 3600; // 06:00:00 counted in 6-second steps from midnight
constexpr int LastHistorySample = 10798;
constexpr int LastLiveSample = 7195;

// Truncates toward zero like a C cast, but never outside the 32-bit range.
qint32 Truncated(double value) {
    if (std::isnan(value)) {
        return -1;
    }
    const double t = std::trunc(value);
    if (t >= double(std::numeric_limits<qint32>::max())) {
        return std::numeric_limits<qint32>::max();
    }
    if (t <= double(std::numeric_limits<qint32>::min())) {
        return std::numeric_limits<qint32>::min();
    }
    return static_cast<qint32>(t);
}
} // namespace

QString QAnalogDevice::DatabasePath() {
    return DataPaths::FilePath(QStringLiteral("analog.db"));
}

bool QAnalogDevice::LoadAnalogDay(QInverter* device, const QDateTime& now) {
    if (device == nullptr) {
        return false;
    }
    device->SetCommState(CommConnecting);
    if (!m_Reader.Open(DatabasePath())) {
        device->SetCommState(CommOffline);
        return false;
    }
    device->SetCommState(CommOnline);
    device->BeginDay(now.date());
    const QTime time = now.time();
    const int current = time.hour() * 600 + time.minute() * 10 + time.second() / 6;
    for (int i = FirstDaySample; i < current; ++i) {
        const int sample = qMin(i, LastHistorySample) - FirstDaySample;
        const int minute = i / 10;
        device->SetMinuteValue(0, minute, Truncated(m_Reader.GetData(sample, 4)));
        device->SetMinuteValue(1, minute, Truncated(m_Reader.GetData(sample, 10)));
        device->SetMinuteValue(2, minute, Truncated(m_Reader.GetData(sample, 12) * 100));
    }
    return true;
}

void QAnalogDevice::FeedAnalogSample(QInverter* device, const QDateTime& now) {
    if (device == nullptr || !m_Reader.IsOpen()) {
        return;
    }
    const QDate date = now.date();
    const QTime time = now.time();
    // Before 06:00 the index is negative; the reader answers with the first sample.
    const int sample = qMin((time.hour() - 6) * 600 + time.minute() * 10 + time.second() / 6, LastLiveSample);
    auto data = [this, sample](int index) { return m_Reader.GetData(sample, index); };

    device->SetItem(InputPower, Truncated(data(4)));
    device->SetItem(OutputPower, Truncated(data(10)));
    device->SetItem(String1Voltage, Truncated(data(0) * 10));
    device->SetItem(String1Current, Truncated(data(1) * 10));
    device->SetItem(String2Voltage, Truncated(data(2) * 10));
    device->SetItem(String2Current, Truncated(data(3) * 10));
    device->SetItem(PhaseUVoltage, Truncated(data(6) * 10));
    device->SetItem(PhaseUCurrent, Truncated(data(7) * 10));
    device->SetItem(GridFrequency, Truncated(data(8) * 100));
    device->SetItem(Register16A1, Truncated(data(9) * 1000));
    device->SetItem(PeakPower, Truncated(data(11)));
    device->SetItem(Temperature1, Truncated(data(5) * 100));
    device->SetItem(Co2Reduction, Truncated(data(12) * 0.997 * 100));
    device->SetItem(TotalEnergy, Truncated(data(12) * 100));
    device->SetItem(TodayEnergy, Truncated(data(12) * 100));
    device->SetItem(ClockDate, (date.year() - 2000) * 65536 + date.month() * 256 + date.day());
    device->SetItem(ClockTime, time.hour() * 65536 + time.minute() * 256 + time.second());
}
