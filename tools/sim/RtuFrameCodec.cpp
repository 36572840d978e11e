#include "RtuFrameCodec.h"

#include "Crc.h"

namespace {
const int kMaxBuffer = 4096;

quint16 Word(const QByteArray& bytes, int offset) {
    return quint16((quint8(bytes.at(offset)) << 8) | quint8(bytes.at(offset + 1)));
}
} // namespace

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
        if (function == 0x10) {
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
        if (function == 0x10) {
            result.byteCountMatches = quint8(frame.at(6)) == 2 * result.count;
            result.data = frame.mid(7, 2 * result.count);
        }
        m_buffer.remove(0, length);
        *request = result;
        return true;
    }
    return false;
}

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

QByteArray RtuFrameCodec::ReadReply(quint8 address, const QVector<quint16>& values) {
    QByteArray frame;
    frame.append(char(address));
    frame.append(char(0x03));
    frame.append(char(quint8(2 * values.size())));
    for (const quint16 value : values) {
        frame.append(char(value >> 8));
        frame.append(char(value & 0xFF));
    }
    AppendCrc(&frame);
    return frame;
}

QByteArray RtuFrameCodec::WriteReply(quint8 address, quint16 start, quint16 count) {
    QByteArray frame;
    frame.append(char(address));
    frame.append(char(0x10));
    frame.append(char(start >> 8));
    frame.append(char(start & 0xFF));
    frame.append(char(count >> 8));
    frame.append(char(count & 0xFF));
    AppendCrc(&frame);
    return frame;
}

QByteArray RtuFrameCodec::ErrorReply(quint8 address, quint8 function, quint8 code) {
    QByteArray frame;
    frame.append(char(address));
    frame.append(char(function | 0x80));
    frame.append(char(code));
    AppendCrc(&frame);
    return frame;
}
