#pragma once

#include <QByteArray>
#include <QString>

// The hexadecimal texts of the raw register dialogs: register numbers typed in
// hex, the reply shown as a hex dump, and the bytes typed for a write.
namespace RawRegisterText {

constexpr int MaxRegisters = 20;
constexpr int BufferBytes = 2 * MaxRegisters;

// "1650" -> 0x1650; 0 when the text holds no hexadecimal number.
int HexNumber(const QString& text);

// The register (hexadecimal text) and count (decimal text) of a raw read or
// write, checked: the register must be at least 1 and the count 1 to 20.
enum class RequestCheck { Valid, BadAddress, BadLength };
RequestCheck ParseRequest(const QString& regText, const QString& countText, int* reg, int* count);

// Each byte as "%02X" followed by a blank, except that the bytes at positions
// 8, 16, 24, ... end their line: nine bytes on the first line, eight on each
// later one.
QString HexDump(const QByteArray& bytes);

// The bytes typed for a write: the text split at blanks and line breaks, every
// piece of two hexadecimal digits one byte, in order; other pieces are skipped.
struct TypedBytes {
    QByteArray bytes; // at most BufferBytes
    int typed = 0;    // bytes found, including those beyond BufferBytes
};
TypedBytes ParseBytes(const QString& text);

} // namespace RawRegisterText
