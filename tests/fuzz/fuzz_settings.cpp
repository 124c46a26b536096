// SPDX-License-Identifier: BSD-3-Clause
// Any file loads; what was loaded saves in a form that loads back as the
// same keys, entries and contents.
#include "Files.h"

#include <CsmSessionManager.h>

#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* p_pData, size_t p_iSize)
{
    static QTemporaryDir s_dir;
    const QString qstrInput = s_dir.filePath("input.ini");
    CsmSessionManager store;
    const auto saved = [&](const QString& p_qstrName) {
        if (!store.SaveAs(s_dir.filePath(p_qstrName)))
            std::abort();
        return Files::Read(s_dir.filePath(p_qstrName));
    };
    if (!Files::Write(qstrInput, QByteArray(reinterpret_cast<const char*>(p_pData), qsizetype(p_iSize)))
        || !store.Load(qstrInput))
        std::abort();
    const QByteArray qbaFirst = saved("first.ini");
    if (!store.Load(s_dir.filePath("first.ini")) || saved("second.ini") != qbaFirst)
        std::abort();
    return 0;
}
