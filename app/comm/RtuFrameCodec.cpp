#include "RtuFrameCodec.h"

#include "Crc.h"

namespace {
const int kMaxBuffer = 4096;

quint16 Word(const QByteArray& bytes, int offset) {
    return quint16((quint8(bytes.at(offset)) << 8) | quint8(bytes.at(offset + 1)));
}

bool IsMasterRequest(const QByteArray& request) {
    if (request.size() < 8) {
        return false;
    }
    const quint8 function = quint8(request.at(1));
    return function == RtuReadRegisters || function == RtuWriteRegisters;
}

// How the n bytes at p fit the reply to a request.
enum class Fit { NeedMore, Whole, Mismatch, BadCrc };

// Mended: any bytes of the expected length were taken for the reply, so a
// late reply to another inverter was decoded into the wrong inverter.
Fit FitReply(const QByteArray& request, const char* p, int n, int* length) {
    if (n < 1) {
        return Fit::NeedMore;
    }
    if (p[0] != request.at(0)) {
        return Fit::Mismatch;
    }
    if (n < 2) {
        return Fit::NeedMore;
    }
    const quint8 function = quint8(request.at(1));
    const quint8 answered = quint8(p[1]);
    int frameLength = 8;
    if (answered == (function | RtuErrorFlag)) {
        frameLength = 5;
    } else if (answered != function) {
        return Fit::Mismatch;
    } else if (function == RtuReadRegisters) {
        if (n < 3) {
            return Fit::NeedMore;
        }
        if (quint8(p[2]) != 2 * Word(request, 4)) {
            return Fit::Mismatch;
        }
        frameLength = 5 + quint8(p[2]);
    } else {
        // A write is answered with the echo of its register and count.
        for (int i = 2; i < 6; ++i) {
            if (n <= i) {
                return Fit::NeedMore;
            }
            if (p[i] != request.at(i)) {
                return Fit::Mismatch;
            }
        }
    }
    *length = frameLength;
    if (n < frameLength) {
        return Fit::NeedMore;
    }
    return RtuFrameCodec::HasGoodCrc(QByteArray::fromRawData(p, frameLength)) ? Fit::Whole : Fit::BadCrc;
}
} // namespace

// --- the master's side

QByteArray RtuFrameCodec::Header(quint8 address, quint8 function, quint16 start, quint16 count) {
    const char header[6] = {char(address),      char(function),   char(start >> 8),
                            char(start & 0xFF), char(count >> 8), char(count & 0xFF)};
    return QByteArray(header, 6);
}

QByteArray RtuFrameCodec::ReadRequest(quint8 address, quint16 start, quint16 count) {
    QByteArray frame = Header(address, RtuReadRegisters, start, count);
    AppendCrc(&frame);
    return frame;
}

QByteArray RtuFrameCodec::WriteRequest(quint8 address, quint16 start, const QByteArray& values) {
    const int count = int(values.size()) / 2;
    QByteArray frame = Header(address, RtuWriteRegisters, start, quint16(count));
    frame.append(char(2 * count));
    frame.append(values.left(2 * count));
    AppendCrc(&frame);
    return frame;
}

int RtuFrameCodec::ReplyLength(const QByteArray& request) {
    if (!IsMasterRequest(request)) {
        return 0;
    }
    return quint8(request.at(1)) == RtuReadRegisters ? 5 + 2 * Word(request, 4) : 8;
}

RtuReplyState RtuFrameCodec::CheckReply(const QByteArray& request, const QByteArray& reply) {
    if (!IsMasterRequest(request)) {
        return RtuReplyState::Rejected;
    }
    int length = 0;
    switch (FitReply(request, reply.constData(), int(reply.size()), &length)) {
    case Fit::NeedMore:
        return RtuReplyState::NeedMore;
    case Fit::Whole:
        return length == reply.size() ? RtuReplyState::Complete : RtuReplyState::Rejected;
    default:
        return RtuReplyState::Rejected;
    }
}

bool RtuFrameCodec::RepliesAlike(const QByteArray& request, const QByteArray& other) {
    if (!IsMasterRequest(request) || !IsMasterRequest(other)) {
        return false;
    }
    // A read reply carries only its byte count; a write's echoes register and count.
    const int from = quint8(request.at(1)) == RtuReadRegisters ? 4 : 2;
    for (int i : {0, 1}) {
        if (request.at(i) != other.at(i)) {
            return false;
        }
    }
    for (int i = from; i < 6; ++i) {
        if (request.at(i) != other.at(i)) {
            return false;
        }
    }
    return true;
}

void RtuFrameCodec::ExpectReply(const QByteArray& request) {
    Clear();
    m_request = request;
    m_reply.clear();
}

