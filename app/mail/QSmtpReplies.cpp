#include "QSmtpReplies.h"

namespace {
int ReplyCode(const QByteArray& line) {
    if (line.size() < 3) {
        return 0;
    }
    int code = 0;
    for (int i = 0; i < 3; ++i) {
        const char c = line.at(i);
        if (c < '0' || c > '9') {
            return 0;
        }
        code = code * 10 + (c - '0');
    }
    return code;
}
} // namespace

bool QSmtpReplies::Append(const QByteArray& bytes) {
    const int zero = bytes.indexOf('\0');
    m_Pending += zero < 0 ? bytes : bytes.left(zero);
    int start = 0;
    for (int end = m_Pending.indexOf('\n'); end >= 0; end = m_Pending.indexOf('\n', start)) {
        QByteArray line = m_Pending.mid(start, end - start);
        start = end + 1;
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        m_Lines.append(line);
        if (line.size() < 4 || line.at(3) != '-') {
            m_Complete.append({ReplyCode(m_Lines.first()), m_Lines});
            m_Lines.clear();
        }
    }
    m_Pending.remove(0, start);
    qsizetype waiting = m_Pending.size();
    for (const QByteArray& line : std::as_const(m_Lines)) {
        waiting += line.size();
    }
    return waiting <= MaxPending;
}

QSmtpReplies::Reply QSmtpReplies::Take() {
    return m_Complete.isEmpty() ? Reply() : m_Complete.takeFirst();
}

void QSmtpReplies::Clear() {
    m_Pending.clear();
    m_Lines.clear();
    m_Complete.clear();
}
