#include "DecimalText.h"

#include <limits>

namespace DecimalText {

qint64 ToHundredths(const QString& text, bool* ok) {
    if (ok) {
        *ok = false;
    }
    const QString trimmed = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < trimmed.size() && (trimmed.at(i) == QLatin1Char('-') || trimmed.at(i) == QLatin1Char('+'))) {
        negative = trimmed.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 whole = 0;
    int digits = 0;
    for (; i < trimmed.size() && trimmed.at(i).isDigit(); ++i, ++digits) {
        whole = whole * 10 + trimmed.at(i).digitValue();
        if (whole > std::numeric_limits<qint32>::max()) {
            return 0;
        }
    }
    qint64 fraction = 0;
    int decimals = 0;
    if (i < trimmed.size() && trimmed.at(i) == QLatin1Char('.')) {
        for (++i; i < trimmed.size() && trimmed.at(i).isDigit(); ++i, ++digits) {
            if (decimals < 2) {
                fraction = fraction * 10 + trimmed.at(i).digitValue();
                ++decimals;
            }
        }
    }
    if (i != trimmed.size() || digits == 0) {
        return 0;
    }
    for (; decimals < 2; ++decimals) {
        fraction *= 10;
    }
    const qint64 value = whole * 100 + fraction;
    if (value > std::numeric_limits<qint32>::max()) {
        return 0;
    }
    if (ok) {
        *ok = true;
    }
    return negative ? -value : value;
}

QString FromHundredths(qint64 hundredths) {
    const qint64 magnitude = hundredths < 0 ? -hundredths : hundredths;
    return QString::asprintf("%s%lld.%02lld", hundredths < 0 ? "-" : "", magnitude / 100, magnitude % 100);
}

} // namespace DecimalText