RtuReplyState RtuFrameCodec::AppendReply(const QByteArray& bytes) {
    if (!IsMasterRequest(m_request)) {
        m_dropped += bytes.size(); // nothing awaited: nobody's bytes
        return RtuReplyState::NeedMore;
    }
    Append(bytes);
    int waitFrom = -1;
    bool garbled = false;
    for (int at = 0; at < m_buffer.size(); ++at) {
        int length = 0;
        const Fit fit = FitReply(m_request, m_buffer.constData() + at, int(m_buffer.size()) - at, &length);
        if (fit == Fit::Whole) {
            m_reply = m_buffer.mid(at, length);
            // Whatever came with it answers nothing in flight any more.
            m_dropped += m_buffer.size() - length;
            m_buffer.clear();
            m_request.clear();
            return RtuReplyState::Complete;
        }
        if (fit == Fit::NeedMore && waitFrom < 0) {
            waitFrom = at;
        }
        garbled = garbled || fit == Fit::BadCrc;
    }
    if (waitFrom < 0) {
        Clear();
        return garbled ? RtuReplyState::Rejected : RtuReplyState::NeedMore;
    }
    DropFront(waitFrom);
    return RtuReplyState::NeedMore;
}

// --- the inverter's side

void RtuFrameCodec::Append(const QByteArray& bytes) {
    m_buffer.append(bytes);
    // No legal frame is this long: whatever lies this deep is noise.
    if (m_buffer.size() > kMaxBuffer) {
        DropFront(int(m_buffer.size()) - kMaxBuffer);
    }
}

void RtuFrameCodec::Clear() {
    m_dropped += m_buffer.size();
    m_buffer.clear();
}

void RtuFrameCodec::DropFront(int count) {
    m_buffer.remove(0, count);
    m_dropped += count;
}

bool RtuFrameCodec::TakeRequest(RtuRequest* request, bool lineIdle) {
    while (!m_buffer.isEmpty()) {
        if (m_buffer.size() < 2) {
            if (lineIdle) {
                DropFront(1);
                continue;
            }
            return false;
        }
        const quint8 function = quint8(m_buffer.at(1));
        int length = 8;
        if (function == RtuWriteRegisters) {
            if (m_buffer.size() < 7) {
                if (lineIdle) {
                    DropFront(1);
                    continue;
                }
                return false;
            }
            const int count = Word(m_buffer, 4);
            if (count < 1 || count > kMaxWriteRegisters) {
                DropFront(1);
                continue;
            }
            length = 9 + 2 * count;
        }
        if (m_buffer.size() < length) {
            if (lineIdle) {
                DropFront(1);
                continue;
            }
            return false;
        }
        const QByteArray frame = m_buffer.left(length);
        if (!HasGoodCrc(frame)) {
            DropFront(1);
            continue;
        }
        RtuRequest result;
        result.address = quint8(frame.at(0));
        result.function = function;
        result.start = Word(frame, 2);
        result.count = Word(frame, 4);
        result.wireLength = length;
        if (function == RtuWriteRegisters) {
            result.byteCountMatches = quint8(frame.at(6)) == 2 * result.count;
            result.data = frame.mid(7, 2 * result.count);
        }
        m_buffer.remove(0, length);
        *request = result;
        return true;
    }
    return false;
}

QByteArray RtuFrameCodec::ReadReply(quint8 address, const QVector<quint16>& values) {
    QByteArray frame;
    frame.append(char(address));
    frame.append(char(RtuReadRegisters));
    frame.append(char(quint8(2 * values.size())));
    for (const quint16 value : values) {
        frame.append(char(value >> 8));
        frame.append(char(value & 0xFF));
    }
    AppendCrc(&frame);
    return frame;
}

QByteArray RtuFrameCodec::WriteReply(quint8 address, quint16 start, quint16 count) {
    QByteArray frame = Header(address, RtuWriteRegisters, start, count);
    AppendCrc(&frame);
    return frame;
}

QByteArray RtuFrameCodec::ErrorReply(quint8 address, quint8 function, quint8 code) {
    QByteArray frame;
    frame.append(char(address));
    frame.append(char(function | RtuErrorFlag));
    frame.append(char(code));
    AppendCrc(&frame);
    return frame;
}

// --- both

void RtuFrameCodec::AppendCrc(QByteArray* frame) {
    // CalcCrc hands the CRC back byte-swapped: high byte first puts the low byte first.
    const quint16 crc = CalcCrc(reinterpret_cast<const uchar*>(frame->constData()), int(frame->size()));
    frame->append(char(crc >> 8));
    frame->append(char(crc & 0xFF));
}

bool RtuFrameCodec::HasGoodCrc(const QByteArray& frame) {
    if (frame.size() < 4) {
        return false;
    }
    const int covered = int(frame.size()) - 2;
    const quint16 crc = CalcCrc(reinterpret_cast<const uchar*>(frame.constData()), covered);
    return quint8(frame.at(covered)) == (crc >> 8) && quint8(frame.at(covered + 1)) == (crc & 0xFF);
}
