// SPDX-License-Identifier: BSD-3-Clause
#ifndef QUESTIONBOX_P_H
#define QUESTIONBOX_P_H

#include <QStringList>

class QWidget;

// Asks the user a question in a box with buttons of the caller's (translated)
// texts, and returns the index of the button chosen. Return takes the
// default button, Escape or closing the box the escape button.
int AskQuestion(QWidget* p_pqwParent, const QString& p_qstrCaption, const QString& p_qstrText,
                const QStringList& p_qslButtons, int p_iDefault, int p_iEscape);

#endif
