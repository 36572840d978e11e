#pragma once

#include <QChar>
#include <QString>

// The inverter keeps its display language and its monetary unit as one capital
// letter each, from the table "RABUDCEGFI": letters 0 to 4 are the units CNY,
// USD, GBP, EUR and AUD, letters 5 to 9 the languages Chinese, English,
// German, French and Italian.
namespace InverterCodeLetters {

constexpr int UnitCount = 5;
constexpr int LanguageCount = 5;
constexpr int DefaultIndex = 1; // English, USD: shown when the inverter's letter is unknown

char UnitLetter(int index);
char LanguageLetter(int index);
// The combo box index of a letter the inverter reported; DefaultIndex for an
// empty or unknown letter.
int UnitIndex(QChar letter);
int LanguageIndex(QChar letter);
// "CNY" .. "AUD" for a unit letter; empty for an unknown one.
QString UnitName(QChar letter);

} // namespace InverterCodeLetters
