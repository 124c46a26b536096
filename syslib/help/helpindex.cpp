// SPDX-License-Identifier: BSD-3-Clause
#include "helpindex_p.h"

#include "helpbrowser_p.h"
#include "textencoding_p.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QTextDocument>

#include <algorithm>

namespace
{
// Runs of letters and digits, case-folded.
template <typename Each> void ForEachWord(const QString& p_qstrText, Each p_fnEach)
{
    const qsizetype iSize = p_qstrText.size();
    for (qsizetype i = 0; i < iSize;) {
        while (i < iSize && !p_qstrText[i].isLetterOrNumber())
            ++i;
        const qsizetype iStart = i;
        while (i < iSize && p_qstrText[i].isLetterOrNumber())
            ++i;
        if (i > iStart)
            p_fnEach(QStringView(p_qstrText).sliced(iStart, i - iStart).toString().toCaseFolded());
    }
}
}

std::shared_ptr<const HelpIndex> HelpIndex::Of(const QString& p_qstrFolder)
{
    static QHash<QString, std::shared_ptr<const HelpIndex>> s_qhIndexes;
    std::shared_ptr<const HelpIndex>& pIndex = s_qhIndexes[QFileInfo(p_qstrFolder).absoluteFilePath()];
    if (!pIndex)
        pIndex = std::make_shared<HelpIndex>(p_qstrFolder);
    return pIndex;
}

HelpIndex::HelpIndex(const QString& p_qstrFolder)
{
    QHash<QString, std::vector<Posting>> qhWords;
    QDirIterator qdiPages(p_qstrFolder, {QStringLiteral("*.html"), QStringLiteral("*.htm")}, QDir::Files,
                          QDirIterator::Subdirectories);
    QStringList qslFiles;
    while (qdiPages.hasNext())
        qslFiles << qdiPages.next();
    qslFiles.sort(); // the same order on every run
    for (const QString& qstrFile : std::as_const(qslFiles)) {
        const QByteArray qbaPage = HelpBrowser::ReadRegular(qstrFile);
        if (qbaPage.isNull())
            continue;
        QTextDocument qtdPage;
        qtdPage.setHtml(TextEncoding::Decode(qbaPage, true));
        const QString qstrTitle = qtdPage.metaInformation(QTextDocument::DocumentTitle);
        const int iPage = int(m_vPages.size());
        m_vPages.push_back({qstrTitle.isEmpty() ? QFileInfo(qstrFile).fileName() : qstrTitle,
                            qstrFile.startsWith(QLatin1Char(':')) ? QUrl(QLatin1String("qrc") + qstrFile)
                                                                  : QUrl::fromLocalFile(qstrFile)});
        ForEachWord(qtdPage.toPlainText() + QLatin1Char(' ') + qstrTitle, [&](const QString& p_qstrWord) {
            std::vector<Posting>& vPostings = qhWords[p_qstrWord];
            if (vPostings.empty() || vPostings.back().m_iPage != iPage)
                vPostings.push_back({iPage, 0});
            ++vPostings.back().m_iCount;
        });
    }
    m_vWords.reserve(size_t(qhWords.size()));
    for (auto it = qhWords.begin(); it != qhWords.end(); ++it)
        m_vWords.emplace_back(it.key(), std::move(it.value()));
    std::sort(m_vWords.begin(), m_vWords.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
}

QStringList HelpIndex::Words(const QString& p_qstrQuery)
{
    QStringList qslWords;
    ForEachWord(p_qstrQuery, [&](const QString& p_qstrWord) { qslWords << p_qstrWord; });
    return qslWords;
}

int HelpIndex::PageCount() const
{
    return int(m_vPages.size());
}

QList<HelpIndex::Hit> HelpIndex::Search(const QString& p_qstrQuery) const
{
    const QStringList qslWords = Words(p_qstrQuery);
    if (qslWords.isEmpty())
        return {};
    // Each page's count of the query's words; -1 once a word is missing.
    std::vector<int> vScores(m_vPages.size(), 0);
    std::vector<int> vWordCounts(m_vPages.size());
    for (const QString& qstrWord : qslWords) {
        std::fill(vWordCounts.begin(), vWordCounts.end(), 0);
        auto it
            = std::lower_bound(m_vWords.cbegin(), m_vWords.cend(), qstrWord,
                               [](const auto& p_word, const QString& p_qstrKey) { return p_word.first < p_qstrKey; });
        for (; it != m_vWords.cend() && it->first.startsWith(qstrWord); ++it) {
            for (const Posting& posting : it->second)
                vWordCounts[size_t(posting.m_iPage)] += posting.m_iCount;
        }
        for (size_t i = 0; i < vScores.size(); ++i)
            vScores[i] = vScores[i] < 0 || vWordCounts[i] == 0 ? -1 : vScores[i] + vWordCounts[i];
    }
    std::vector<int> vFound;
    for (size_t i = 0; i < vScores.size(); ++i) {
        if (vScores[i] > 0)
            vFound.push_back(int(i));
    }
    std::stable_sort(vFound.begin(), vFound.end(),
                     [&](int a, int b) { return vScores[size_t(a)] > vScores[size_t(b)]; });
    QList<Hit> qlHits;
    qlHits.reserve(qsizetype(vFound.size()));
    for (int iPage : vFound)
        qlHits.append({m_vPages[size_t(iPage)].m_qstrTitle, m_vPages[size_t(iPage)].m_qurlPage});
    return qlHits;
}
