// SPDX-License-Identifier: BSD-3-Clause
#ifndef HELPBROWSER_P_H
#define HELPBROWSER_P_H

#include <QTextBrowser>

// The help window's browser: it reads pages and pictures only from regular
// files (or resources), and at most MostBytes of each. A named pipe would
// hang it, a device such as /dev/zero fill the memory; such a page, or one
// that is not there, is refused: the shown page stays and Refused() tells.
class HelpBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    static constexpr qint64 MostBytes = qint64(64) << 20;

    explicit HelpBrowser(QWidget* p_pqwParent);

    QVariant loadResource(int p_iType, const QUrl& p_qurlName) override;
    // The bytes of a regular file (or resource) of at most MostBytes; null
    // for any other, or one that cannot be read.
    static QByteArray ReadRegular(const QString& p_qstrFile);
    // The file that a name of a page or picture stands for, as QTextBrowser
    // finds it (relative to the shown page, then in the search paths); empty
    // for what is not a file.
    QString FileOf(const QUrl& p_qurlName) const;

Q_SIGNALS:
    // A page asked for cannot be shown.
    void Refused(const QUrl& p_qurlPage);

protected:
    void doSetSource(const QUrl& p_qurlName, QTextDocument::ResourceType p_eType) override;
};

#endif
