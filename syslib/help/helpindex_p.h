// SPDX-License-Identifier: BSD-3-Clause
#ifndef HELPINDEX_P_H
#define HELPINDEX_P_H

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>
#include <vector>

// The words of the help pages in a folder (and the folders below it), for a
// search across them: made once per folder, then searched at once.
class HelpIndex
{
public:
    struct Hit
    {
        QString m_qstrTitle;
        QUrl m_qurlPage;
    };

    // The index of the folder's pages ("*.html", "*.htm"; a folder of
    // resources too, such as ":/help"), made on the first call for the
    // folder and kept for the program's run.
    static std::shared_ptr<const HelpIndex> Of(const QString& p_qstrFolder);
    explicit HelpIndex(const QString& p_qstrFolder);

    // The pages holding every word of the query (a word also as the start
    // of a longer one, case aside), those holding them most often first.
    QList<Hit> Search(const QString& p_qstrQuery) const;
    // The query's words, as they are looked for.
    static QStringList Words(const QString& p_qstrQuery);
    int PageCount() const;

private:
    struct Page
    {
        QString m_qstrTitle;
        QUrl m_qurlPage;
    };
    struct Posting
    {
        int m_iPage;
        int m_iCount;
    };
    std::vector<Page> m_vPages;
    // Every word in its case-folded form, sorted, with the pages that hold it.
    std::vector<std::pair<QString, std::vector<Posting>>> m_vWords;
};

#endif
