#include "SimOptions.h"

#include "ModelTable.h"

#include <QFile>
#include <QHostAddress>
#include <QMap>
#include <QRegularExpression>
#include <QTextStream>

namespace {

// The model registers hold 40 bytes with a terminating zero.
const int kMaxModelLength = 39;

bool ParseAddress(const QString& text, int* address) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 1 || value > 247) {
        return false;
    }
    *address = value;
    return true;
}

bool CheckModel(const QString& model, QString* error) {
    if (model.isEmpty()) {
        *error = QStringLiteral("the model name is empty");
        return false;
    }
    if (model.size() > kMaxModelLength) {
        *error =
            QStringLiteral("model name \"%1\" is longer than %2 characters").arg(model).arg(kMaxModelLength);
        return false;
    }
    for (const QChar c : model) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E) {
            *error = QStringLiteral("model name \"%1\" must be printable ASCII").arg(model);
            return false;
        }
    }
    return true;
}

bool ParseRate(const QString& name, const QString& text, double* rate, QString* error) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || value < 0.0 || value > 1.0) {
        *error = QStringLiteral("%1 needs a share from 0 to 1, not \"%2\"").arg(name, text);
        return false;
    }
    *rate = value;
    return true;
}

bool ParseInt(const QString& name, const QString& text, int low, int high, int* result, QString* error) {
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < low || value > high) {
        *error = QStringLiteral("%1 needs a whole number from %2 to %3, not \"%4\"")
                     .arg(name)
                     .arg(low)
                     .arg(high)
                     .arg(text);
        return false;
    }
    *result = int(value);
    return true;
}

// Options that take a value, and those that do not.
const QStringList kValueOptions = {"inverters", "inverter", "config",        "tcp-port",   "bind",
                                   "serial",    "gprs",     "gprs-retry-ms", "time-scale", "start",
                                   "fault",     "silent",   "refuse",        "drop-rate",  "corrupt-rate",
                                   "late-rate", "late-ms",  "baud",          "seed",       "password"};
const QStringList kFlagOptions = {"help", "split", "verbose"};

} // namespace

bool SimOptions::ReadConfigFile(const QString& path, QList<InverterEntry>* inverters, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read the plant file %1: %2").arg(path, file.errorString());
        return false;
    }
    QTextStream in(&file);
    int lineNumber = 0;
    while (!in.atEnd()) {
        QString line = in.readLine();
        ++lineNumber;
        const int hash = line.indexOf(QLatin1Char('#'));
        if (hash >= 0) {
            line.truncate(hash);
        }
        line = line.trimmed();
        if (line.isEmpty()) {
            continue;
        }
        static const QRegularExpression split(QStringLiteral("^(\\S+)\\s+(.+)$"));
        const QRegularExpressionMatch match = split.match(line);
        InverterEntry entry;
        if (!match.hasMatch() || !ParseAddress(match.captured(1), &entry.address)) {
            *error = QStringLiteral("%1 line %2: expected \"ADDR MODEL\" with ADDR 1 to 247")
                         .arg(path)
                         .arg(lineNumber);
            return false;
        }
        entry.model = match.captured(2).trimmed();
        QString modelError;
        if (!CheckModel(entry.model, &modelError)) {
            *error = QStringLiteral("%1 line %2: %3").arg(path).arg(lineNumber).arg(modelError);
            return false;
        }
        inverters->append(entry);
    }
    return true;
}

