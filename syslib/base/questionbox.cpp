// SPDX-License-Identifier: BSD-3-Clause
#include "questionbox_p.h"

#include <QMessageBox>
#include <QPushButton>

int AskQuestion(QWidget* p_pqwParent, const QString& p_qstrCaption, const QString& p_qstrText,
                const QStringList& p_qslButtons, int p_iDefault, int p_iEscape)
{
    QMessageBox qmbAsk(QMessageBox::Question, p_qstrCaption, p_qstrText, QMessageBox::NoButton, p_pqwParent);
    QList<QPushButton*> qlButtons;
    for (const QString& qstrButton : p_qslButtons)
        qlButtons << qmbAsk.addButton(qstrButton, QMessageBox::AcceptRole);
    qmbAsk.setDefaultButton(qlButtons.value(p_iDefault));
    qmbAsk.setEscapeButton(qlButtons.value(p_iEscape));
    qmbAsk.exec();
    const int iChosen = int(qlButtons.indexOf(qmbAsk.clickedButton()));
    return iChosen < 0 ? p_iEscape : iChosen;
}
