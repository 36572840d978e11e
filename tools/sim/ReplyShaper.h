#pragma once

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>

struct SimOptions;

// A piece of a reply and how long to wait before writing it (after the
// piece before it, or after the request for the first piece).
struct ReplyPiece {
    int delayMs = 0;
    QByteArray bytes;
};

// The troubles of a real bus, applied to the replies: lost replies, bytes hit
// by noise (the CRC then no longer matches), late replies, replies in pieces and the time the bytes take on the wire.
class ReplyShaper {
public:
    static const int kSplitGapMs = 15;

    ReplyShaper(const SimOptions& options, quint32 seed);

    // The pieces to send; none when the reply is to be lost.
    QList<ReplyPiece> Shape(const QByteArray& reply, int requestLength);
    // Wire time in ms of a number of bytes at the configured rate (8N1).
    int WireTimeMs(int bytes) const;

private:
    bool Chance(double rate);

    double m_dropRate;
    double m_corruptRate;
    double m_lateRate;
    int m_lateMs;
    bool m_split;
    int m_baud;
    QRandomGenerator m_random;
};
