// SPDX-License-Identifier: BSD-3-Clause
#include "helpbrowser_p.h"

#include "textencoding_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// Opens the file for reading when it is a regular file (or a resource) of
// at most HelpBrowser::MostBytes; it is opened without waiting, so that a
// pipe cannot hang the reader.
bool OpenRegular(const QString& p_qstrFile, QFile& p_qfFile)
{
    if (p_qstrFile.startsWith(QLatin1Char(':'))) { // a resource
        p_qfFile.setFileName(p_qstrFile);
        return p_qfFile.size() <= HelpBrowser::MostBytes && p_qfFile.open(QIODevice::ReadOnly);
    }
    const int iFd = ::open(QFile::encodeName(p_qstrFile).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (iFd < 0)
        return false;
    struct stat file;
    if (::fstat(iFd, &file) != 0 || !S_ISREG(file.st_mode) || file.st_size > HelpBrowser::MostBytes
        || !p_qfFile.open(iFd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(iFd);
        return false;
    }
    return true;
}
}

HelpBrowser::HelpBrowser(QWidget* p_pqwParent)
    : QTextBrowser(p_pqwParent)
{ }

QVariant HelpBrowser::loadResource(int p_iType, const QUrl& p_qurlName)
{
    const QString qstrFile = FileOf(p_qurlName);
    if (qstrFile.isEmpty())
        return QTextBrowser::loadResource(p_iType, p_qurlName);
    const QByteArray qbaData = ReadRegular(qstrFile);
    // A variant holding a text, even an empty one, is not null: the document
    // would read a null one itself.
    if (p_iType != QTextDocument::ImageResource)
        return TextEncoding::Decode(qbaData, p_iType != QTextDocument::StyleSheetResource);
    // A picture that does not decode would be read again by its name: an
    // empty one stands in.
    QImage qiPicture = QImage::fromData(qbaData);
    if (qiPicture.isNull()) {
        qiPicture = QImage(1, 1, QImage::Format_ARGB32);
        qiPicture.fill(Qt::transparent);
    }
    return qiPicture;
}

QByteArray HelpBrowser::ReadRegular(const QString& p_qstrFile)
{
    // A file that grew meanwhile is not read beyond the bound.
    QFile qfFile;
    QByteArray qbaData = OpenRegular(p_qstrFile, qfFile) ? qfFile.read(MostBytes + 1) : QByteArray();
    return qbaData.size() > MostBytes ? QByteArray() : qbaData;
}

void HelpBrowser::doSetSource(const QUrl& p_qurlName, QTextDocument::ResourceType p_eType)
{
    const QString qstrFile = FileOf(p_qurlName);
    QFile qfFile;
    const bool bSamePage = p_qurlName.path().isEmpty() && p_qurlName.hasFragment();
    if (!qstrFile.isEmpty() && !bSamePage && !OpenRegular(qstrFile, qfFile)) {
        Q_EMIT Refused(p_qurlName);
        return;
    }
    QTextBrowser::doSetSource(p_qurlName, p_eType);
}

QString HelpBrowser::FileOf(const QUrl& p_qurlName) const
{
    QUrl qurlName = p_qurlName;
    if (qurlName.isRelative()) {
        const QUrl qurlShown = source();
        const QFileInfo qfiShown(qurlShown.toLocalFile());
        if (!qurlShown.isRelative() && !(qurlShown.isLocalFile() && qfiShown.isRelative()))
            qurlName = qurlShown.resolved(qurlName);
        else if (qfiShown.exists())
            qurlName = QUrl::fromLocalFile(qfiShown.absolutePath() + QLatin1Char('/')).resolved(qurlName);
    }
    QString qstrFile;
    if (qurlName.scheme() == QLatin1String("qrc"))
        qstrFile = QLatin1Char(':') + qurlName.path();
    else if (qurlName.scheme().isEmpty())
        qstrFile = qurlName.path();
    else if (qurlName.isLocalFile())
        qstrFile = qurlName.toLocalFile();
    if (qstrFile.isEmpty() || QFileInfo(qstrFile).isAbsolute())
        return qstrFile;
    for (QString qstrPath : searchPaths()) {
        if (!qstrPath.endsWith(QLatin1Char('/')))
            qstrPath += QLatin1Char('/');
        if (QFileInfo(qstrPath + qstrFile).isReadable())
            return qstrPath + qstrFile;
    }
    return qstrFile;
}
