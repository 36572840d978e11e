#include "QGenerationStore.h"

#include "BinaryFile.h"
#include "DataPaths.h"
#include "QInverter.h"
#include "QSystemModel.h"
#include "SystemClock.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QString>
#include <algorithm>
#include <iterator>

namespace {
const QByteArray Magic("KOVA_DATA_FILE");

// generation.dat
constexpr int YearOffset = 14;
constexpr int MonthOffset = 18;  // month m (1..12) at 18 + 4 * (m - 1)
constexpr int DaySlotBase = 66;  // day-of-year d (1..365) at 66 + 4 * d
constexpr int LastDaySlot = 365; // 31 December of a leap year has no slot

// total.dat blocks
constexpr int BlockTotals = 4;
constexpr int BlockYears = 16;
constexpr int BlockMonths = 96;
constexpr int BlockDays = 144;
constexpr int FirstYearSlot = 13; // 2013
constexpr int YearSlots = 20;     // 2013..2032
constexpr int MonthRecords = MonthStatCount;
constexpr int DayRecords = DayStatCount;
constexpr int FirstDayStat = DayStatFirst;

// Report ranges beyond this many entries are refused rather than allocated.
constexpr qint64 MaxEntries = 400000;

qint32 StatsDateWord(const QDate& date) {
    return (date.year() - 2000) * 16777216 + date.month() * 65536 + date.day() * 256;
}

qint32 StatValue(const QInverter& inverter, int entry) {
    return inverter.StatItem(entry).m_nValue;
}

// Reads an existing file whole; false only when it exists but cannot be read, so
// that a read failure never turns into an overwrite with fresh content.
bool ReadExisting(const QString& path, QByteArray* bytes) {
    bytes->clear();
    if (!QFileInfo::exists(path)) {
        return true;
    }
    return BinaryFile::ReadAll(path, bytes);
}

QByteArray NewTotalBlock(int address) {
    QByteArray block;
    BinaryFile::AppendInt32(block, address & 0xFF);
    block.append(QGenerationStore::TotalBlockSize - 4, '\xFF');
    return block;
}

// Writes the parts of an inverter's statistics that arrived into its block of
// total.dat's bytes, appending the block when the inverter has none.
void PutStatistics(QByteArray& bytes, const QInverter& inverter, int parts, const QReceivedStats& received,
                   const QDate& today) {
    const qint32 address = inverter.Address() & 0xFF;
    qint64 block = -1;
    for (qint64 offset = QGenerationStore::MagicSize; offset + QGenerationStore::TotalBlockSize <= bytes.size();
         offset += QGenerationStore::TotalBlockSize) {
        if (BinaryFile::Int32At(bytes, offset) == address) {
            block = offset;
            break;
        }
    }
    if (block < 0) {
        block = bytes.size();
        bytes.append(NewTotalBlock(address));
    }
    if ((parts & 1) && received.m_bYear) {
        BinaryFile::PutInt32(bytes, block + BlockTotals, inverter.ItemValue(TotalEnergy));
        BinaryFile::PutInt32(bytes, block + BlockTotals + 4, inverter.ItemValue(Co2Reduction));
        BinaryFile::PutInt32(bytes, block + BlockTotals + 8, inverter.ItemValue(TotalsRegister1654));
        const int slot = (inverter.ItemValue(ClockDate) >> 16) - FirstYearSlot;
        if (slot >= 0 && slot < YearSlots) {
            BinaryFile::PutInt32(bytes, block + BlockYears + 4 * slot, inverter.ItemValue(YearEnergy));
        }
    }
    if (parts & 2) {
        for (int j = 0; j < MonthRecords; ++j) {
            if (received.m_bMonth[j]) {
                BinaryFile::PutInt32(bytes, block + BlockMonths + 4 * j, StatValue(inverter, MonthStatFirst + j));
            }
        }
    }
    if (parts & 4) {
        for (int i = 0; i < DayRecords; ++i) {
            if (received.m_bDay[i]) {
                BinaryFile::PutInt32(bytes, block + BlockDays + 8 * i, StatValue(inverter, FirstDayStat + i));
                BinaryFile::PutInt32(bytes, block + BlockDays + 8 * i + 4, StatsDateWord(today.addDays(-i)));
            }
        }
    }
}

// The year files of one inverter, each read at most once per report.
class YearFiles {
public:
    explicit YearFiles(const QString& name) : m_strName(name) {}

