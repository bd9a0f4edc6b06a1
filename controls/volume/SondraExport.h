// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QtGlobal>

#if defined(SONDRA_LIBRARY)
#define SONDRA_EXPORT Q_DECL_EXPORT
#else
#define SONDRA_EXPORT Q_DECL_IMPORT
#endif
