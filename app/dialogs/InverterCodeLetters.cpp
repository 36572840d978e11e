#include "InverterCodeLetters.h"

namespace {

const char kLetters[] = "RABUDCEGFI";
const char* const kUnitNames[InverterCodeLetters::UnitCount] = {"CNY", "USD", "GBP", "EUR", "AUD"};

int IndexIn(QChar letter, int first, int count) {
    for (int i = 0; i < count; ++i) {
        if (letter == QLatin1Char(kLetters[first + i])) {
            return i;
        }
    }
    return -1;
}

} // namespace

namespace InverterCodeLetters {

char UnitLetter(int index) {
    return kLetters[qBound(0, index, UnitCount - 1)];
}

char LanguageLetter(int index) {
    return kLetters[UnitCount + qBound(0, index, LanguageCount - 1)];
}

int UnitIndex(QChar letter) {
    const int index = IndexIn(letter, 0, UnitCount);
    return index < 0 ? DefaultIndex : index;
}

int LanguageIndex(QChar letter) {
    const int index = IndexIn(letter, UnitCount, LanguageCount);
    return index < 0 ? DefaultIndex : index;
}

QString UnitName(QChar letter) {
    const int index = IndexIn(letter, 0, UnitCount);
    return index < 0 ? QString() : QLatin1String(kUnitNames[index]);
}

} // namespace InverterCodeLetters
