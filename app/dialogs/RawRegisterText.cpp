#include "RawRegisterText.h"

#include <QRegularExpression>
#include <QStringList>

namespace RawRegisterText {

int HexNumber(const QString& text) {
    bool ok = false;
    const uint value = text.trimmed().toUpper().toUInt(&ok, 16);
    return ok && value <= 0xFFFF ? int(value) : 0;
}

RequestCheck ParseRequest(const QString& regText, const QString& countText, int* reg, int* count) {
    *reg = HexNumber(regText);
    *count = countText.trimmed().toInt();
    if (*reg < 1) {
        return RequestCheck::BadAddress;
    }
    if (*count < 1 || *count > MaxRegisters) {
        return RequestCheck::BadLength;
    }
    return RequestCheck::Valid;
}

QString HexDump(const QByteArray& bytes) {
    QString text;
    for (int i = 0; i < bytes.size(); ++i) {
        text += QString::asprintf("%02X", uint(quint8(bytes.at(i))));
        text += (i % 8 == 0 && i > 0) ? QLatin1Char('\n') : QLatin1Char(' ');
    }
    return text;
}

TypedBytes ParseBytes(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("\\s+"));
    static const QRegularExpression hexByte(QStringLiteral("^[0-9A-Fa-f]{2}$"));
    TypedBytes result;
    // Any blank or line break separates, "\r\n" of a pasted text included; a
    // piece that is not two hex digits would otherwise become a made-up byte.
    for (const QString& piece : text.split(separators, Qt::SkipEmptyParts)) {
        if (!hexByte.match(piece).hasMatch()) {
            continue;
        }
        ++result.typed;
        if (result.bytes.size() < BufferBytes) {
            result.bytes.append(char(piece.toUInt(nullptr, 16)));
        }
    }
    return result;
}

} // namespace RawRegisterText