SimOptions::Outcome SimOptions::Parse(const QStringList& arguments, SimOptions* options, QString* error) {
    SimOptions result;
    int inverterCount = 0;
    bool explicitInverters = false;

    for (int i = 0; i < arguments.size(); ++i) {
        const QString argument = arguments.at(i);
        if (!argument.startsWith(QLatin1String("--"))) {
            if (argument == QLatin1String("-h")) {
                return Outcome::Help;
            }
            *error = QStringLiteral("unexpected argument \"%1\" (see --help)").arg(argument);
            return Outcome::Error;
        }
        QString name = argument.mid(2);
        QString value;
        bool hasValue = false;
        const int equals = name.indexOf(QLatin1Char('='));
        if (equals >= 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
            hasValue = true;
        }
        if (kFlagOptions.contains(name)) {
            if (hasValue) {
                *error = QStringLiteral("--%1 takes no value").arg(name);
                return Outcome::Error;
            }
            if (name == QLatin1String("help")) {
                return Outcome::Help;
            } else if (name == QLatin1String("split")) {
                result.split = true;
            } else {
                result.verbose = true;
            }
            continue;
        }
        if (!kValueOptions.contains(name)) {
            *error = QStringLiteral("unknown option \"--%1\" (see --help)").arg(name);
            return Outcome::Error;
        }
        if (!hasValue) {
            if (i + 1 >= arguments.size()) {
                *error = QStringLiteral("--%1 needs a value").arg(name);
                return Outcome::Error;
            }
            value = arguments.at(++i);
        }

        if (name == QLatin1String("inverters")) {
            if (!ParseInt(QStringLiteral("--inverters"), value, 1, 247, &inverterCount, error)) {
                return Outcome::Error;
            }
        } else if (name == QLatin1String("inverter")) {
            const int colon = value.indexOf(QLatin1Char(':'));
            InverterEntry entry;
            if (colon < 0 || !ParseAddress(value.left(colon), &entry.address)) {
                *error =
                    QStringLiteral("--inverter needs ADDR:MODEL with ADDR 1 to 247, not \"%1\"").arg(value);
                return Outcome::Error;
            }
            entry.model = value.mid(colon + 1).trimmed();
            QString modelError;
            if (!CheckModel(entry.model, &modelError)) {
                *error = QStringLiteral("--inverter %1: %2").arg(value, modelError);
                return Outcome::Error;
            }
            result.inverters.append(entry);
            explicitInverters = true;
        } else if (name == QLatin1String("config")) {
            if (!ReadConfigFile(value, &result.inverters, error)) {
                return Outcome::Error;
            }
            explicitInverters = true;
        } else if (name == QLatin1String("tcp-port")) {
            if (!ParseInt(QStringLiteral("--tcp-port"), value, 0, 65535, &result.tcpPort, error)) {
                return Outcome::Error;
            }
        } else if (name == QLatin1String("bind")) {
            if (QHostAddress(value).isNull()) {
                *error = QStringLiteral("--bind needs an IP address, not \"%1\"").arg(value);
                return Outcome::Error;
            }
            result.bindAddress = value;
        } else if (name == QLatin1String("serial")) {
            if (value.isEmpty()) {
                *error = QStringLiteral("--serial needs a device path");
                return Outcome::Error;
            }
            result.serialDevice = value;
        } else if (name == QLatin1String("gprs")) {
            const int colon = value.lastIndexOf(QLatin1Char(':'));
            int port = 0;
            QString portError;
            if (colon <= 0 ||
                !ParseInt(QStringLiteral("--gprs port"), value.mid(colon + 1), 1, 65535, &port, &portError)) {
                *error = QStringLiteral("--gprs needs HOST:PORT with PORT 1 to 65535, not \"%1\"").arg(value);
                return Outcome::Error;
            }
            result.gprsHost = value.left(colon);
            result.gprsPort = port;
        } else if (name == QLatin1String("gprs-retry-ms")) {
            if (!ParseInt(QStringLiteral("--gprs-retry-ms"), value, 10, 3600000, &result.gprsRetryMs,
                          error)) {
                return Outcome::Error;
            }
        } else if (name == QLatin1String("time-scale")) {
            bool ok = false;
            const double scale = value.toDouble(&ok);
            if (!ok || !(scale > 0.0) || scale > 1000000.0) {
                *error = QStringLiteral("--time-scale needs a number above 0 and at most 1000000, not \"%1\"")
                             .arg(value);
                return Outcome::Error;
            }
            result.timeScale = scale;
        } else if (name == QLatin1String("start")) {
            const QDateTime start =
                QDateTime::fromString(value.trimmed(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            if (!start.isValid() || start.date().year() < 2000 || start.date().year() > 2099) {
                *error = QStringLiteral(
                             "--start needs \"YYYY-MM-DD HH:MM:SS\" in the years 2000 to 2099, not \"%1\"")
                             .arg(value);
                return Outcome::Error;
            }
            result.start = start;
        } else if (name == QLatin1String("fault")) {
            ScheduledFault fault;
            if (!ScheduledFault::Parse(value, &fault, error)) {
                return Outcome::Error;
            }
            result.faults.append(fault);
        } else if (name == QLatin1String("silent")) {
            int address = 0;
            if (!ParseAddress(value, &address)) {
                *error = QStringLiteral("--silent needs an address from 1 to 247, not \"%1\"").arg(value);
                return Outcome::Error;
            }
            result.silent.insert(address);
        } else if (name == QLatin1String("refuse")) {
            static const QRegularExpression form(
                QStringLiteral("^(\\d+):([0-9A-Fa-f]{1,4})-([0-9A-Fa-f]{1,4})$"));
            const QRegularExpressionMatch match = form.match(value);
            RefusedRange range;
            bool ok = match.hasMatch() && ParseAddress(match.captured(1), &range.address);
            range.first = ok ? match.captured(2).toInt(&ok, 16) : 0;
            range.last = ok ? match.captured(3).toInt(&ok, 16) : 0;
            if (!ok || range.first > range.last) {
                *error = QStringLiteral("--refuse needs ADDR:FROM-TO with hexadecimal registers FROM <= TO, "
                                        "not \"%1\"")
                             .arg(value);
                return Outcome::Error;
            }
            result.refused.append(range);
        } else if (name == QLatin1String("drop-rate")) {
            if (!ParseRate(QStringLiteral("--drop-rate"), value, &result.dropRate, error)) {
                return Outcome::Error;
            }
        } else if (name == QLatin1String("corrupt-rate")) {
            if (!ParseRate(QStringLiteral("--corrupt-rate"), value, &result.corruptRate, error)) {
                return Outcome::Error;
            }
        } else if (name == QLatin1String("late-rate")) {
            if (!ParseRate(QStringLiteral("--late-rate"), value, &result.lateRate, error)) {
                return Outcome::Error;
            }
        } else if (name == QLatin1String("late-ms")) {
            if (!ParseInt(QStringLiteral("--late-ms"), value, 0, 600000, &result.lateMs, error)) {
                return Outcome::Error;
            }
        } else if (name == QLatin1String("baud")) {
            if (!ParseInt(QStringLiteral("--baud"), value, 0, 4000000, &result.baud, error)) {
                return Outcome::Error;
            }
            if (result.baud > 0 && result.baud < 50) {
                *error = QStringLiteral("--baud needs 0 (no delay) or a rate of at least 50, not \"%1\"")
                             .arg(value);
                return Outcome::Error;
            }
        } else if (name == QLatin1String("seed")) {
            bool ok = false;
            const qulonglong seed = value.toULongLong(&ok);
            if (!ok || seed > 0xFFFFFFFFull) {
                *error =
                    QStringLiteral("--seed needs a whole number from 0 to 4294967295, not \"%1\"").arg(value);
                return Outcome::Error;
            }
            result.seed = quint32(seed);
            result.seedGiven = true;
        } else if (name == QLatin1String("password")) {
            int password = 0;
            if (!ParseInt(QStringLiteral("--password"), value, 1, 65535, &password, error)) {
                return Outcome::Error;
            }
            result.password = quint16(password);
        }
    }

    if (inverterCount > 0 && explicitInverters) {
        *error = QStringLiteral("--inverters cannot be combined with --inverter or --config");
        return Outcome::Error;
    }
    if (!explicitInverters) {
        for (int i = 0; i < (inverterCount > 0 ? inverterCount : 3); ++i) {
            result.inverters.append({i + 1, ModelTable::DefaultModel(i)});
        }
    }
    QMap<int, QString> byAddress;
    for (const InverterEntry& entry : result.inverters) {
        if (byAddress.contains(entry.address)) {
            *error = QStringLiteral("address %1 is given twice (\"%2\" and \"%3\")")
                         .arg(entry.address)
                         .arg(byAddress.value(entry.address), entry.model);
            return Outcome::Error;
        }
        byAddress.insert(entry.address, entry.model);
    }
    if (result.inverters.isEmpty()) {
        *error = QStringLiteral("the plant has no inverter");
        return Outcome::Error;
    }
    for (const int address : std::as_const(result.silent)) {
        if (!byAddress.contains(address)) {
            *error = QStringLiteral("--silent %1: the plant has no inverter with that address").arg(address);
            return Outcome::Error;
        }
    }
    for (const RefusedRange& range : std::as_const(result.refused)) {
        if (!byAddress.contains(range.address)) {
            *error = QStringLiteral("--refuse: the plant has no inverter with address %1").arg(range.address);
            return Outcome::Error;
        }
    }
    for (const ScheduledFault& fault : std::as_const(result.faults)) {
        if (!byAddress.contains(fault.address)) {
            *error = QStringLiteral("--fault: the plant has no inverter with address %1").arg(fault.address);
            return Outcome::Error;
        }
    }
    if (!result.HasLink()) {
        *error = QStringLiteral("no link given: use --tcp-port, --serial or --gprs (see --help)");
        return Outcome::Error;
    }
    *options = result;
    return Outcome::Run;
}

QString SimOptions::HelpText() {
    return QStringLiteral(R"(Usage: wattsight-sim [options]

Plays a plant of Tivra inverters on one RS-485 bus. Every inverter answers
Modbus-RTU requests (0x03 read holding registers, 0x10 write multiple
registers, CRC-16) at its bus address; requests to other addresses get no
answer, as on a real bus. Power follows the simulated time of day: it rises
after sunrise, peaks at noon and falls to zero at dusk, scaled to the model's
rated power; the energy counters, statistics, peaks, clock, status, fault
words and logon state stay consistent with each other.

Plant (default: --inverters 3):
  --inverters N            N inverters at addresses 1..N with a mix of models
                           (the first a "Tivra PA10KT & Box").
  --inverter ADDR:MODEL    one inverter; repeatable, e.g.
                           --inverter "2:Tivra PA10KT & Box". A name outside
                           the model table is reported as given and rated
                           like the monitoring program's fallback (5000 W,
                           1 phase; 10000 W, 3 phases with "Box").
  --config FILE            inverters from a text file, one per line:
                               ADDR MODEL
                           e.g. "3 Tivra PM3KS"; blank lines and text after
                           '#' are ignored. Combines with --inverter.
  --password N             the inverters' password, 1 to 65535 (default 1234).

Links (at least one; any combination):
  --tcp-port PORT          TCP server, like an Ethernet-to-serial converter in
                           transparent mode (raw RTU frames over TCP); 0 picks
                           a free port. Several clients may connect.
  --bind ADDR              address of the TCP server (default 0.0.0.0).
  --serial DEVICE          a serial device, e.g. one end of a socat
                           pseudo-terminal pair; 9600 8N1, or --baud RATE.
  --gprs HOST:PORT         connects out to the program's GPRS server and
                           answers on that socket, like a GPRS modem; dials
                           again when the connection drops or fails.
  --gprs-retry-ms MS       pause before dialling again (default 1000).

Time:
  --time-scale X           a simulated day lasts 24/X hours (default 1);
                           720 makes a day last 2 minutes.
  --start "YYYY-MM-DD HH:MM:SS"
                           start time of the simulated clock (default: now).
                           Today's energy is played from midnight up to it;
                           the 400 days before it are filled in.

Faults and bus trouble:
  --fault ADDR:WORD:CODE:FROM-TO
                           fault word WORD (0..7, register 0x1670+WORD) holds
                           CODE (hexadecimal, e.g. E006) every simulated day
                           between FROM and TO (HH:MM-HH:MM; FROM later than
                           TO runs over midnight); repeatable. Codes 0xExxx
                           stop generation (status 4 "Fault"); other codes
                           are alarms (status 3 "Alarm"), generation goes on.
                           Each start of a fault is written to the fault
                           memory (0x1800).
  --silent ADDR            that inverter never answers; repeatable.
  --refuse ADDR:FROM-TO    that inverter answers every request touching the
                           registers FROM..TO (hexadecimal) with exception 2
                           (illegal data address); repeatable. E.g.
                           --refuse 1:16F2-1747 withholds the statistics.
  --drop-rate P            share of replies not sent (0 to 1).
  --corrupt-rate P         share of replies with a byte hit by noise on the
                           way (their CRC no longer matches).
  --late-rate P            share of replies sent late, by --late-ms MS
                           (default 1500).
  --split                  replies sent in pieces with small gaps.
  --baud RATE              delay each reply by the wire time of request and
                           reply at RATE baud, 8N1 (10 bits a byte); 0 (the
                           default) = no delay. Also the serial port's speed.

Other:
  --seed N                 seed of all randomness (weather, noise, bus
                           trouble); without it a seed is drawn and logged.
  --verbose                log every frame received and sent on stderr.
  -h, --help               this text.

When ready, one line "wattsight-sim: listening on ..." is printed on stdout
per link. SIGINT and SIGTERM end the program cleanly (exit code 0). Bad
options exit with code 2, a link that cannot be opened with code 1.

Registers (hexadecimal; 32-bit values high word first; texts two characters
per register, first in the high byte, zero-terminated):
  1214-1217  versions HVer, DVer, AVer, TVer (major, minor bytes)
  121C-122F  model name
  1230-1232  manufacturing date (yy, mm, dd), site byte (low byte of 1232)
  1250-125F  protection points: voltages 0.1 V, frequencies 0.01 Hz,
             delays in 20 ms steps (not writable: code 8)
  1300       RS-485 address (read only)
  1301 1302  language and currency letter (low byte; CEGFI, RABUD)
  1303       price, hundredths per kWh
  1305       password (protected; unreadable while logged off: code 11)
  1306-1315  user label, 32 bytes
  1316-1318, 1319-131B
             tariff periods T1, T2: yy mm dd (start), yy mm dd (end)
  131C       logon: write the password to log on, 0 to log off (wrong
             password: code 5); reads 1 logged off, 2 logged on
  131E       maximum output power, percent x 100 (0 to 10000)
  1304 131D 131F  reserved, read 0
  1400       on/off: AAAA on, 5555 off (status 5 "Shutdown" while off)
  1401 1402  reset (a self-test follows), factory reset (settings,
             password and clock back to their defaults): AAAA; both log off
  1404       clear statistics: AAAA (days, months, peaks; the lifetime
             total, CO2 and hours stay)
  1600-1611  peak power W (32-bit): today, 7 days, 30 days, month, year,
             reserved, all time, T1, T2
  1612-1615  working hours, grid hours (32-bit, 0.001 h)
  1616+10k   statistics blocks k=0..8 (energy 0.01 kWh, money in
             hundredths, CO2 0.01 kg, 32-bit each, 4 reserved registers):
             today, yesterday, 7 days, month, 30 days, year, lifetime
             total, T1, T2
  1670-1677  fault words 0..7
  1678-167B  clock: yy mm dd 00 hh mm ss 00 (writable as a whole)
  167C 167D  status (low byte: 0 night, 1 self-test, 2 running, 3 alarm,
             4 fault, 5 shutdown), logon state (1 off, 2 on)
  1690-169D  PV1 V, PV1 A, PV2 V, PV2 A, 4 reserved, U/V/W phase V and A
             (0.1 V, 0.1 A; single-phase models report 0 on V and W)
  169E-16AD  DC bus 0.1 V, reserved, frequency 0.01 Hz, reactive power var
             (signed), input power W, output power W (32-bit each),
             temperature 1 and 2 0.01 C (signed), 4 reserved, insulation
             resistance 0.01 MOhm, leakage current 0.01 mA (signed)
  16F2-172F  daily energy, 32-bit, today first (31 days; a read of 32
             days from 16F2 ends on 1730, this month's energy)
  1730-1747  monthly energy, 32-bit, this month first (12 months)
  1800+8k    fault memory k=0..31, newest first: code, yy mm dd 00
             hh mm ss, 2 reserved bytes, detail code, 4 reserved bytes
  2100-2137  combiner box models only: serial text (2100), box text
             (2110), date yy mm dd and version major minor (2120), output
             voltages 0.1 V (2124-2127), input currents 0.1 A (2128-2137)

Writes: the logon register 131C, clock, language, currency, price, user
label and maximum output power are always allowed. The password (1305),
tariff periods (1316-131B) and the commands (1400-1404) are protected:
while logged off they are refused with code 9 "Password protection!".
Error codes: 1 unknown function, 2 unknown register, 3 value out of range,
5 wrong password, 6 byte count does not match the register count, 7 read
only, 8 protection points, 9 password protection, 10 register count out of
range or a write covering part of a clock or tariff field, 11 password
register read while logged off.
)");
}
