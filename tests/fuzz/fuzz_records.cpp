// SPDX-License-Identifier: BSD-3-Clause
// Any file is read or refused without a crash, and reading leaves the folder
// exactly as it was.
#include "Files.h"

#include <rbox.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* p_pData, size_t p_iSize)
{
    QTemporaryDir dir;
    const QFile qfInput(dir.filePath("file"));
    if (!Files::Write(qfInput.fileName(), QByteArray(reinterpret_cast<const char*>(p_pData), qsizetype(p_iSize))))
        std::abort();
    rbox engine(qfInput.fileName());
    if (engine.Load()) {
        for (int i = 0; i < engine.GetNumberOfDataSets(1); ++i)
            engine.GetDataSet(1, i)->GetItem("Name/STRING");
    }
    const QStringList qslLeft = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (qslLeft != QStringList({"file"}) || qfInput.size() != qint64(p_iSize))
        std::abort();
    return 0;
}
