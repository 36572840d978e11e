#include "QMailMessage.h"

#include "QMailRecord.h"

const QByteArray QMailMessage::ToDisplayName = QByteArrayLiteral("Tivra Wattsight");

QByteArray QMailMessage::OneLine(const QString& text) {
    QByteArray bytes = text.toUtf8();
    bytes.replace('\r', ' ');
    bytes.replace('\n', ' ');
    return bytes;
}

QByteArray QMailMessage::Transparent(const QString& body) {
    QString text = body;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QByteArray bytes;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            bytes += "\r\n";
        }
        if (lines.at(i).startsWith(QLatin1Char('.'))) {
            bytes += '.';
        }
        bytes += lines.at(i).toUtf8();
    }
    return bytes;
}

QByteArray QMailMessage::Header(const QMailRecord& record) {
    return "From:\"\"<" + OneLine(record.m_strFrom) + ">\r\nTo:\"" + ToDisplayName + "\"<" +
           OneLine(record.m_strTo) + ">\r\nSubject:" + OneLine(record.m_strSubject) +
           "\r\nMime-Version: 1.0\r\nContent-Type: multipart/mixed;   boundary=\"COMPANY\"\r\n\r\n";
}

QByteArray QMailMessage::TextPart(const QString& body) {
    // The text is UTF-8, so the label says so: labelled gb2312, every accented
    // or Chinese character would reach the reader garbled.
    return "--COMPANY\r\nContent-Type: text/plain;\r\n  charset=\"utf-8\"\r\n\r\n" + Transparent(body) +
           "\r\n\r\n";
}

QString QMailMessage::AttachmentName(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QByteArray QMailMessage::AttachmentHead(const QString& name) {
    // A quote in a file name would end the quoted parameter early.
    QByteArray quoted = OneLine(name);
    quoted.replace('\\', "\\\\");
    quoted.replace('"', "\\\"");
    return "--COMPANY\r\nContent-Type: application/octet-stream;\r\n  name=\"" + quoted +
           "\"\r\nContent-Transfer-Encoding: base64\r\nContent-Disposition: attachment;\r\n  filename=\"" +
           quoted + "\"\r\n\r\n";
}

QByteArray QMailMessage::Closing() {
    return QByteArrayLiteral("--COMPANY--\r\n.\r\n");
}
