#include "SettingText.h"

#include <QRegularExpression>
#include <climits>

namespace SettingText {

QString WithoutControls(const QString& text) {
    QString clean;
    clean.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control) {
            clean.append(c);
        }
    }
    return clean;
}

qint64 Hundredths(const QString& text, bool* ok) {
    static const QRegularExpression decimal(QStringLiteral("^(-?)([0-9]*)(?:[.]([0-9]*))?$"));
    *ok = false;
    const QRegularExpressionMatch match = decimal.match(text.trimmed());
    const QString whole = match.captured(2);
    const QString fraction = match.captured(3);
    if (!match.hasMatch() || (whole.isEmpty() && fraction.isEmpty()) || whole.size() > 10) {
        return 0;
    }
    qint64 value = whole.isEmpty() ? 0 : whole.toLongLong() * 100;
    value += fraction.left(2).leftJustified(2, QLatin1Char('0')).toLongLong();
    if (match.captured(1) == QLatin1String("-")) {
        value = -value;
    }
    *ok = value >= INT_MIN && value <= INT_MAX;
    return value;
}

} // namespace SettingText