    qint32 Value(int year, qint64 offset) {
        auto it = m_Files.find(year);
        if (it == m_Files.end()) {
            QByteArray bytes;
            BinaryFile::ReadAll(QGenerationStore::GenerationFilePath(m_strName, year), &bytes);
            it = m_Files.insert(year, bytes);
        }
        // A missing or short file has no value where its bytes are missing.
        return BinaryFile::Int32At(it.value(), offset, -1);
    }

private:
    QString m_strName;
    QHash<int, QByteArray> m_Files;
};

// The dates of a report, every value still missing.
QVector<GenerationEntry> EmptyEntries(const GenerationRequest& request) {
    QVector<GenerationEntry> entries;
    if (!request.m_From.isValid() || !request.m_To.isValid()) {
        return entries;
    }
    switch (request.m_nPeriod) {
    case 3: {
        const qint64 count = qint64(request.m_To.year()) - request.m_From.year() + 1;
        if (count <= 0 || count > MaxEntries) {
            return entries;
        }
        for (int k = 0; k < count; ++k) {
            entries.append({QDate(request.m_From.year() + k, 1, 1), -1});
        }
        break;
    }
    case 2: {
        const QDate from(request.m_From.year(), request.m_From.month(), 1);
        if (from > request.m_To || qint64(request.m_To.year()) - from.year() > MaxEntries / 12) {
            return entries;
        }
        for (int year = from.year(); year <= request.m_To.year(); ++year) {
            for (int month = 1; month <= 12; ++month) {
                const QDate first(year, month, 1);
                if (first >= from && first <= request.m_To) {
                    entries.append({first, -1});
                }
            }
        }
        break;
    }
    case 1: {
        const qint64 count = request.m_From.daysTo(request.m_To) + 1;
        if (count <= 0 || count > MaxEntries) {
            return entries;
        }
        for (qint64 k = 0; k < count; ++k) {
            entries.append({request.m_From.addDays(k), -1});
        }
        break;
    }
    default:
        break;
    }
    return entries;
}

// One inverter's value for an entry of the report; -1 for none.
qint32 StoredValue(YearFiles& files, int period, const QDate& date) {
    switch (period) {
    case 3:
        return files.Value(date.year(), YearOffset);
    case 2:
        return files.Value(date.year(), MonthOffset + 4 * (date.month() - 1));
    case 1: {
        const int day = date.dayOfYear();
        if (day < 1 || day > LastDaySlot) {
            return -1;
        }
        const qint32 value = files.Value(date.year(), DaySlotBase + 4 * day);
        return value >= QGenerationStore::NoValueLimit ? -1 : value;
    }
    default:
        return -1;
    }
}
} // namespace

QReceivedStats QReceivedStats::All() {
    QReceivedStats all;
    all.m_bYear = true;
    std::fill(std::begin(all.m_bMonth), std::end(all.m_bMonth), true);
    std::fill(std::begin(all.m_bDay), std::end(all.m_bDay), true);
    return all;
}

QString QGenerationStore::TotalFilePath() {
    return DataPaths::FilePath(QStringLiteral("total.dat"));
}

QString QGenerationStore::GenerationFilePath(const QString& inverterName, int year) {
    return DataPaths::InverterDir(inverterName) + QStringLiteral("/%1/generation.dat").arg(year);
}

void QGenerationStore::SaveTotal(QInverter* inverter, int mode) {
    SaveTotal(inverter, mode, QReceivedStats::All(), SystemClock::CurrentDate());
}

void QGenerationStore::SaveTotal(QInverter* inverter, int mode, const QReceivedStats& received,
                                 const QDate& today) {
    if (inverter == nullptr || mode < 0 || mode > 2) {
        return;
    }
    SaveTotals({QStatsWrite{inverter, 1 << mode, received, today}});
}

