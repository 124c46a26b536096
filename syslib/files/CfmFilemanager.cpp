#include "CfmFilemanager.h"

#include "atomicfile_p.h"

#include <QFile>
#include <QFileDialog>

#include <cstdio>

namespace
{
struct FileType
{
    QString m_qstrFilter;
    QString m_qstrExtension;
};

FileType FilterAndExtension(const QString& p_qstrFileType)
{
    if (p_qstrFileType.isNull())
        return {QStringLiteral("*.*"), QString()};
    if (p_qstrFileType.contains(QLatin1String("*.")))
        return {p_qstrFileType, p_qstrFileType.mid(2)};
    return {QLatin1String("*.") + p_qstrFileType, p_qstrFileType};
}
}

CfmFilemanager::CfmFilemanager() = default;

QString CfmFilemanager::LoadFile(bool p_bAlwaysAsk, QString p_qstrFileType, QString p_qstrFileName,
                                 QString p_qstrDirectory)
{
    const FileType type = FilterAndExtension(p_qstrFileType);
    m_qstrFileName = p_bAlwaysAsk || p_qstrFileName.isNull()
        ? QFileDialog::getOpenFileName(nullptr, QString(), p_qstrDirectory, type.m_qstrFilter)
        : p_qstrFileName;
    if (m_qstrFileName.isEmpty())
        return QString();
    QFile qfFile(m_qstrFileName);
    if (!qfFile.open(QIODevice::ReadOnly))
        return QString();

    // Lines end at LF, CR LF or a lone CR; each comes back ended by "\n".
    const QString qstrContent = QString::fromLocal8Bit(qfFile.readAll());
    QString qstrText;
    qstrText.reserve(qstrContent.size() + 1);
    qsizetype iLine = 0;
    while (iLine < qstrContent.size()) {
        qsizetype iEnd = iLine;
        while (iEnd < qstrContent.size() && qstrContent.at(iEnd) != QLatin1Char('\n')
               && qstrContent.at(iEnd) != QLatin1Char('\r'))
            ++iEnd;
        qstrText += QStringView(qstrContent).sliced(iLine, iEnd - iLine);
        qstrText += QLatin1Char('\n');
        if (iEnd + 1 < qstrContent.size() && qstrContent.at(iEnd) == QLatin1Char('\r')
            && qstrContent.at(iEnd + 1) == QLatin1Char('\n'))
            ++iEnd;
        iLine = iEnd + 1;
    }
    return qstrText.isEmpty() ? QString() : qstrText;
}

QString CfmFilemanager::SaveFile(QString p_qstrText, bool p_bAlwaysAsk, QString p_qstrFileType, QString p_qstrFileName,
                                 QString p_qstrDirectory)
{
    std::printf("Filename: %s\n", p_qstrFileName.isNull() ? "(null)" : p_qstrFileName.toLocal8Bit().constData());
    std::fflush(stdout);
    const FileType type = FilterAndExtension(p_qstrFileType);
    QString qstrFileName = p_bAlwaysAsk || p_qstrFileName.isNull()
        ? QFileDialog::getSaveFileName(nullptr, QString(), p_qstrDirectory, type.m_qstrFilter)
        : p_qstrFileName;
    if (qstrFileName.isEmpty())
        return QString();
    if (!qstrFileName.contains(QLatin1Char('.')))
        qstrFileName += QLatin1Char('.') + type.m_qstrExtension;

    return AtomicFile::Replace(qstrFileName, p_qstrText.toLocal8Bit()) ? qstrFileName : QString();
}

QString CfmFilemanager::GetFilename() const
{
    return m_qstrFileName;
}
