// SPDX-License-Identifier: BSD-3-Clause
#ifndef STDOUTCAPTURE_H
#define STDOUTCAPTURE_H

#include <QByteArray>

// Collects what the process writes to standard output (printf included)
// between construction and Take().
class StdoutCapture
{
public:
    StdoutCapture();
    ~StdoutCapture();
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    // Everything written since construction (or the last Take).
    QByteArray Take();

private:
    int m_iSavedFd;
    int m_iFileFd;
};

#endif
