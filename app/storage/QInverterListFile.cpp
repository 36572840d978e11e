#include "QInverterListFile.h"

#include "BinaryFile.h"
#include "DataPaths.h"
#include "QInverter.h"
#include "QSystemModel.h"

#include <QFile>
#include <QStringList>

namespace {
const QString kFieldSeparator = QStringLiteral("?\x01?");
const QString kRecordTerminator = QStringLiteral("?\x02?");
constexpr int kFieldCount = 5;
} // namespace

QString QInverterListFile::FilePath() {
    return DataPaths::FilePath(QStringLiteral("inverter.dat"));
}

bool QInverterListFile::LoadInverterFile(QSystemModel& plant) {
    QFile file(FilePath());
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    // Read it whole and let go of it: every accepted inverter rewrites the file.
    const QString text = QString::fromUtf8(file.readAll());
    file.close();
    if (text.size() < kRecordTerminator.size()) {
        return true;
    }
    const QStringList records = text.left(text.size() - kRecordTerminator.size()).split(kRecordTerminator);
    for (const QString& record : records) {
        const QStringList fields = record.split(kFieldSeparator);
        if (fields.size() < kFieldCount) {
            continue;
        }
        // A nameless record would keep its files in the data folder itself.
        if (fields.at(0).isEmpty()) {
            continue;
        }
        auto* inverter = new QInverter;
        inverter->SetName(fields.at(0));
        inverter->SetLocation(fields.at(1));
        inverter->SetModelName(fields.at(2));
        inverter->SetAddress(int(fields.at(3).trimmed().toLongLong() & 0xFF));
        inverter->SetPhaseCount(fields.at(4).trimmed().toInt());
        inverter->SetModel(QInverter::LookupModel(fields.at(2)));
        if (!plant.AddInverter(inverter)) {
            delete inverter;
        }
    }
    return true;
}

bool QInverterListFile::SaveInverterFile(const QSystemModel& plant) {
    QByteArray bytes;
    for (int i = 0; i < plant.InverterCount(); ++i) {
        const QInverter* inverter = plant.Inverter(i);
        const QString record = inverter->Name() + kFieldSeparator + inverter->Location() + kFieldSeparator +
                               inverter->ModelName() + kFieldSeparator +
                               QString::number(inverter->Address()) + kFieldSeparator +
                               QString::number(inverter->PhaseCount()) + kRecordTerminator;
        bytes += record.toUtf8();
    }
    // Written aside and swapped in: a failed write leaves the old list intact.
    return BinaryFile::WriteAtomically(FilePath(), bytes);
}
