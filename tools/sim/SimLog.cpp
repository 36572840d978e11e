#include "SimLog.h"

#include <cstdio>

namespace SimLog {

void Line(const QString& text) {
    const QByteArray line = QByteArrayLiteral("wattsight-sim: ") + text.toLocal8Bit() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}

QString Hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ')).toUpper();
}

} // namespace SimLog
