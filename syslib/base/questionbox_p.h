// SPDX-License-Identifier: BSD-3-Clause
#ifndef QUESTIONBOX_P_H
#define QUESTIONBOX_P_H

#include <QList>
#include <QMessageBox>
#include <QString>

// A button of a question: its (translated) text and what answering with it
// means to the platform (order of the buttons, Escape, assistive technology):
// YesRole or AcceptRole for going ahead, NoRole or RejectRole for keeping
// things as they are, DestructiveRole for dropping something.
struct QuestionButton
{
    QString m_qstrText;
    QMessageBox::ButtonRole m_eRole;
};

// Asks the user a question in a box with the caller's buttons, and returns
// the index of the button chosen. Return takes the default button, Escape or
// closing the box the escape button.
int AskQuestion(QWidget* p_pqwParent, const QString& p_qstrCaption, const QString& p_qstrText,
                const QList<QuestionButton>& p_qlButtons, int p_iDefault, int p_iEscape);

#endif
