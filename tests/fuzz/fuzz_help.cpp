// SPDX-License-Identifier: BSD-3-Clause
// Any history or bookmark file is read without a crash or an allocation of
// what it merely announces, and what was read writes and reads back alike.
#include "Files.h"
#include "stringlistfile_p.h"

#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* p_pData, size_t p_iSize)
{
    static QTemporaryDir s_dir;
    const QString qstrInput = s_dir.filePath(".history");
    if (!Files::Write(qstrInput, QByteArray(reinterpret_cast<const char*>(p_pData), qsizetype(p_iSize))))
        std::abort();
    const QList<QStringList> qlRead = StringListFile::Read(qstrInput);
    const QString qstrAgain = s_dir.filePath("again");
    if (!StringListFile::Write(qstrAgain, qlRead) || StringListFile::Read(qstrAgain) != qlRead)
        std::abort();
    return 0;
}
