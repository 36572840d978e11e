#include "InverterRegisterMap.h"

#include "SimInverter.h"

#include <QByteArray>
#include <QDate>
#include <cmath>

namespace {

// Register blocks.
const quint16 kVersions = 0x1214;
const quint16 kModelName = 0x121C;   // 20 registers
const quint16 kManufacture = 0x1230; // 3 registers
const quint16 kProtection = 0x1250;  // 16 registers
const quint16 kAddress = 0x1300;
const quint16 kLanguage = 0x1301;
const quint16 kCurrency = 0x1302;
const quint16 kPrice = 0x1303;
const quint16 kReserved1304 = 0x1304;
const quint16 kPassword = 0x1305;
const quint16 kLabel = 0x1306;  // 16 registers
const quint16 kTariff = 0x1316; // 2 x 3 registers
const quint16 kLogon = 0x131C;
const quint16 kReserved131D = 0x131D;
const quint16 kMaxOutput = 0x131E;
const quint16 kReserved131F = 0x131F;
const quint16 kOnOff = 0x1400;
const quint16 kReset = 0x1401;
const quint16 kFactoryReset = 0x1402;
const quint16 kClearStatistics = 0x1404;
const quint16 kPeaks = 0x1600;      // 9 x 32-bit
const quint16 kHours = 0x1612;      // 2 x 32-bit
const quint16 kStatistics = 0x1616; // 9 blocks of 10 registers
const quint16 kFaultWords = 0x1670; // 8 registers
const quint16 kClock = 0x1678;      // 4 registers
const quint16 kStatus = 0x167C;
const quint16 kLogonState = 0x167D;
const quint16 kElectrical = 0x1690;  // 14 registers
const quint16 kPower = 0x169E;       // 16 registers
const quint16 kDaily = 0x16F2;       // 31 x 32-bit, today first
const quint16 kMonthly = 0x1730;     // 12 x 32-bit, this month first
const quint16 kFaultMemory = 0x1800; // 32 records of 8 registers
const quint16 kBoxSerial = 0x2100;   // 16 registers
const quint16 kBoxText = 0x2110;     // 16 registers
const quint16 kBoxDate = 0x2120;     // 3 registers
const quint16 kBoxReserved = 0x2123;
const quint16 kBoxVoltages = 0x2124; // 4 registers
const quint16 kBoxCurrents = 0x2128; // 16 registers

const quint16 kCommandOn = 0xAAAA;
const quint16 kCommandOff = 0x5555;

// Firmware versions HVer, DVer, AVer, TVer as major and minor numbers.
const quint8 kVersionBytes[8] = {1, 2, 2, 15, 1, 8, 3, 1};

// Grid protection: 195.5 V / 2 s, 184.0 V / 0.2 s, 264.5 V / 2 s, 276.0 V / 0.2 s,
// 48.00 Hz / 2 s, 47.50 Hz / 0.2 s, 50.50 Hz / 2 s, 51.50 Hz / 0.2 s (delays in 20 ms steps).
const quint16 kProtectionPoints[16] = {1955, 100, 1840, 10, 2645, 100, 2760, 10,
                                       4800, 100, 4750, 10, 5050, 100, 5150, 10};

bool Within(quint16 reg, quint16 first, int count) {
    return reg >= first && reg < first + count;
}

quint16 HalfOf(quint32 value, int offset) {
    return offset % 2 == 0 ? quint16(value >> 16) : quint16(value & 0xFFFF);
}

quint16 BytePair(quint8 high, quint8 low) {
    return quint16((high << 8) | low);
}

quint16 TextWord(const QByteArray& text, int index) {
    const int at = index * 2;
    const quint8 high = at < text.size() ? quint8(text.at(at)) : 0;
    const quint8 low = at + 1 < text.size() ? quint8(text.at(at + 1)) : 0;
    return BytePair(high, low);
}

quint16 Unsigned(double value, double unitsPerValue) {
    const double scaled = std::round(value * unitsPerValue);
    return scaled <= 0.0 ? 0 : (scaled >= 65535.0 ? 65535 : quint16(scaled));
}

quint16 Signed(double value, double unitsPerValue) {
    double scaled = std::round(value * unitsPerValue);
    scaled = std::max(-32768.0, std::min(32767.0, scaled));
    return quint16(qint16(scaled));
}

quint32 Unsigned32(double value) {
    const double rounded = std::round(value);
    return rounded <= 0.0 ? 0 : (rounded >= 4294967295.0 ? 0xFFFFFFFFu : quint32(rounded));
}

StatBlock Block(const SimInverter& inverter, int index) {
    const EnergyLedger& ledger = inverter.Ledger();
    const QDate today = ledger.Today();
    switch (index) {
    case 0:
        return ledger.Sum(today, today);
    case 1:
        return ledger.Sum(today.addDays(-1), today.addDays(-1));
    case 2:
        return ledger.Sum(today.addDays(-6), today);
    case 3:
        return ledger.Sum(QDate(today.year(), today.month(), 1), today);
    case 4:
        return ledger.Sum(today.addDays(-29), today);
    case 5:
        return ledger.Sum(QDate(today.year(), 1, 1), today);
    case 6:
        return ledger.Total();
    default: {
        const int period = index - 7;
        const QDate from = inverter.TariffStart(period);
        const QDate to = inverter.TariffEnd(period);
        return from.isValid() && to.isValid() ? ledger.Sum(from, to) : StatBlock();
    }
    }
}

quint32 PeakValue(const SimInverter& inverter, int index) {
    const EnergyLedger& ledger = inverter.Ledger();
    const QDate today = ledger.Today();
    switch (index) {
    case 0:
        return ledger.Peak(today, today);
    case 1:
        return ledger.Peak(today.addDays(-6), today);
    case 2:
        return ledger.Peak(today.addDays(-29), today);
    case 3:
        return ledger.Peak(QDate(today.year(), today.month(), 1), today);
    case 4:
        return ledger.Peak(QDate(today.year(), 1, 1), today);
    case 5:
        return 0; // reserved
    case 6:
        return ledger.PeakAllTime();
    default: {
        const int period = index - 7;
        const QDate from = inverter.TariffStart(period);
        const QDate to = inverter.TariffEnd(period);
        return from.isValid() && to.isValid() ? ledger.Peak(from, to) : 0;
    }
    }
}

QByteArray BoxSerial(const SimInverter& inverter) {
    return QStringLiteral("CB16-%1-%2")
        .arg(inverter.ManufactureDate().toString(QStringLiteral("yyMM")))
        .arg(inverter.Address() * 37 + 1000, 5, 10, QLatin1Char('0'))
        .toLatin1();
}

// Writable fields: a write must cover a field whole unless it may be written in part.
struct Field {
    quint16 first;
    int count;
    bool passwordProtected;
    bool partial;
};

const Field kFields[] = {
    {kLanguage, 1, false, false},
    {kCurrency, 1, false, false},
    {kPrice, 1, false, false},
    {kPassword, 1, true, false},
    {kLabel, 16, false, true},
    {kTariff, 3, true, false},
    {quint16(kTariff + 3), 3, true, false},
    {kLogon, 1, false, false},
    {kMaxOutput, 1, false, false},
    {kOnOff, 1, true, false},
    {kReset, 1, true, false},
    {kFactoryReset, 1, true, false},
    {kClearStatistics, 1, true, false},
    {kClock, 4, false, false},
};

const Field* FieldOf(quint16 reg) {
    for (const Field& field : kFields) {
        if (Within(reg, field.first, field.count)) {
            return &field;
        }
    }
    return nullptr;
}

bool IsLanguage(quint16 value) {
    return value < 0x100 && QByteArray("CEGFI").contains(char(value));
}
bool IsCurrency(quint16 value) {
    return value < 0x100 && QByteArray("RABUD").contains(char(value));
}

QDate DateOf(quint8 yy, quint8 mm, quint8 dd) {
    return yy <= 99 ? QDate(2000 + yy, mm, dd) : QDate();
}

// The value of register reg as written by this request, or of the inverter when the request does not touch
// it.
struct PendingWrite {
    quint16 start;
    const QVector<quint16>& values;
    quint16 At(quint16 reg) const { return values.at(reg - start); }
    quint8 HighByte(quint16 reg) const { return quint8(At(reg) >> 8); }
    quint8 LowByte(quint16 reg) const { return quint8(At(reg) & 0xFF); }
};

ReplyError CheckValue(const SimInverter& inverter, const Field& field, const PendingWrite& write) {
    switch (field.first) {
    case kLanguage:
        return IsLanguage(write.At(kLanguage)) ? ReplyError::None : ReplyError::IllegalValue;
    case kCurrency:
        return IsCurrency(write.At(kCurrency)) ? ReplyError::None : ReplyError::IllegalValue;
    case kPassword:
        // 0 is the log-off value of the logon register, so it cannot be a password.
        return write.At(kPassword) != 0 ? ReplyError::None : ReplyError::IllegalValue;
    case kTariff:
    case kTariff + 3: {
        const quint16 r = field.first;
        const QDate from = DateOf(write.HighByte(r), write.LowByte(r), write.HighByte(r + 1));
        const QDate to = DateOf(write.LowByte(r + 1), write.HighByte(r + 2), write.LowByte(r + 2));
        return from.isValid() && to.isValid() && from <= to ? ReplyError::None : ReplyError::IllegalValue;
    }
    case kLogon: {
        const quint16 value = write.At(kLogon);
        return value == 0 || value == inverter.Settings().password ? ReplyError::None
                                                                   : ReplyError::WrongPassword;
    }
    case kMaxOutput:
        return write.At(kMaxOutput) <= 10000 ? ReplyError::None : ReplyError::IllegalValue;
    case kOnOff: {
        const quint16 value = write.At(kOnOff);
        return value == kCommandOn || value == kCommandOff ? ReplyError::None : ReplyError::IllegalValue;
    }
    case kReset:
    case kFactoryReset:
    case kClearStatistics:
        return write.At(field.first) == kCommandOn ? ReplyError::None : ReplyError::IllegalValue;
    case kClock: {
        const QDate date = DateOf(write.HighByte(kClock), write.LowByte(kClock), write.HighByte(kClock + 1));
        const QTime time(write.HighByte(kClock + 2), write.LowByte(kClock + 2), write.HighByte(kClock + 3));
        return date.isValid() && time.isValid() ? ReplyError::None : ReplyError::IllegalValue;
    }
    default:
        return ReplyError::None;
    }
}

void Apply(SimInverter& inverter, const Field& field, const PendingWrite& write, quint16 first,
           quint16 last) {
    InverterSettings& settings = inverter.Settings();
    switch (field.first) {
    case kLanguage:
        settings.language = char(write.At(kLanguage));
        break;
    case kCurrency:
        settings.currency = char(write.At(kCurrency));
        break;
    case kPrice:
        settings.price = write.At(kPrice);
        break;
    case kPassword:
        settings.password = write.At(kPassword);
        break;
    case kLabel: {
        QByteArray label = settings.label.leftJustified(32, '\0', true);
        for (quint16 reg = first; reg <= last; ++reg) {
            label[2 * (reg - kLabel)] = char(write.HighByte(reg));
            label[2 * (reg - kLabel) + 1] = char(write.LowByte(reg));
        }
        const int end = label.indexOf('\0');
        settings.label = end >= 0 ? label.left(end) : label;
        break;
    }
    case kTariff:
    case kTariff + 3: {
        quint8* bytes = settings.tariff[(field.first - kTariff) / 3];
        for (int i = 0; i < 3; ++i) {
            bytes[2 * i] = write.HighByte(field.first + i);
            bytes[2 * i + 1] = write.LowByte(field.first + i);
        }
        break;
    }
    case kLogon:
        inverter.SetLoggedOn(write.At(kLogon) != 0);
        break;
    case kMaxOutput:
        settings.maxOutput = write.At(kMaxOutput);
        break;
    case kOnOff:
        inverter.SwitchOn(write.At(kOnOff) == kCommandOn);
        break;
    case kReset:
        inverter.Restart();
        break;
    case kFactoryReset:
        inverter.FactoryReset();
        break;
    case kClearStatistics:
        inverter.ClearStatistics();
        break;
    case kClock:
        inverter.SetClock(QDateTime(
            DateOf(write.HighByte(kClock), write.LowByte(kClock), write.HighByte(kClock + 1)),
            QTime(write.HighByte(kClock + 2), write.LowByte(kClock + 2), write.HighByte(kClock + 3)),
            Qt::UTC));
        break;
    default:
        break;
    }
}

} // namespace

