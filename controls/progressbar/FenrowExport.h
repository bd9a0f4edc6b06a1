// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QtGlobal>

#if defined(FENROW_LIBRARY)
#define FENROW_EXPORT Q_DECL_EXPORT
#else
#define FENROW_EXPORT Q_DECL_IMPORT
#endif
