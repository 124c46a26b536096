// SPDX-License-Identifier: BSD-3-Clause
#include "questionbox_p.h"

#include <QPushButton>

int AskQuestion(QWidget* p_pqwParent, const QString& p_qstrCaption, const QString& p_qstrText,
                const QList<QuestionButton>& p_qlButtons, int p_iDefault, int p_iEscape)
{
    QMessageBox qmbAsk(QMessageBox::Question, p_qstrCaption, p_qstrText, QMessageBox::NoButton, p_pqwParent);
    QList<QPushButton*> qlButtons;
    for (const QuestionButton& button : p_qlButtons)
        qlButtons << qmbAsk.addButton(button.m_qstrText, button.m_eRole);
    qmbAsk.setDefaultButton(qlButtons.value(p_iDefault));
    qmbAsk.setEscapeButton(qlButtons.value(p_iEscape));
    qmbAsk.exec();
    const int iChosen = int(qlButtons.indexOf(qmbAsk.clickedButton()));
    return iChosen < 0 ? p_iEscape : iChosen;
}
