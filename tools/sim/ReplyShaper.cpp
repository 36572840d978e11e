#include "ReplyShaper.h"

#include "SimOptions.h"

#include <cmath>

ReplyShaper::ReplyShaper(const SimOptions& options, quint32 seed)
    : m_dropRate(options.dropRate), m_corruptRate(options.corruptRate), m_lateRate(options.lateRate),
      m_lateMs(options.lateMs), m_split(options.split), m_baud(options.baud), m_random(seed ^ 0x5A17u) {}

bool ReplyShaper::Chance(double rate) {
    if (rate <= 0.0) {
        return false;
    }
    return rate >= 1.0 || m_random.generateDouble() < rate;
}

int ReplyShaper::WireTimeMs(int bytes) const {
    if (m_baud <= 0) {
        return 0;
    }
    return int(std::ceil(bytes * 10.0 * 1000.0 / m_baud));
}

QList<ReplyPiece> ReplyShaper::Shape(const QByteArray& reply, int requestLength) {
    if (reply.isEmpty() || Chance(m_dropRate)) {
        return {};
    }
    QByteArray bytes = reply;
    if (Chance(m_corruptRate) && bytes.size() >= 5) {
        // Noise on the line hits one byte behind the function code; the CRC
        // still belongs to the reply as it was, so it no longer matches.
        const int at = 2 + int(m_random.bounded(int(bytes.size()) - 4));
        bytes[at] = char(bytes.at(at) ^ (1 + int(m_random.bounded(255))));
    }
    int delay = WireTimeMs(requestLength + int(bytes.size()));
    if (Chance(m_lateRate)) {
        delay += m_lateMs;
    }
    if (!m_split || bytes.size() < 2) {
        return {{delay, bytes}};
    }
    // Two or three pieces, cut at random places.
    QList<int> cuts;
    const int pieces = bytes.size() >= 3 ? 2 + int(m_random.bounded(2)) : 2;
    while (cuts.size() < pieces - 1) {
        const int cut = 1 + int(m_random.bounded(int(bytes.size()) - 1));
        if (!cuts.contains(cut)) {
            cuts.append(cut);
        }
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.append(int(bytes.size()));
    QList<ReplyPiece> result;
    int from = 0;
    for (const int cut : std::as_const(cuts)) {
        result.append({result.isEmpty() ? delay : kSplitGapMs, bytes.mid(from, cut - from)});
        from = cut;
    }
    return result;
}
