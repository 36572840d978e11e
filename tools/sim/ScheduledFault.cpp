#include "ScheduledFault.h"

#include <QRegularExpression>

bool ScheduledFault::IsActiveAt(int minuteOfDay) const {
    if (fromMinute <= toMinute) {
        return minuteOfDay >= fromMinute && minuteOfDay < toMinute;
    }
    return minuteOfDay >= fromMinute || minuteOfDay < toMinute;
}

bool ScheduledFault::Parse(const QString& text, ScheduledFault* fault, QString* error) {
    static const QRegularExpression pattern(QStringLiteral(
        "^(\\d{1,3}):(\\d):(?:0[xX])?([0-9A-Fa-f]{1,4}):(\\d{1,2}):(\\d{2})-(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch()) {
        *error =
            QStringLiteral("bad fault \"%1\": expected ADDR:WORD:CODE:HH:MM-HH:MM, e.g. 1:0:E006:10:00-10:30")
                .arg(text);
        return false;
    }
    ScheduledFault result;
    result.address = match.captured(1).toInt();
    result.word = match.captured(2).toInt();
    result.code = quint16(match.captured(3).toUInt(nullptr, 16));
    const int fromHour = match.captured(4).toInt();
    const int fromMin = match.captured(5).toInt();
    const int toHour = match.captured(6).toInt();
    const int toMin = match.captured(7).toInt();
    if (result.address < 1 || result.address > 247) {
        *error = QStringLiteral("bad fault \"%1\": address must be 1 to 247").arg(text);
        return false;
    }
    if (result.word > 7) {
        *error = QStringLiteral("bad fault \"%1\": fault word must be 0 to 7").arg(text);
        return false;
    }
    if (result.code == 0) {
        *error = QStringLiteral("bad fault \"%1\": code 0 means no fault").arg(text);
        return false;
    }
    if (fromHour > 23 || fromMin > 59 || toHour > 24 || toMin > 59 || (toHour == 24 && toMin != 0)) {
        *error = QStringLiteral("bad fault \"%1\": times must be HH:MM of one day").arg(text);
        return false;
    }
    result.fromMinute = fromHour * 60 + fromMin;
    result.toMinute = toHour * 60 + toMin;
    if (result.fromMinute == result.toMinute) {
        *error = QStringLiteral("bad fault \"%1\": the window is empty").arg(text);
        return false;
    }
    *fault = result;
    return true;
}
