#pragma once

#include <QtCore/qglobal.h>

#if defined(CURVO_LIBRARY)
#define CURVO_EXPORT Q_DECL_EXPORT
#else
#define CURVO_EXPORT Q_DECL_IMPORT
#endif
