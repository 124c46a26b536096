// SPDX-License-Identifier: BSD-3-Clause
#include "StdoutCapture.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

StdoutCapture::StdoutCapture()
{
    std::fflush(stdout);
    char szName[] = "/tmp/stdout-capture-XXXXXX";
    m_iFileFd = ::mkstemp(szName);
    ::unlink(szName);
    m_iSavedFd = ::dup(STDOUT_FILENO);
    ::dup2(m_iFileFd, STDOUT_FILENO);
}

StdoutCapture::~StdoutCapture()
{
    std::fflush(stdout);
    ::dup2(m_iSavedFd, STDOUT_FILENO);
    ::close(m_iSavedFd);
    ::close(m_iFileFd);
}

QByteArray StdoutCapture::Take()
{
    std::fflush(stdout);
    QByteArray qbaOutput;
    char szBuffer[4096];
    ::lseek(m_iFileFd, 0, SEEK_SET);
    ssize_t iRead;
    while ((iRead = ::read(m_iFileFd, szBuffer, sizeof szBuffer)) > 0)
        qbaOutput.append(szBuffer, iRead);
    ::ftruncate(m_iFileFd, 0);
    ::lseek(m_iFileFd, 0, SEEK_SET);
    return qbaOutput;
}
