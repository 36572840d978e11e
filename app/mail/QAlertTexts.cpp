#include "QAlertTexts.h"

#include "InverterData.h"
#include "QFaultFile.h"
#include "QFaultTable.h"
#include "QInverter.h"

namespace {
// The items a fault record keeps, with their caption and scale (1 whole, 10 tenths, 100 hundredths).
struct SampleItem {
    int item;
    const char* caption;
    int scale;
};
const SampleItem kSampleItems[] = {
    {InputPower, QT_TRANSLATE_NOOP("QAlertTexts", "Input power (W)"), 1},
    {OutputPower, QT_TRANSLATE_NOOP("QAlertTexts", "Output power (W)"), 1},
    {String1Voltage, QT_TRANSLATE_NOOP("QAlertTexts", "PV1 voltage (V)"), 10},
    {String1Current, QT_TRANSLATE_NOOP("QAlertTexts", "PV1 current (A)"), 10},
    {String2Voltage, QT_TRANSLATE_NOOP("QAlertTexts", "PV2 voltage (V)"), 10},
    {String2Current, QT_TRANSLATE_NOOP("QAlertTexts", "PV2 current (A)"), 10},
    {Temperature1, QT_TRANSLATE_NOOP("QAlertTexts", "Temperature 1 (°C)"), 100},
    {Temperature2, QT_TRANSLATE_NOOP("QAlertTexts", "Temperature 2 (°C)"), 100},
    {GridFrequency, QT_TRANSLATE_NOOP("QAlertTexts", "Grid frequency (Hz)"), 100},
    {GroundResistance, QT_TRANSLATE_NOOP("QAlertTexts", "Grounding resistance"), 100},
    {LeakageCurrent, QT_TRANSLATE_NOOP("QAlertTexts", "Leakage current"), 100},
};

QString Scaled(qint32 value, int scale) {
    if (scale == 1) {
        return QString::number(value);
    }
    return QString::number(double(value) / scale, 'f', scale == 10 ? 1 : 2);
}

QString Subject(const QString& plant, const QString& text) {
    return QStringLiteral("[%1] %2").arg(plant, text);
}
} // namespace

QString QAlertTexts::Who(const QInverter& inverter) {
    return tr("%1 (address %2, %3)").arg(inverter.Name()).arg(inverter.Address()).arg(inverter.ModelName());
}

