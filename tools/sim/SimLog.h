#pragma once

#include <QByteArray>
#include <QString>

// Messages of the simulator on stderr, each line prefixed with the program name.
namespace SimLog {
void Line(const QString& text);
QString Hex(const QByteArray& bytes);
} // namespace SimLog
