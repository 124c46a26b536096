// SPDX-License-Identifier: BSD-3-Clause
#ifndef STDOUTCAPTURE_H
#define STDOUTCAPTURE_H

#include <QByteArray>

#include <cstdio>
#include <unistd.h>

// Collects what the process writes to standard output (printf included)
// between construction and Take().
class StdoutCapture
{
public:
    StdoutCapture()
    {
        std::fflush(stdout);
        char szName[] = "/tmp/stdout-capture-XXXXXX";
        m_iFileFd = ::mkstemp(szName);
        ::unlink(szName);
        m_iSavedFd = ::dup(STDOUT_FILENO);
        ::dup2(m_iFileFd, STDOUT_FILENO);
    }
    ~StdoutCapture()
    {
        std::fflush(stdout);
        ::dup2(m_iSavedFd, STDOUT_FILENO);
        ::close(m_iSavedFd);
        ::close(m_iFileFd);
    }
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    // Everything written since construction (or the last Take).
    QByteArray Take()
    {
        std::fflush(stdout);
        QByteArray qbaOutput(::lseek(m_iFileFd, 0, SEEK_END), '\0');
        ::pread(m_iFileFd, qbaOutput.data(), size_t(qbaOutput.size()), 0);
        ::ftruncate(m_iFileFd, 0);
        ::lseek(m_iFileFd, 0, SEEK_SET);
        return qbaOutput;
    }

private:
    int m_iSavedFd;
    int m_iFileFd;
};

#endif
