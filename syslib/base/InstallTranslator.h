// SPDX-License-Identifier: BSD-3-Clause
#ifndef INSTALLTRANSLATOR_H
#define INSTALLTRANSLATOR_H

#include "torvasyslib_export.h"

#include <QLocale>

namespace TORVASyslib
{
// Shows the library's texts in the language of the locale (by default the
// application's, which follows the system's user interface languages): loads
// the library's catalogue for the first of the locale's languages that has
// one and installs it in the running application, in place of one installed
// before. False when no catalogue was found (German, the library's own
// language, needs none) or no application runs; nothing is changed then.
// The library loads no catalogue by itself.
TORVASYSLIB_EXPORT bool InstallTranslator(const QLocale& p_qlLocale = QLocale());
}

#endif
