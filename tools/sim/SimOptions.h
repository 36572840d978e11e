#pragma once

#include "ScheduledFault.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

struct InverterEntry {
    int address = 0;
    QString model;
};

// Registers an inverter refuses to read or write: its answer is exception 2,
// "illegal data address", as a model without them would give.
struct RefusedRange {
    int address = 0;
    int first = 0;
    int last = 0;

    bool Overlaps(int address, int start, int count) const {
        return address == this->address && start <= last && start + count - 1 >= first;
    }
};

// Everything the command line says about the plant, its links and the faults
// to play. Filled by SimOptions::Parse; the defaults are those documented in
// the help text.
struct SimOptions {
    enum class Outcome { Run, Help, Error };

    QList<InverterEntry> inverters;
    int tcpPort = -1; // -1: no TCP server; 0: any free port
    QString bindAddress = QStringLiteral("0.0.0.0");
    QString serialDevice;
    QString gprsHost;
    int gprsPort = 0;
    int gprsRetryMs = 1000;

    double timeScale = 1.0;
    QDateTime start; // invalid: the computer's clock at start-up

    QList<ScheduledFault> faults;
    QSet<int> silent;
    QList<RefusedRange> refused;
    double dropRate = 0.0;
    double corruptRate = 0.0;
    double lateRate = 0.0;
    int lateMs = 1500;
    bool split = false;
    int baud = 0;

    quint32 seed = 0;
    bool seedGiven = false;
    bool verbose = false;
    quint16 password = 1234;

    bool HasLink() const { return tcpPort >= 0 || !serialDevice.isEmpty() || !gprsHost.isEmpty(); }

    // Reads the arguments (without the program name). On Error the text says
    // what was wrong, in one line fit for the terminal.
    static Outcome Parse(const QStringList& arguments, SimOptions* options, QString* error);

    // Reads a plant file: one inverter per line, "ADDR MODEL", '#' starts a comment.
    static bool ReadConfigFile(const QString& path, QList<InverterEntry>* inverters, QString* error);

    static QString HelpText();
};
