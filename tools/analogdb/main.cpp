// Writes analog.db, the day the analog signal device replays:
//   wattsight-analogdb [output file]     (default: analog.db)
#include "ClearDayModel.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <cstdio>

namespace {
constexpr int SampleCount = 7200; // 06:00:00 .. 17:59:54
constexpr std::uint32_t Seed = 20150315;

bool Exec(QSqlQuery& query, const QString& sql) {
    if (query.exec(sql)) {
        return true;
    }
    std::fprintf(stderr, "wattsight-analogdb: %s\n", qPrintable(query.lastError().text()));
    return false;
}

bool Write(QSqlDatabase& db) {
    QSqlQuery query(db);
    QString columns;
    QString holders;
    for (int i = 0; i < AnalogSample::Count; ++i) {
        columns += QStringLiteral(", d%1 REAL NOT NULL").arg(i);
        holders += QStringLiteral(", ?");
    }
    if (!Exec(query, QStringLiteral("CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT NOT NULL)")) ||
        !Exec(query, QStringLiteral("CREATE TABLE samples (sample INTEGER PRIMARY KEY%1)").arg(columns))) {
        return false;
    }
    const QList<QPair<QString, QString>> meta = {
        {QStringLiteral("format"), QStringLiteral("wattsight-analog")},
        {QStringLiteral("version"), QStringLiteral("1")},
        {QStringLiteral("start"), QStringLiteral("06:00:00")},
        {QStringLiteral("step_seconds"), QString::number(ClearDayModel::StepSeconds)},
        {QStringLiteral("quantities"),
         QStringLiteral("track1 V,track1 A,track2 V,track2 A,input W,temperature C,U V,U A,frequency Hz,"
                        "power factor,output W,peak W,energy kWh")},
        {QStringLiteral("description"),
         QStringLiteral("Clear day, 5.5 kWp on two strings, 5 kW single-phase inverter")},
    };
    db.transaction();
    query.prepare(QStringLiteral("INSERT INTO meta (key, value) VALUES (?, ?)"));
    for (const auto& entry : meta) {
        query.addBindValue(entry.first);
        query.addBindValue(entry.second);
        if (!query.exec()) {
            std::fprintf(stderr, "wattsight-analogdb: %s\n", qPrintable(query.lastError().text()));
            db.rollback();
            return false;
        }
    }
    query.prepare(QStringLiteral("INSERT INTO samples VALUES (?%1)").arg(holders));
    ClearDayModel model(Seed);
    AnalogSample last;
    for (int index = 0; index < SampleCount; ++index) {
        last = model.Next();
        query.addBindValue(index);
        for (double value : last.m_Data) {
            query.addBindValue(value);
        }
        if (!query.exec()) {
            std::fprintf(stderr, "wattsight-analogdb: %s\n", qPrintable(query.lastError().text()));
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        return false;
    }
    std::printf("%d samples, peak %.0f W, energy %.3f kWh\n", SampleCount, last.m_Data[11], last.m_Data[12]);
    return true;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString path = args.size() > 1 ? args.at(1) : QStringLiteral("analog.db");
    if (QFile::exists(path) && !QFile::remove(path)) {
        std::fprintf(stderr, "wattsight-analogdb: cannot replace %s\n", qPrintable(path));
        return 1;
    }
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("analogdb"));
        db.setDatabaseName(path);
        if (!db.open()) {
            std::fprintf(stderr, "wattsight-analogdb: %s\n", qPrintable(db.lastError().text()));
        } else {
            ok = Write(db);
            QSqlQuery(db).exec(QStringLiteral("VACUUM"));
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("analogdb"));
    return ok ? 0 : 1;
}
