#pragma once

#include <QtCore/qglobal.h>

#if defined(RAMULO_LIBRARY)
#define RAMULO_EXPORT Q_DECL_EXPORT
#else
#define RAMULO_EXPORT Q_DECL_IMPORT
#endif
