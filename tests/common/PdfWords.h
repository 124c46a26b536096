// SPDX-License-Identifier: BSD-3-Clause
#ifndef PDFWORDS_H
#define PDFWORDS_H

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>

// What a PDF file shows, read back with poppler's pdftotext: each page's
// size and each word with its box, in points from the page's top-left corner.
struct PdfWord
{
    int m_iPage; // from 1
    QString m_qstrText;
    QRectF m_qrBox;
};

struct PdfContent
{
    QList<QSizeF> m_qlPages;
    QList<PdfWord> m_qlWords;

    QStringList Words(int p_iPage = 0) const // 0: all pages
    {
        QStringList qslWords;
        for (const PdfWord& word : m_qlWords) {
            if (p_iPage == 0 || word.m_iPage == p_iPage)
                qslWords << word.m_qstrText;
        }
        return qslWords;
    }
};

inline PdfContent ReadPdf(const QString& p_qstrFile)
{
    QProcess qpTool;
    qpTool.start(PDFTOTEXT, {"-bbox", p_qstrFile, "-"});
    qpTool.waitForFinished(60000);
    const QString qstrHtml = QString::fromUtf8(qpTool.readAllStandardOutput());
    // A word belongs to the last page tag before it.
    static const QRegularExpression tag(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    PdfContent content;
    for (auto it = tag.globalMatch(qstrHtml); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.capturedLength(1))
            content.m_qlPages.append(QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()));
        else
            content.m_qlWords.append({int(content.m_qlPages.size()), match.captured(7),
                                      QRectF(QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()),
                                             QPointF(match.captured(5).toDouble(), match.captured(6).toDouble()))});
    }
    return content;
}

#endif
