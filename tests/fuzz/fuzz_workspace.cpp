// SPDX-License-Identifier: BSD-3-Clause
// Any workspace file builds a tree without a crash; saving it keeps a file
// that could not be read as a workspace aside, byte for byte, and writes one
// that loads.
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
    // Read as a workspace: a record file with the workspace's columns.
    rbox engine(qfIcons.fileName());
    const QStringList qslColumns
        = engine.Load(1, {}, [](int, const QStringList&) {}) ? engine.GetColumns(1) : QStringList();
    const bool bReadable = qslColumns.contains("Type/ENUM") && qslColumns.contains("Parent/STRING")
        && qslColumns.contains("Name/STRING") && qslColumns.contains("Functionality/STRING")
        && qslColumns.contains("IconFilename/STRING") && qslColumns.contains("XPos/INT")
        && qslColumns.contains("YPos/INT") && qslColumns.contains("Depth/INT");
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
