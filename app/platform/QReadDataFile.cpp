#include "QReadDataFile.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <cmath>

namespace {
// analog.db: meta(key TEXT PRIMARY KEY, value TEXT) with "format" = "wattsight-analog"
// and "version" = 1, and samples(sample INTEGER PRIMARY KEY, d0 REAL, ..., d12 REAL).
const char* const FormatName = "wattsight-analog";
constexpr int SupportedVersion = 1;
// A day at 6-second steps; anything beyond cannot come from one recorded day.
constexpr int MaxSamples = 14400;

QString NextConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("wattsight-analog-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString MetaValue(QSqlDatabase& db, const QString& key) {
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT value FROM meta WHERE key = ?"));
    query.addBindValue(key);
    if (!query.exec() || !query.next()) {
        return QString();
    }
    return query.value(0).toString();
}

// Reads the samples; rows missing in between repeat the sample before them.
bool ReadSamples(QSqlDatabase& db, QVector<QVector<double>>* samples) {
    QString columns = QStringLiteral("sample");
    for (int i = 0; i < QReadDataFile::DataCount; ++i) {
        columns += QStringLiteral(", d%1").arg(i);
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM samples WHERE sample >= 0 AND sample < %2 ORDER BY sample")
                        .arg(columns)
                        .arg(MaxSamples))) {
        return false;
    }
    while (query.next()) {
        const int index = query.value(0).toInt();
        QVector<double> values(QReadDataFile::DataCount, 0.0);
        for (int i = 0; i < QReadDataFile::DataCount; ++i) {
            bool ok = false;
            const double value = query.value(i + 1).toDouble(&ok);
            values[i] = ok && std::isfinite(value) ? value : 0.0;
        }
        while (samples->size() < index) {
            samples->append(samples->isEmpty() ? values : samples->constLast());
        }
        samples->append(values);
    }
    return !samples->isEmpty();
}
} // namespace

bool QReadDataFile::Open(const QString& path) {
    m_bOpen = false;
    m_Samples.clear();
    // The driver would create a missing file; a recording must already be there.
    if (!QFileInfo(path).isFile()) {
        return false;
    }
    const QString connection = NextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            bool versionOk = false;
            const int version = MetaValue(db, QStringLiteral("version")).toInt(&versionOk);
            if (MetaValue(db, QStringLiteral("format")) == QLatin1String(FormatName) && versionOk &&
                version >= 1 && version <= SupportedVersion) {
                m_bOpen = ReadSamples(db, &m_Samples);
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!m_bOpen) {
        m_Samples.clear();
    }
    return m_bOpen;
}

double QReadDataFile::GetData(int sample, int dataIndex) const {
    if (m_Samples.isEmpty() || dataIndex < 0 || dataIndex >= DataCount) {
        return 0.0;
    }
    return m_Samples.at(qBound(0, sample, int(m_Samples.size()) - 1)).at(dataIndex);
}