QString QAlertTexts::Time(const QDateTime& at) {
    return at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString QAlertTexts::Duration(qint64 seconds) {
    seconds = qMax<qint64>(0, seconds);
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds % 3600 / 60;
    if (hours > 0) {
        return tr("%1 h %2 min").arg(hours).arg(minutes);
    }
    return tr("%1 min").arg(minutes);
}

QString QAlertTexts::Fault(qint32 code) {
    const QString hex = QStringLiteral("%1").arg(quint16(code), 4, 16, QLatin1Char('0')).toUpper();
    const QString name = FaultName(code);
    return name.isEmpty() ? hex : hex + QLatin1Char(' ') + name;
}

QString QAlertTexts::Samples(const QInverter& inverter) {
    QString text;
    for (const SampleItem& sample : kSampleItems) {
        const QItemRecord& record = inverter.Item(sample.item);
        QStringList values = {Scaled(record.m_nValue, sample.scale)};
        for (qint32 old : record.m_nOld) {
            values.append(Scaled(old, sample.scale));
        }
        text +=
            tr(sample.caption) + QStringLiteral(": ") + values.join(QStringLiteral("  ")) + QLatin1Char('\n');
    }
    return text;
}

QString QAlertTexts::FaultHead(const QInverter& inverter, qint32 code) {
    return tr("Inverter: %1").arg(Who(inverter)) + QLatin1Char('\n') + tr("Fault: %1").arg(Fault(code)) +
           QLatin1Char('\n') + tr("Description: %1").arg(FaultDescription(code)) + QLatin1Char('\n');
}

QAlertMail QAlertTexts::FaultBegan(const QString& plant, const QInverter& inverter, qint32 code,
                                   const QDateTime& at) {
    QAlertMail mail;
    mail.m_strSubject = Subject(plant, tr("Fault began on %1: %2").arg(inverter.Name(), Fault(code)));
    mail.m_strBody = FaultHead(inverter, code) + tr("Began: %1").arg(Time(at)) + QStringLiteral("\n\n") +
                     tr("Recorded values (now and the four readings before):") + QLatin1Char('\n') +
                     Samples(inverter);
    return mail;
}

QAlertMail QAlertTexts::FaultEnded(const QString& plant, const QInverter& inverter, qint32 code,
                                   const QDateTime& began, const QDateTime& at) {
    QAlertMail mail;
    mail.m_strSubject = Subject(plant, tr("Fault ended on %1: %2").arg(inverter.Name(), Fault(code)));
    mail.m_strBody =
        FaultHead(inverter, code) +
        (began.isValid() ? tr("Began: %1").arg(Time(began)) + QLatin1Char('\n') : QString()) +
        tr("Ended: %1").arg(Time(at)) +
        (began.isValid() ? QStringLiteral(" (") + Duration(began.secsTo(at)) + QLatin1Char(')') : QString()) +
        QLatin1Char('\n');
    return mail;
}

QAlertMail QAlertTexts::Offline(const QString& plant, const QInverter& inverter, const QDateTime& since,
                                const QDateTime& at) {
    QAlertMail mail;
    mail.m_strSubject = Subject(plant, tr("%1 is offline").arg(inverter.Name()));
    mail.m_strBody =
        tr("Inverter: %1").arg(Who(inverter)) + QLatin1Char('\n') +
        tr("No answer on the bus since %1 (%2), in daylight.").arg(Time(since), Duration(since.secsTo(at))) +
        QLatin1Char('\n');
    return mail;
}

QAlertMail QAlertTexts::BackOnline(const QString& plant, const QInverter& inverter, const QDateTime& since,
                                   const QDateTime& at) {
    QAlertMail mail;
    mail.m_strSubject = Subject(plant, tr("%1 is back online").arg(inverter.Name()));
    mail.m_strBody =
        tr("Inverter: %1").arg(Who(inverter)) + QLatin1Char('\n') +
        tr("Answering again since %1, after %2 offline.").arg(Time(at), Duration(since.secsTo(at))) +
        QLatin1Char('\n');
    return mail;
}

QAlertMail QAlertTexts::LinkDown(const QString& plant, const QString& status, const QDateTime& since,
                                 const QDateTime& at) {
    QAlertMail mail;
    mail.m_strSubject = Subject(plant, tr("The link to the inverters is down"));
    mail.m_strBody =
        tr("The link has been down since %1 (%2).").arg(Time(since), Duration(since.secsTo(at))) +
        QLatin1Char('\n') + tr("Link status: %1").arg(status) + QLatin1Char('\n');
    return mail;
}

QAlertMail QAlertTexts::LinkUp(const QString& plant, const QString& status, const QDateTime& since,
                               const QDateTime& at) {
    QAlertMail mail;
    mail.m_strSubject = Subject(plant, tr("The link to the inverters is back"));
    mail.m_strBody =
        tr("The link is up again since %1, after %2 down.").arg(Time(at), Duration(since.secsTo(at))) +
        QLatin1Char('\n') + tr("Link status: %1").arg(status) + QLatin1Char('\n');
    return mail;
}

QAlertMail QAlertTexts::Summary(const QString& plant, const QDate& date, const QList<SummaryLine>& inverters,
                                const QStringList& faults) {
    QAlertMail mail;
    const QString day = date.toString(QStringLiteral("yyyy-MM-dd"));
    mail.m_strSubject = Subject(plant, tr("Daily summary %1").arg(day));
    QString body = tr("Energy fed in on %1:").arg(day) + QLatin1Char('\n');
    qint64 total = 0;
    QStringList idle;
    for (const SummaryLine& line : inverters) {
        if (line.m_nEnergy < 0) {
            body += QStringLiteral("  ") + line.m_strInverter + QStringLiteral(": ") + tr("not read today") +
                    QLatin1Char('\n');
        } else {
            body += QStringLiteral("  ") + line.m_strInverter + QStringLiteral(": ") +
                    tr("%1 kWh").arg(QString::number(line.m_nEnergy / 100.0, 'f', 2)) + QLatin1Char('\n');
            total += line.m_nEnergy;
        }
        if (line.m_nEnergy <= 0) {
            idle.append(line.m_strInverter);
        }
    }
    body += tr("Plant total: %1 kWh").arg(QString::number(total / 100.0, 'f', 2)) + QStringLiteral("\n\n");
    body += tr("Faults of the day:") + QLatin1Char('\n');
    body += faults.isEmpty() ? QStringLiteral("  ") + tr("none") + QLatin1Char('\n')
                             : QStringLiteral("  ") + faults.join(QStringLiteral("\n  ")) + QLatin1Char('\n');
    body += QLatin1Char('\n') + tr("Inverters that did not produce:") + QLatin1Char('\n');
    body += idle.isEmpty() ? QStringLiteral("  ") + tr("none") + QLatin1Char('\n')
                           : QStringLiteral("  ") + idle.join(QStringLiteral("\n  ")) + QLatin1Char('\n');
    mail.m_strBody = body;
    return mail;
}

QAlertMail QAlertTexts::Test(const QString& plant, const QDateTime& at) {
    QAlertMail mail;
    mail.m_strSubject = Subject(plant, tr("Test mail"));
    mail.m_strBody =
        tr("This test mail was sent at %1. Alerts of this plant reach this address.").arg(Time(at)) +
        QLatin1Char('\n');
    return mail;
}

QString QAlertTexts::HeldBackNote(const QStringList& lines) {
    if (lines.isEmpty()) {
        return QString();
    }
    return QStringLiteral("\n") + tr("Held back in the last hour (at most one mail of a kind an hour):") +
           QLatin1Char('\n') + QStringLiteral("  ") + lines.join(QStringLiteral("\n  ")) + QLatin1Char('\n');
}

QAlertMail QAlertTexts::HeldBack(const QString& plant, const QString& source, const QStringList& lines) {
    QAlertMail mail;
    mail.m_strSubject =
        Subject(plant, tr("%1: alerts held back in the last hour (%2)").arg(source).arg(lines.size()));
    mail.m_strBody = HeldBackNote(lines).mid(1);
    return mail;
}

QString QAlertTexts::FaultLine(const QInverter& inverter, qint32 code, bool began, const QDateTime& at) {
    return Time(at) + QLatin1Char(' ') +
           (began ? tr("fault began: %1").arg(Fault(code)) : tr("fault ended: %1").arg(Fault(code))) +
           QStringLiteral(" (") + inverter.Name() + QLatin1Char(')');
}

QString QAlertTexts::StateLine(const QString& who, bool up, const QDateTime& at) {
    return Time(at) + QLatin1Char(' ') + (up ? tr("%1 back").arg(who) : tr("%1 down").arg(who));
}

QString QAlertTexts::FaultRecordLine(const QString& inverter, const QFaultRecord& record) {
    const int time = record.m_nTime;
    return QStringLiteral("%1:%2:%3 ")
               .arg((time >> 16) & 0xFF, 2, 10, QLatin1Char('0'))
               .arg((time >> 8) & 0xFF, 2, 10, QLatin1Char('0'))
               .arg(time & 0xFF, 2, 10, QLatin1Char('0')) +
           inverter + QStringLiteral(": ") + Fault(record.m_nCode);
}
