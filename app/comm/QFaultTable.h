#pragma once

#include <QString>

// Names and descriptions of the fault codes an inverter reports, translated in
// the status page's context. A code without an entry gives empty texts.
QString FaultName(int code);
QString FaultDescription(int code);
