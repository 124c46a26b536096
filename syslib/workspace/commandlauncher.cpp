// SPDX-License-Identifier: BSD-3-Clause
#include "commandlauncher_p.h"

#include <QRegularExpression>
#include <QTimer>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace
{
// The shell's exit codes for a command it found but could not execute, and
// for one it did not find.
constexpr int NotExecutable = 126;
constexpr int NotFound = 127;
}

CommandLauncher::CommandLauncher(QObject* p_pqoParent)
    : QObject(p_pqoParent)
    , m_pqtCollect(new QTimer(this))
{
    m_pqtCollect->setInterval(100);
    connect(m_pqtCollect, &QTimer::timeout, this, &CommandLauncher::Collect);
}

void CommandLauncher::Start(const QString& p_qstrCommand)
{
    // A lone "&" at the end (not "&&") only asked for the background.
    static const QRegularExpression s_qreBackground(QStringLiteral("(?<!&)&\\s*$"));
    const QString qstrCommand = QString(p_qstrCommand).remove(s_qreBackground).trimmed();
    const QByteArray qbaCommand = qstrCommand.toLocal8Bit();
    char szShell[] = "sh";
    char szOption[] = "-c";
    char* apArguments[] = {szShell, szOption, const_cast<char*>(qbaCommand.constData()), nullptr};
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    const int iError = posix_spawn(&pid, "/bin/sh", nullptr, &attributes, apArguments, environ);
    posix_spawnattr_destroy(&attributes);
    if (iError != 0) {
        Q_EMIT NotRun(qstrCommand);
        return;
    }
    m_qhRunning.insert(pid, qstrCommand);
    m_pqtCollect->start();
}

void CommandLauncher::Collect()
{
    for (auto it = m_qhRunning.begin(); it != m_qhRunning.end();) {
        int iStatus = 0;
        if (::waitpid(it.key(), &iStatus, WNOHANG) == 0) {
            ++it;
            continue;
        }
        const QString qstrCommand = it.value();
        it = m_qhRunning.erase(it);
        const int iCode = WIFEXITED(iStatus) ? WEXITSTATUS(iStatus) : 0;
        if (iCode == NotExecutable || iCode == NotFound)
            Q_EMIT NotRun(qstrCommand);
    }
    if (m_qhRunning.isEmpty())
        m_pqtCollect->stop();
}