void QGenerationStore::SaveTotals(const QVector<QStatsWrite>& writes) {
    if (std::none_of(writes.begin(), writes.end(), [](const QStatsWrite& w) { return w.m_pInverter && w.m_nParts; })) {
        return;
    }
    const QString path = TotalFilePath();
    QByteArray bytes;
    if (!ReadExisting(path, &bytes)) {
        return;
    }
    const QByteArray stored = bytes;
    if (bytes.size() < MagicSize + 1) {
        bytes = Magic;
    }
    // A block cut short (a crash of an older writer) is completed with "no value"
    // so that every block after it, and one appended now, stays in step.
    const qint64 partial = (bytes.size() - MagicSize) % TotalBlockSize;
    if (partial != 0) {
        bytes.append(TotalBlockSize - partial, '\xFF');
    }
    for (const QStatsWrite& write : writes) {
        if (write.m_pInverter != nullptr && write.m_nParts != 0) {
            PutStatistics(bytes, *write.m_pInverter, write.m_nParts, write.m_Received, write.m_Today);
        }
    }
    // The totals are read every few seconds and mostly unchanged: rewriting (and
    // syncing) the whole plant's file for each of them is what would cost.
    if (bytes != stored && !BinaryFile::WriteAtomically(path, bytes)) {
        return;
    }
    for (const QStatsWrite& write : writes) {
        if (write.m_pInverter != nullptr && write.m_nParts != 0) {
            UpdateGenerationFile(0, write.m_pInverter, write.m_Received, write.m_Today);
        }
    }
}

void QGenerationStore::UpdateGenerationFile(int mode, QInverter* inverter) {
    UpdateGenerationFile(mode, inverter, QReceivedStats::All(), SystemClock::CurrentDate());
}

void QGenerationStore::UpdateGenerationFile(int mode, QInverter* inverter, const QReceivedStats& received,
                                            const QDate& today) {
    // Without a name the inverter has no folder of its own.
    if (inverter == nullptr || inverter->Name().isEmpty()) {
        return;
    }
    const QString path = GenerationFilePath(inverter->Name(), today.year());
    if (!QDir().mkpath(QFileInfo(path).path())) {
        return;
    }
    QByteArray bytes;
    if (!ReadExisting(path, &bytes)) {
        return;
    }
    const QByteArray stored = bytes;
    if (bytes.size() < GenerationFileSize) {
        const bool headless = bytes.size() < MagicSize;
        bytes.append(GenerationFileSize - bytes.size(), '\xFF');
        if (headless) {
            bytes.replace(0, MagicSize, Magic);
        }
    }
    if (mode >= 0) {
        // A slot is written only from a value received: at start-up the tables
        // hold 0 until their reads are answered, and stored history would be lost.
        if (received.m_bYear) {
            BinaryFile::PutInt32(bytes, YearOffset, inverter->ItemValue(YearEnergy));
        }
        const int month = today.month();
        for (int m = 1; m <= month; ++m) {
            if (received.m_bMonth[month - m]) {
                BinaryFile::PutInt32(bytes, MonthOffset + 4 * (m - 1), StatValue(*inverter, month - m));
            }
        }
        const int dayOfYear = today.dayOfYear();
        for (int i = 0; i < DayRecords && i < dayOfYear; ++i) {
            const int slot = dayOfYear - i;
            if (slot <= LastDaySlot && received.m_bDay[i]) {
                BinaryFile::PutInt32(bytes, DaySlotBase + 4 * slot, StatValue(*inverter, FirstDayStat + i));
            }
        }
    }
    if (bytes != stored) {
        BinaryFile::WriteAtomically(path, bytes);
    }
}

QVector<GenerationEntry> QGenerationStore::GenerationEntries(const GenerationRequest& request,
                                                             const QSystemModel& plant) {
    QVector<GenerationEntry> entries = EmptyEntries(request);
    if (entries.isEmpty()) {
        return entries;
    }
    if (request.m_nKind == 3) {
        if (request.m_pInverter == nullptr) {
            return entries;
        }
        YearFiles files(request.m_pInverter->Name());
        for (GenerationEntry& entry : entries) {
            entry.m_nValue = StoredValue(files, request.m_nPeriod, entry.m_Date);
        }
        return entries;
    }
    if (request.m_nKind != 2) {
        return entries;
    }
    for (const QInverter* inverter : plant.Inverters()) {
        if (inverter == nullptr || inverter->Name().isEmpty()) {
            continue;
        }
        YearFiles files(inverter->Name());
        for (GenerationEntry& entry : entries) {
            const qint32 value = StoredValue(files, request.m_nPeriod, entry.m_Date);
            if (value == -1) {
                continue;
            }
            entry.m_nValue = entry.m_nValue == -1 ? value : entry.m_nValue + value;
        }
    }
    return entries;
}
