// SPDX-License-Identifier: BSD-3-Clause
#ifndef DIAGNOSTICS_P_H
#define DIAGNOSTICS_P_H

#include <QLoggingCategory>
#include <QString>

// The library's diagnostic lines, by subsystem. Each is a logging category
// ("torvasyslib.workspace", …; listed in torvasyslib.categories) whose
// informational lines go to standard output, as the library always wrote
// them, unless a rule such as QT_LOGGING_RULES="torvasyslib.*=false" turns
// them off.
Q_DECLARE_LOGGING_CATEGORY(lcWorkspace)
Q_DECLARE_LOGGING_CATEGORY(lcFiles)
Q_DECLARE_LOGGING_CATEGORY(lcEditor)

namespace Diagnostics
{
// Writes the line and a line end on standard output at once, unless the
// category's informational lines are off.
void Line(const QLoggingCategory& p_category, const QString& p_qstrLine);
}

#endif
