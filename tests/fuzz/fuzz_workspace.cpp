// SPDX-License-Identifier: BSD-3-Clause
// Any workspace file builds a tree without a crash; saving it keeps a file
// that could not be read aside, byte for byte, and writes one that loads.
#include "Files.h"

#include <CivcIconViewContainer.h>
#include <CwsDirectoryIcon.h>
#include <rbox.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* p_pData, size_t p_iSize)
{
    QTemporaryDir dir;
    const QByteArray qbaInput(reinterpret_cast<const char*>(p_pData), qsizetype(p_iSize));
    const QFile qfIcons(dir.filePath("icons"));
    if (!Files::Write(qfIcons.fileName(), qbaInput))
        std::abort();
    const bool bReadable = rbox(qfIcons.fileName()).Load();
    std::fflush(stdout);
    delete new CivcIconViewContainer(nullptr, dir.path());
    if (!rbox(qfIcons.fileName()).Load())
        std::abort();
    const QStringList qslAside = QDir(dir.path()).entryList({"icons.damaged-*"}, QDir::Files);
    if (qslAside.size() != (bReadable ? 0 : 1))
        std::abort();
    if (!bReadable && Files::Read(dir.filePath(qslAside.first())) != qbaInput)
        std::abort();
    return 0;
}
