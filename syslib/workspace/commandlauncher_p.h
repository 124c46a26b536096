// SPDX-License-Identifier: BSD-3-Clause
#ifndef COMMANDLAUNCHER_P_H
#define COMMANDLAUNCHER_P_H

#include <QHash>
#include <QObject>
#include <QString>

#include <sys/types.h>

class QTimer;

// Runs the commands of user entries with the shell, in the background and
// in a session of their own: the GUI never waits for one, and one goes on
// when the program that started it ends. A trailing "&" (which the entry
// dialog adds to mean "in the background") is left to the launcher, so that
// a command the shell cannot run is still seen: NotRun() tells it.
class CommandLauncher : public QObject
{
    Q_OBJECT

public:
    explicit CommandLauncher(QObject* p_pqoParent);

    void Start(const QString& p_qstrCommand);

Q_SIGNALS:
    // The shell could not run the command (not found, not executable).
    void NotRun(const QString& p_qstrCommand);

private:
    void Collect();

    QHash<pid_t, QString> m_qhRunning;
    QTimer* m_pqtCollect;
};

#endif