ReplyError InverterRegisterMap::ReadOne(const SimInverter& inverter, quint16 reg, quint16* value) {
    const InverterSettings& settings = inverter.Settings();
    const LiveValues& live = inverter.Live();
    *value = 0;

    if (Within(reg, kVersions, 4)) {
        const int i = reg - kVersions;
        *value = BytePair(kVersionBytes[2 * i], kVersionBytes[2 * i + 1]);
    } else if (Within(reg, kModelName, 20)) {
        *value = TextWord(inverter.Model().name.toLatin1(), reg - kModelName);
    } else if (Within(reg, kManufacture, 3)) {
        const QDate made = inverter.ManufactureDate();
        const quint8 bytes[6] = {
            quint8(made.year() - 2000), quint8(made.month()), quint8(made.day()), 0, 0, 1};
        const int i = reg - kManufacture;
        *value = BytePair(bytes[2 * i], bytes[2 * i + 1]);
    } else if (Within(reg, kProtection, 16)) {
        *value = kProtectionPoints[reg - kProtection];
    } else if (reg == kAddress) {
        *value = quint16(inverter.Address());
    } else if (reg == kLanguage) {
        *value = quint8(settings.language);
    } else if (reg == kCurrency) {
        *value = quint8(settings.currency);
    } else if (reg == kPrice) {
        *value = settings.price;
    } else if (reg == kReserved1304 || reg == kReserved131D || reg == kReserved131F) {
        *value = 0;
    } else if (reg == kPassword) {
        if (!inverter.IsLoggedOn()) {
            return ReplyError::NoPermission;
        }
        *value = settings.password;
    } else if (Within(reg, kLabel, 16)) {
        *value = TextWord(settings.label, reg - kLabel);
    } else if (Within(reg, kTariff, 6)) {
        const int i = reg - kTariff;
        const quint8* bytes = &settings.tariff[0][0];
        *value = BytePair(bytes[2 * i], bytes[2 * i + 1]);
    } else if (reg == kLogon || reg == kLogonState) {
        *value = inverter.IsLoggedOn() ? 2 : 1;
    } else if (reg == kMaxOutput) {
        *value = settings.maxOutput;
    } else if (reg == kOnOff || reg == kReset || reg == kFactoryReset || reg == kClearStatistics) {
        *value = 0; // commands read back as zero
    } else if (Within(reg, kPeaks, 18)) {
        const int i = reg - kPeaks;
        *value = HalfOf(PeakValue(inverter, i / 2), i);
    } else if (Within(reg, kHours, 4)) {
        const int i = reg - kHours;
        const EnergyLedger& ledger = inverter.Ledger();
        *value = HalfOf(i < 2 ? ledger.WorkHoursMilli() : ledger.GridHoursMilli(), i);
    } else if (Within(reg, kStatistics, 90)) {
        const int i = reg - kStatistics;
        const int offset = i % 10;
        if (offset < 6) {
            const StatBlock block = Block(inverter, i / 10);
            const quint32 field = offset < 2 ? block.energy : (offset < 4 ? block.money : block.co2);
            *value = HalfOf(field, offset);
        }
    } else if (Within(reg, kFaultWords, 8)) {
        *value = inverter.FaultWord(reg - kFaultWords);
    } else if (Within(reg, kClock, 4)) {
        const QDateTime clock = inverter.ClockTime();
        const quint8 bytes[8] = {quint8(clock.date().year() - 2000), quint8(clock.date().month()),
                                 quint8(clock.date().day()),         0,
                                 quint8(clock.time().hour()),        quint8(clock.time().minute()),
                                 quint8(clock.time().second()),      0};
        const int i = reg - kClock;
        *value = BytePair(bytes[2 * i], bytes[2 * i + 1]);
    } else if (reg == kStatus) {
        *value = quint16(inverter.Status());
    } else if (Within(reg, kElectrical, 14)) {
        const int i = reg - kElectrical;
        if (i < 4) {
            const int string = i / 2;
            *value = i % 2 == 0 ? Unsigned(live.pvVoltage[string], 10) : Unsigned(live.pvCurrent[string], 10);
        } else if (i >= 8) {
            const int phase = (i - 8) / 2;
            *value =
                i % 2 == 0 ? Unsigned(live.phaseVoltage[phase], 10) : Unsigned(live.phaseCurrent[phase], 10);
        }
    } else if (Within(reg, kPower, 16)) {
        switch (reg - kPower) {
        case 0:
            *value = Unsigned(live.busVoltage, 10);
            break;
        case 2:
            *value = Unsigned(live.frequency, 100);
            break;
        case 3:
            *value = Signed(live.reactivePower, 1);
            break;
        case 4:
        case 5:
            *value = HalfOf(Unsigned32(live.inputPower), reg - kPower);
            break;
        case 6:
        case 7:
            *value = HalfOf(Unsigned32(live.outputPower), reg - kPower);
            break;
        case 8:
            *value = Signed(live.temperature1, 100);
            break;
        case 9:
            *value = Signed(live.temperature2, 100);
            break;
        case 14:
            *value = Unsigned(live.insulationMOhm, 100);
            break;
        case 15:
            *value = Signed(live.leakageMilliAmp, 100);
            break;
        default:
            break; // reserved
        }
    } else if (Within(reg, kDaily, 62)) {
        const int i = reg - kDaily;
        *value = HalfOf(inverter.Ledger().DayEnergy(i / 2), i);
    } else if (Within(reg, kMonthly, 24)) {
        const int i = reg - kMonthly;
        *value = HalfOf(inverter.Ledger().MonthEnergy(i / 2), i);
    } else if (Within(reg, kFaultMemory, 8 * FaultMemory::kRecords)) {
        const int i = reg - kFaultMemory;
        const QByteArray record = inverter.Faults().RecordBytes(i / 8);
        *value = TextWord(record, i % 8);
    } else if (inverter.Model().box && Within(reg, kBoxSerial, 0x38)) {
        if (Within(reg, kBoxSerial, 16)) {
            *value = TextWord(BoxSerial(inverter), reg - kBoxSerial);
        } else if (Within(reg, kBoxText, 16)) {
            *value = TextWord(QByteArrayLiteral("Tivra Combiner Box 16/4"), reg - kBoxText);
        } else if (Within(reg, kBoxDate, 3)) {
            const QDate made = inverter.ManufactureDate();
            const quint8 bytes[6] = {
                quint8(made.year() - 2000), quint8(made.month()), quint8(made.day()), 0, 2, 3};
            const int i = reg - kBoxDate;
            *value = BytePair(bytes[2 * i], bytes[2 * i + 1]);
        } else if (reg == kBoxReserved) {
            *value = 0;
        } else if (Within(reg, kBoxVoltages, 4)) {
            *value = Unsigned(live.boxVoltage[reg - kBoxVoltages], 10);
        } else {
            *value = Unsigned(live.boxCurrent[reg - kBoxCurrents], 10);
        }
    } else {
        return ReplyError::IllegalAddress;
    }
    return ReplyError::None;
}

