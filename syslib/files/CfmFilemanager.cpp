// SPDX-License-Identifier: BSD-3-Clause
#include "CfmFilemanager.h"

#include "atomicfile_p.h"
#include "diagnostics_p.h"
#include "questionbox_p.h"
#include "textencoding_p.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

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

// A name whose file name has no "." gets the extension; a "." in a folder's
// name does not count.
QString WithExtension(const QString& p_qstrFileName, const QString& p_qstrExtension)
{
    if (p_qstrFileName.isEmpty() || QFileInfo(p_qstrFileName).fileName().contains(QLatin1Char('.')))
        return p_qstrFileName;
    return p_qstrFileName + QLatin1Char('.') + p_qstrExtension;
}

// The name chosen in the save dialog, with its extension; an existing file is
// replaced only when the user says so, otherwise the dialog asks again. Null
// when the user cancels.
QString AskForSaveName(const QString& p_qstrDirectory, const FileType& p_type)
{
    QString qstrDirectory = p_qstrDirectory;
    QString qstrTyped;
    for (;;) {
        QFileDialog qfdDialog(nullptr, QString(), qstrDirectory, p_type.m_qstrFilter);
        qfdDialog.setAcceptMode(QFileDialog::AcceptSave);
        // The dialog would ask about the name typed, not about the name written.
        qfdDialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (!qstrTyped.isEmpty())
            qfdDialog.selectFile(qstrTyped);
        if (qfdDialog.exec() != QDialog::Accepted)
            return QString();
        qstrTyped = qfdDialog.selectedFiles().value(0);
        const QString qstrFileName = WithExtension(qstrTyped, p_type.m_qstrExtension);
        if (!QFileInfo::exists(qstrFileName)
            || AskQuestion(nullptr, QCoreApplication::translate("CfmFilemanager", "Datei speichern"),
                           QCoreApplication::translate("CfmFilemanager",
                                                       "Die Datei \"%1\" gibt es schon.\nSoll sie ersetzt werden?")
                               .arg(QDir::toNativeSeparators(qstrFileName)),
                           {{QCoreApplication::translate("CfmFilemanager", "&Ja"), QMessageBox::YesRole},
                            {QCoreApplication::translate("CfmFilemanager", "&Nein"), QMessageBox::NoRole}},
                           1, 1)
                == 0)
            return qstrFileName;
        qstrDirectory = QFileInfo(qstrTyped).absolutePath();
    }
}
}

class Q_DECL_HIDDEN CfmFilemanager::Private
{
public:
    QString m_qstrFileName;
};

CfmFilemanager::CfmFilemanager()
    : d(new Private)
{ }

CfmFilemanager::CfmFilemanager(const CfmFilemanager& p_other)
    : d(new Private(*p_other.d))
{ }

CfmFilemanager& CfmFilemanager::operator=(const CfmFilemanager& p_other)
{
    *d = *p_other.d;
    return *this;
}

CfmFilemanager::~CfmFilemanager() = default;

QString CfmFilemanager::LoadFile(bool p_bAlwaysAsk, QString p_qstrFileType, QString p_qstrFileName,
                                 QString p_qstrDirectory)
{
    const FileType type = FilterAndExtension(p_qstrFileType);
    QString& qstrFileName = d->m_qstrFileName;
    qstrFileName = p_bAlwaysAsk || p_qstrFileName.isNull()
        ? QFileDialog::getOpenFileName(nullptr, QString(), p_qstrDirectory, type.m_qstrFilter)
        : p_qstrFileName;
    if (qstrFileName.isEmpty())
        return QString();
    QFile qfFile(qstrFileName);
    if (!qfFile.open(QIODevice::ReadOnly))
        return QString();

    // Lines end at LF, CR LF or a lone CR; each comes back ended by "\n".
    const QString qstrContent = TextEncoding::Decode(qfFile.readAll());
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
    Diagnostics::Line(
        lcFiles(), QLatin1String("Filename: ") + (p_qstrFileName.isNull() ? QStringLiteral("(null)") : p_qstrFileName));
    const FileType type = FilterAndExtension(p_qstrFileType);
    const QString qstrFileName = p_bAlwaysAsk || p_qstrFileName.isNull()
        ? AskForSaveName(p_qstrDirectory, type)
        : WithExtension(p_qstrFileName, type.m_qstrExtension);
    if (qstrFileName.isEmpty())
        return QString();
    // A file an older program wrote in Latin-1 stays in Latin-1.
    QFile qfOld(qstrFileName);
    const TextEncoding::Encoding eEncoding
        = qfOld.open(QIODevice::ReadOnly) ? TextEncoding::Of(qfOld.readAll()) : TextEncoding::Encoding::Utf8;
    qfOld.close();
    return AtomicFile::Replace(qstrFileName, TextEncoding::Encode(p_qstrText, eEncoding)) ? qstrFileName : QString();
}

QString CfmFilemanager::GetFilename() const
{
    return d->m_qstrFileName;
}
