#pragma once

#include <QString>

// Decimal texts of the settings dialogs, held as integers in hundredths
// (degrees, prices). The text is read digit by digit, so "12.34" is exactly
// 1234 and "0.29" exactly 29: read through a binary float and truncated, such
// values would lose a hundredth.
namespace DecimalText {

// The hundredths of a text such as "-12.3", "0.29", "180" or "12."; digits past
// the second decimal are dropped (truncated toward zero). Empty text, a lone
// sign and anything that is not a decimal number give 0 and *ok false. Values
// beyond the 32-bit range give *ok false too.
qint64 ToHundredths(const QString& text, bool* ok = nullptr);

// "%0.2f" of a value in hundredths: 1234 -> "12.34", -5 -> "-0.05".
QString FromHundredths(qint64 hundredths);

} // namespace DecimalText
