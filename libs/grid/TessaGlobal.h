#pragma once

#include <QtCore/qglobal.h>

#if defined(TESSA_LIBRARY)
#define TESSA_EXPORT Q_DECL_EXPORT
#else
#define TESSA_EXPORT Q_DECL_IMPORT
#endif
