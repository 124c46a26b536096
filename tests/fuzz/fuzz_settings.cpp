// SPDX-License-Identifier: BSD-3-Clause
// Any file loads; what was loaded saves in a form that loads back as the
// same keys, entries and contents.
#include <CsmSessionManager.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* p_pData, size_t p_iSize)
{
    static QTemporaryDir s_dir;
    const QString qstrInput = s_dir.filePath("input.ini");
    QFile qfInput(qstrInput);
    if (!qfInput.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    qfInput.write(reinterpret_cast<const char*>(p_pData), qint64(p_iSize));
    qfInput.close();

    CsmSessionManager store;
    const auto saved = [&](const QString& p_qstrName) {
        QFile qfSaved(s_dir.filePath(p_qstrName));
        if (!store.SaveAs(qfSaved.fileName()) || !qfSaved.open(QIODevice::ReadOnly))
            std::abort();
        return qfSaved.readAll();
    };
    if (!store.Load(qstrInput))
        std::abort();
    const QByteArray qbaFirst = saved("first.ini");
    if (!store.Load(s_dir.filePath("first.ini")) || saved("second.ini") != qbaFirst)
        std::abort();
    return 0;
}
