// SPDX-License-Identifier: BSD-3-Clause
#include "Files.h"

#include <QFile>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

QByteArray Files::Read(const QString& p_qstrFile)
{
    QFile qfFile(p_qstrFile);
    return qfFile.open(QIODevice::ReadOnly) ? qfFile.readAll() : QByteArray();
}

bool Files::Write(const QString& p_qstrFile, const QByteArray& p_qbaData)
{
    QFile qfFile(p_qstrFile);
    return qfFile.open(QIODevice::WriteOnly | QIODevice::Truncate) && qfFile.write(p_qbaData) == p_qbaData.size();
}

int Files::InChild(const std::function<int()>& p_fnRun, qint64 p_iFileSizeLimit)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (p_iFileSizeLimit >= 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit {rlim_t(p_iFileSizeLimit), rlim_t(p_iFileSizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        _exit(p_fnRun());
    }
    int iStatus = 0;
    waitpid(pid, &iStatus, 0);
    return WIFEXITED(iStatus) ? WEXITSTATUS(iStatus) : -1;
}

pid_t Files::StartChild(const std::function<void()>& p_fnRun)
{
    const pid_t pid = fork();
    if (pid == 0) {
        p_fnRun();
        _exit(0);
    }
    return pid;
}

void Files::Kill(pid_t p_pid)
{
    kill(p_pid, SIGKILL);
    waitpid(p_pid, nullptr, 0);
}
