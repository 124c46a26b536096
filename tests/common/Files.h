// SPDX-License-Identifier: BSD-3-Clause
#ifndef FILES_H
#define FILES_H

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <csignal>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Files and child processes for the tests.
namespace Files
{
// The file's bytes; empty when it cannot be read.
inline QByteArray Read(const QString& p_qstrFile)
{
    QFile qfFile(p_qstrFile);
    return qfFile.open(QIODevice::ReadOnly) ? qfFile.readAll() : QByteArray();
}
// Replaces the file by the bytes; false when they were not all written.
inline bool Write(const QString& p_qstrFile, const QByteArray& p_qbaData)
{
    QFile qfFile(p_qstrFile);
    return qfFile.open(QIODevice::WriteOnly | QIODevice::Truncate) && qfFile.write(p_qbaData) == p_qbaData.size();
}
// What the function writes to standard output (printf included).
inline QByteArray Stdout(const std::function<void()>& p_fnRun)
{
    std::fflush(stdout);
    FILE* pFile = std::tmpfile();
    const int iSaved = dup(STDOUT_FILENO);
    dup2(fileno(pFile), STDOUT_FILENO);
    p_fnRun();
    std::fflush(stdout);
    dup2(iSaved, STDOUT_FILENO);
    close(iSaved);
    QByteArray qbaOutput(lseek(fileno(pFile), 0, SEEK_END), '\0');
    const ssize_t iRead = pread(fileno(pFile), qbaOutput.data(), size_t(qbaOutput.size()), 0);
    std::fclose(pFile);
    return qbaOutput.left(qMax<ssize_t>(iRead, 0));
}
// Starts the function in a child process that exits with its result. With
// a limit, the child's files cannot grow beyond it: a disk that fills up.
inline pid_t StartChild(const std::function<int()>& p_fnRun, qint64 p_iFileSizeLimit = -1)
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
    return pid;
}
// Runs this test program again for one test function (and data row), with
// the environment added ("NAME=value"); its exit status, -1 after a crash.
inline int RunSelf(const QString& p_qstrTest, const QStringList& p_qslEnvironment)
{
    QProcess qpChild;
    QProcessEnvironment qpeEnvironment = QProcessEnvironment::systemEnvironment();
    for (const QString& qstrSetting : p_qslEnvironment)
        qpeEnvironment.insert(qstrSetting.section('=', 0, 0), qstrSetting.section('=', 1));
    qpChild.setProcessEnvironment(qpeEnvironment);
    qpChild.start(QCoreApplication::applicationFilePath(), {p_qstrTest});
    return qpChild.waitForFinished(60000) && qpChild.exitStatus() == QProcess::NormalExit ? qpChild.exitCode() : -1;
}
// The child's exit status once it ends, or -1 when it did not exit normally;
// killed at once first if asked.
inline int Wait(pid_t p_pid, bool p_bKill = false)
{
    if (p_bKill)
        kill(p_pid, SIGKILL);
    int iStatus = 0;
    waitpid(p_pid, &iStatus, 0);
    return WIFEXITED(iStatus) ? WEXITSTATUS(iStatus) : -1;
}
}

#endif
