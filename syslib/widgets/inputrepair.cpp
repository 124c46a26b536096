// SPDX-License-Identifier: BSD-3-Clause
#include "inputrepair_p.h"

#include <QKeyEvent>
#include <QLineEdit>

InputRepair::InputRepair(QObject* p_pqoParent)
    : QObject(p_pqoParent)
{ }

void InputRepair::Watch(QLineEdit* p_pqleEdit)
{
    m_pqoEdit = p_pqleEdit;
    p_pqleEdit->installEventFilter(this);
    m_qstrLast = p_pqleEdit->text();
}

void InputRepair::Apply(QLineEdit* p_pqleEdit, const QString& p_qstrRepaired)
{
    // A combo box may get a new edit field; its text before the change is
    // not known any more.
    if (m_pqoEdit != p_pqleEdit)
        Watch(p_pqleEdit);
    const QString qstrText = p_pqleEdit->text();
    if (p_qstrRepaired != qstrText) {
        const QString qstrBefore = m_qstrLast;
        p_pqleEdit->setText(p_qstrRepaired);
        m_qstrBefore = qstrBefore;
        m_qstrRepaired = p_qstrRepaired;
    } else if (qstrText != m_qstrRepaired) {
        m_qstrRepaired = QString();
    }
    m_qstrLast = p_pqleEdit->text();
}

bool InputRepair::eventFilter(QObject* p_pqoWatched, QEvent* p_pqeEvent)
{
    if (p_pqoWatched != m_pqoEdit || m_qstrRepaired.isNull()
        || (p_pqeEvent->type() != QEvent::KeyPress && p_pqeEvent->type() != QEvent::ShortcutOverride)
        || !static_cast<QKeyEvent*>(p_pqeEvent)->matches(QKeySequence::Undo))
        return false;
    p_pqeEvent->accept();
    if (p_pqeEvent->type() == QEvent::KeyPress) {
        const QString qstrBefore = m_qstrBefore;
        m_qstrRepaired = QString();
        static_cast<QLineEdit*>(p_pqoWatched)->setText(qstrBefore);
    }
    return true;
}
