#pragma once

#include <QByteArray>
#include <QString>

struct QMailRecord;

// The bytes of one mail as the sender writes them after DATA: the header, the
// text part, a part per attachment with its Base64 lines, all divided by the
// boundary "COMPANY", and the closing lines. Text becomes UTF-8.
class QMailMessage {
public:
    static constexpr int PieceSize = 3000; // attachment bytes per Base64 line of 4000 characters
    static const QByteArray ToDisplayName; // the same for every mail

    static QByteArray Header(const QMailRecord& record);
    static QByteArray TextPart(const QString& body);
    // The part of the path after its last "/", or the whole path.
    static QString AttachmentName(const QString& path);
    static QByteArray AttachmentHead(const QString& name);
    // The closing boundary and the end-of-data line.
    static QByteArray Closing();

    // Text for a header or a command line: line breaks become spaces, so a
    // typed or pasted address cannot add commands or header lines.
    static QByteArray OneLine(const QString& text);
    // The body with every line ended by CR LF and a dot doubled at the start
    // of a line: a line holding a lone dot would otherwise end the mail there
    // and hand the rest of the text to the server as commands.
    static QByteArray Transparent(const QString& body);
};
