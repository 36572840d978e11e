#pragma once

#include <QString>

// Texts typed into the settings of an inverter, made fit to be stored and sent.
namespace SettingText {

// The text without control characters: the inverter list separates its
// fields with them, so a pasted one would split a record.
QString WithoutControls(const QString& text);

// The hundredths of a decimal text such as "12.5" (1250) or "0.29" (29), read
// digit by digit: through a binary float, 0.29 would become 28. Digits past the
// second decimal are dropped. *ok is false for an empty text, anything that
// is not a plain decimal number, and values beyond 32 bits.
qint64 Hundredths(const QString& text, bool* ok);

} // namespace SettingText
