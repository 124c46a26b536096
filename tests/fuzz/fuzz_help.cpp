// SPDX-License-Identifier: BSD-3-Clause
// Any history or bookmark file is read without a crash or an allocation of
// what it merely announces, and what was read writes and reads back alike.
#include "stringlistfile_p.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* p_pData, size_t p_iSize)
{
    static QTemporaryDir s_dir;
    QFile qfInput(s_dir.filePath(".history"));
    if (!qfInput.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    qfInput.write(reinterpret_cast<const char*>(p_pData), qint64(p_iSize));
    qfInput.close();

    const QList<QStringList> qlRead = StringListFile::Read(qfInput.fileName());
    const QString qstrAgain = s_dir.filePath("again");
    if (!StringListFile::Write(qstrAgain, qlRead) || StringListFile::Read(qstrAgain) != qlRead)
        std::abort();
    return 0;
}
