// SPDX-License-Identifier: BSD-3-Clause
#ifndef INPUTREPAIR_P_H
#define INPUTREPAIR_P_H

#include <QObject>
#include <QPointer>
#include <QString>

class QLineEdit;

// Puts a repaired text into an input's edit field and lets one undo (Ctrl+Z)
// bring back the text as it was before the change that the repair cut off:
// setting the repaired text clears the edit field's own undo history.
class InputRepair : public QObject
{
public:
    explicit InputRepair(QObject* p_pqoParent);

    // Starts watching the edit field with the text it has now, the text
    // before its first change.
    void Watch(QLineEdit* p_pqleEdit);
    // Called on every change of the field's text with the text it should
    // have; sets it when it differs.
    void Apply(QLineEdit* p_pqleEdit, const QString& p_qstrRepaired);

protected:
    bool eventFilter(QObject* p_pqoWatched, QEvent* p_pqeEvent) override;

private:
    // The field, held as a QObject: events reach the filter while it is
    // being destroyed, when it is no longer a QLineEdit.
    QPointer<QObject> m_pqoEdit;
    QString m_qstrLast; // the text after the last change
    QString m_qstrBefore; // the text before the last repaired change
    QString m_qstrRepaired; // what that repair left, null once undone or edited
};

#endif
