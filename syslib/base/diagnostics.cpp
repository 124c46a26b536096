// SPDX-License-Identifier: BSD-3-Clause
#include "diagnostics_p.h"

#include <cstdio>

Q_LOGGING_CATEGORY(lcWorkspace, "torvasyslib.workspace", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFiles, "torvasyslib.files", QtInfoMsg)
Q_LOGGING_CATEGORY(lcEditor, "torvasyslib.editor", QtInfoMsg)

void Diagnostics::Line(const QLoggingCategory& p_category, const QString& p_qstrLine)
{
    if (!p_category.isInfoEnabled())
        return;
    std::fputs((p_qstrLine + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}
