#pragma once

#include <QVector>
#include <QtGlobal>

class SimInverter;

// Error codes of the inverter's refusals, as the monitoring program names them.
enum class ReplyError : quint8 {
    None = 0,
    IllegalFunction = 1,    // "Enter the illegal instruction!"
    IllegalAddress = 2,     // "The data address is illegal!"
    IllegalValue = 3,       // "Data value is illegal!"
    OperationFailed = 4,    // "The operation failed!"
    WrongPassword = 5,      // "Password is incorrect!"
    FrameError = 6,         // "Data frame error!"
    ReadOnly = 7,           // "Parameter is read-only!"
    Unchangeable = 8,       // "Parameters of the operation can not be change!"
    PasswordProtection = 9, // "Password protection!"
    LengthError = 10,       // "Length error!"
    NoPermission = 11,      // "You do not have permission to do this!"
};

// The register map of one inverter: which registers exist, what they read and
// what a write to them does. A request either succeeds as a whole or changes
// nothing.
class InverterRegisterMap {
public:
    static const int kMaxReadRegisters = 125;

    static ReplyError Read(const SimInverter& inverter, quint16 start, int count, QVector<quint16>* values);
    static ReplyError Write(SimInverter& inverter, quint16 start, const QVector<quint16>& values);

private:
    static ReplyError ReadOne(const SimInverter& inverter, quint16 reg, quint16* value);
};
