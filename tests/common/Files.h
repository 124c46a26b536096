// SPDX-License-Identifier: BSD-3-Clause
#ifndef FILES_H
#define FILES_H

#include <QByteArray>
#include <QString>

#include <functional>

#include <sys/types.h>

// Files and child processes for the tests.
namespace Files
{
// The file's bytes; empty when it cannot be read.
QByteArray Read(const QString& p_qstrFile);
// Replaces the file by the bytes; false when they were not all written.
bool Write(const QString& p_qstrFile, const QByteArray& p_qbaData);

// Runs the function in a child process and returns its result as the
// child's exit status, or -1 when the child did not exit normally. With a
// limit, the child's files cannot grow beyond it: a disk that fills up.
int InChild(const std::function<int()>& p_fnRun, qint64 p_iFileSizeLimit = -1);
// Starts the function in a child process that ends when it returns.
pid_t StartChild(const std::function<void()>& p_fnRun);
// Kills the child at once and waits for it.
void Kill(pid_t p_pid);
}

#endif
