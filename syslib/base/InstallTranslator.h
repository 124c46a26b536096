// SPDX-License-Identifier: BSD-3-Clause
#ifndef INSTALLTRANSLATOR_H
#define INSTALLTRANSLATOR_H

#include "torvasyslib_export.h"

#include <QLocale>

/// \file InstallTranslator.h
/// Installs the library's catalogue of texts.

/// The library's functions outside its classes.
namespace TORVASyslib
{
/// Shows the library's texts in the language of a locale.
///
/// Loads the library's catalogue (a resource such as :/i18n/torvasyslib_en.qm
/// inside the library) for the first of the locale's user interface
/// languages that has one, and installs it in the running application in
/// place of one installed before by this function. The library loads no
/// catalogue by itself. A host also loads Qt's own catalogue (qtbase) for
/// the same locale so that the standard dialogs match.
/// \param p_qlLocale the locale; by default the application's, which follows
///        the system's user interface languages.
/// \return false, with nothing changed, when no catalogue was found (German,
///         the library's own language, needs none) or no application runs.
TORVASYSLIB_EXPORT bool InstallTranslator(const QLocale& p_qlLocale = QLocale());
}

#endif
