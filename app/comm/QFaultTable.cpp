#include "QFaultTable.h"

#include <QCoreApplication>

namespace {

struct FaultEntry {
    int first; // a range of codes sharing one text
    int last;
    const char* name;
    const char* description;
};

// The status page shows these texts, so they live in its translation context.
const FaultEntry kFaultTable[] = {
    {0xA001, 0xA001, QT_TRANSLATE_NOOP("Page22", "Input under volt."),
     QT_TRANSLATE_NOOP("Page22", "Caused by PV system.Recoverable failure!")},
    {0xA002, 0xA002, QT_TRANSLATE_NOOP("Page22", "Bus under volt."),
     QT_TRANSLATE_NOOP("Page22", "Caused by PV system or Invert.Recoverable failure!")},
    {0xA003, 0xA003, QT_TRANSLATE_NOOP("Page22", "Grid under volt."),
     QT_TRANSLATE_NOOP("Page22", "Caused by AC Grid.")},
    {0xA004, 0xA004, QT_TRANSLATE_NOOP("Page22", "Grid over volt."),
     QT_TRANSLATE_NOOP("Page22", "Caused by AC Grid.")},
    {0xA005, 0xA005, QT_TRANSLATE_NOOP("Page22", "Grid under freq."),
     QT_TRANSLATE_NOOP("Page22", "Caused by AC Grid.")},
    {0xA006, 0xA006, QT_TRANSLATE_NOOP("Page22", "Grid over freq."),
     QT_TRANSLATE_NOOP("Page22", "Caused by AC Grid.")},
    {0xA007, 0xA007, QT_TRANSLATE_NOOP("Page22", "Clock fault"),
     QT_TRANSLATE_NOOP("Page22", "Caused by Inverter.Recoverable failure!")},
    {0xA008, 0xA008, QT_TRANSLATE_NOOP("Page22", "Impedance"),
     QT_TRANSLATE_NOOP("Page22", "Caused by AC Grid.Unrecoverable failure!")},
    {0xA009, 0xA009, QT_TRANSLATE_NOOP("Page22", "Cmd shut down"),
     QT_TRANSLATE_NOOP("Page22", "Caused by User.")},
    {0xA020, 0xA02F, QT_TRANSLATE_NOOP("Page22", "Current anomaly"),
     QT_TRANSLATE_NOOP("Page22", "Caused by Current anomaly")},
    {0xA030, 0xA030, QT_TRANSLATE_NOOP("Page22", "Box Int Comm"),
     QT_TRANSLATE_NOOP("Page22", "Caused by Box Int Comm")},
    {0xA031, 0xA031, QT_TRANSLATE_NOOP("Page22", "SPD1 Fault"),
     QT_TRANSLATE_NOOP("Page22", "Caused by SPD1 Fault")},
    {0xA032, 0xA032, QT_TRANSLATE_NOOP("Page22", "SPD2 Fault"),
     QT_TRANSLATE_NOOP("Page22", "Caused by SPD2 Fault")},
    {0xA033, 0xA033, QT_TRANSLATE_NOOP("Page22", "SPD3 Fault"),
     QT_TRANSLATE_NOOP("Page22", "Caused by SPD3 Fault")},
    {0xA034, 0xA034, QT_TRANSLATE_NOOP("Page22", "SPD4 Fault"),
     QT_TRANSLATE_NOOP("Page22", "Caused by SPD4 Fault")},
    {0xE001, 0xE001, QT_TRANSLATE_NOOP("Page22", "Input over volt."),
     QT_TRANSLATE_NOOP("Page22", "Caused by PV system.Recoverable failure!")},
    {0xE003, 0xE003, QT_TRANSLATE_NOOP("Page22", "Bus over volt."),
     QT_TRANSLATE_NOOP("Page22", "Caused by Invert.Recoverable failure!")},
    {0xE004, 0xE004, QT_TRANSLATE_NOOP("Page22", "Boost fail"),
     QT_TRANSLATE_NOOP("Page22", "Caused by Invert.Unrecoverable failure!")},
    {0xE005, 0xE005, QT_TRANSLATE_NOOP("Page22", "Grid over curr."),
     QT_TRANSLATE_NOOP("Page22", "Caused by AC Grid.")},
    {0xE006, 0xE006, QT_TRANSLATE_NOOP("Page22", "Over temperature"),
     QT_TRANSLATE_NOOP("Page22", "Caused by Inverter.Recoverable failure!")},
    {0xE007, 0xE007, QT_TRANSLATE_NOOP("Page22", "Riso low"),
     QT_TRANSLATE_NOOP("Page22", "Caused by PV System.!")},
    {0xE008, 0xE008, QT_TRANSLATE_NOOP("Page22", "IGBT driver err."),
     QT_TRANSLATE_NOOP("Page22", "Caused by Inverter.Unrecoverable failure!")},
    {0xE009, 0xE009, QT_TRANSLATE_NOOP("Page22", "Comm. fault"),
     QT_TRANSLATE_NOOP("Page22", "Caused by Inverter.Unrecoverable failure!")},
    {0xE010, 0xE010, QT_TRANSLATE_NOOP("Page22", "Leak current fail"),
     QT_TRANSLATE_NOOP("Page22", "Caused by PV System.Unrecoverable failure!")},
    {0xE011, 0xE011, QT_TRANSLATE_NOOP("Page22", "Relay fault"),
     QT_TRANSLATE_NOOP("Page22", "Caused by Inverter.Unrecoverable failure!")},
    {0xE012, 0xE012, QT_TRANSLATE_NOOP("Page22", "Fan fault"),
     QT_TRANSLATE_NOOP("Page22", "Caused by Inverter.Recoverable failure!")},
    {0xE013, 0xE013, QT_TRANSLATE_NOOP("Page22", "Eeprom fault"),
     QT_TRANSLATE_NOOP("Page22", "Caused by Inverter.Unrecoverable failure!")},
    {0xE014, 0xE014, QT_TRANSLATE_NOOP("Page22", "DC inject"),
     QT_TRANSLATE_NOOP("Page22", "Caused by Inverter.Unrecoverable failure!")},
    {0xE015, 0xE015, QT_TRANSLATE_NOOP("Page22", "Output short"),
     QT_TRANSLATE_NOOP("Page22", "Caused by AC Grid.Unrecoverable failure!")},
    {0xE016, 0xE016, QT_TRANSLATE_NOOP("Page22", "Zero drift."),
     QT_TRANSLATE_NOOP("Page22", "Caused by Inverter.")},
    {0xE017, 0xE017, QT_TRANSLATE_NOOP("Page22", "Grid negative phase"),
     QT_TRANSLATE_NOOP("Page22", "Caused by AC Grid.")},
    {0xE018, 0xE018, QT_TRANSLATE_NOOP("Page22", "Input over curr."),
     QT_TRANSLATE_NOOP("Page22", "Caused by PV System.Unrecoverable failure!")},
    {0xE019, 0xE019, QT_TRANSLATE_NOOP("Page22", "Data incnst"),
     QT_TRANSLATE_NOOP("Page22", "Caused by Inverter.")},
    {0xE020, 0xE020, QT_TRANSLATE_NOOP("Page22", "Power reversed"),
     QT_TRANSLATE_NOOP("Page22", "Caused by Inverter.Unrecoverable failure!")},
};

const FaultEntry* FindFault(int code) {
    for (const FaultEntry& entry : kFaultTable) {
        if (code >= entry.first && code <= entry.last) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace

QString FaultName(int code) {
    const FaultEntry* entry = FindFault(code);
    return entry ? QCoreApplication::translate("Page22", entry->name) : QString();
}

QString FaultDescription(int code) {
    const FaultEntry* entry = FindFault(code);
    return entry ? QCoreApplication::translate("Page22", entry->description) : QString();
}