ReplyError InverterRegisterMap::Read(const SimInverter& inverter, quint16 start, int count,
                                     QVector<quint16>* values) {
    if (count < 1 || count > kMaxReadRegisters || start + count > 0x10000) {
        return ReplyError::LengthError;
    }
    QVector<quint16> result(count);
    // An unknown register anywhere in the range outranks a permission problem.
    ReplyError refusal = ReplyError::None;
    for (int i = 0; i < count; ++i) {
        const ReplyError error = ReadOne(inverter, quint16(start + i), &result[i]);
        if (error == ReplyError::IllegalAddress) {
            return error;
        }
        if (error != ReplyError::None && refusal == ReplyError::None) {
            refusal = error;
        }
    }
    if (refusal != ReplyError::None) {
        return refusal;
    }
    *values = result;
    return ReplyError::None;
}

ReplyError InverterRegisterMap::Write(SimInverter& inverter, quint16 start, const QVector<quint16>& values) {
    const int count = int(values.size());
    if (count < 1 || count > 123 || start + count > 0x10000) {
        return ReplyError::LengthError;
    }
    const quint16 last = quint16(start + count - 1);
    for (int i = 0; i < count; ++i) {
        quint16 ignored = 0;
        if (ReadOne(inverter, quint16(start + i), &ignored) == ReplyError::IllegalAddress) {
            return ReplyError::IllegalAddress;
        }
    }
    QVector<const Field*> touched;
    for (int i = 0; i < count; ++i) {
        const quint16 reg = quint16(start + i);
        const Field* field = FieldOf(reg);
        if (!field) {
            return Within(reg, kProtection, 16) ? ReplyError::Unchangeable : ReplyError::ReadOnly;
        }
        if (!touched.contains(field)) {
            touched.append(field);
        }
    }
    for (const Field* field : std::as_const(touched)) {
        if (!field->partial && (start > field->first || last < field->first + field->count - 1)) {
            return ReplyError::LengthError;
        }
    }
    for (const Field* field : std::as_const(touched)) {
        if (field->passwordProtected && !inverter.IsLoggedOn()) {
            return ReplyError::PasswordProtection;
        }
    }
    const PendingWrite write{start, values};
    for (const Field* field : std::as_const(touched)) {
        const ReplyError error = CheckValue(inverter, *field, write);
        if (error != ReplyError::None) {
            return error;
        }
    }
    for (const Field* field : std::as_const(touched)) {
        const quint16 first = std::max<quint16>(start, field->first);
        const quint16 fieldLast = quint16(field->first + field->count - 1);
        Apply(inverter, *field, write, first, std::min(last, fieldLast));
    }
    return ReplyError::None;
}
