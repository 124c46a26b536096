// SPDX-License-Identifier: BSD-3-Clause
#include "stringlistfile_p.h"

#include "atomicfile_p.h"

#include <QDataStream>
#include <QFile>

QList<QStringList> StringListFile::Read(const QString& p_qstrFile)
{
    QFile qfFile(p_qstrFile);
    if (!qfFile.open(QIODevice::ReadOnly))
        return {};
    // Read whole and parsed by hand: QDataStream would allocate whatever
    // count or length a damaged file announces.
    const QByteArray qbaData = qfFile.readAll();
    const auto* pData = reinterpret_cast<const uchar*>(qbaData.constData());
    const qsizetype iSize = qbaData.size();
    const auto readUInt32 = [&](qsizetype p_iAt) {
        return (quint32(pData[p_iAt]) << 24) | (quint32(pData[p_iAt + 1]) << 16) | (quint32(pData[p_iAt + 2]) << 8)
            | quint32(pData[p_iAt + 3]);
    };
    QList<QStringList> qlLists;
    qsizetype iAt = 0;
    while (iAt + 4 <= iSize) {
        const quint32 iCount = readUInt32(iAt);
        iAt += 4;
        QStringList& qslStrings = qlLists.emplace_back();
        for (quint32 i = 0; i < iCount; ++i) {
            if (iAt + 4 > iSize)
                return qlLists;
            const quint32 iLength = readUInt32(iAt);
            iAt += 4;
            if (iLength == 0xFFFFFFFFu) {
                qslStrings << QString();
                continue;
            }
            if (iLength % 2 != 0 || qsizetype(iLength) > iSize - iAt)
                return qlLists;
            QString qstrText(qsizetype(iLength / 2), Qt::Uninitialized);
            for (quint32 j = 0; j < iLength / 2; ++j)
                qstrText[j] = QChar(char16_t((pData[iAt + 2 * j] << 8) | pData[iAt + 2 * j + 1]));
            iAt += iLength;
            qslStrings << qstrText;
        }
    }
    return qlLists;
}

bool StringListFile::Write(const QString& p_qstrFile, const QList<QStringList>& p_qlLists)
{
    QByteArray qbaData;
    {
        QDataStream qdsOut(&qbaData, QIODevice::WriteOnly);
        for (const QStringList& qslStrings : p_qlLists)
            qdsOut << qslStrings;
        if (qdsOut.status() != QDataStream::Ok)
            return false;
    }
    return AtomicFile::Replace(p_qstrFile, qbaData);
}
