// SPDX-License-Identifier: BSD-3-Clause
#include "PdfWords.h"

#include <QProcess>
#include <QRegularExpression>

QStringList PdfContent::Words(int p_iPage) const
{
    QStringList qslWords;
    for (const PdfWord& word : m_qlWords) {
        if (p_iPage == 0 || word.m_iPage == p_iPage)
            qslWords << word.m_qstrText;
    }
    return qslWords;
}

PdfContent ReadPdf(const QString& p_qstrFile, const QString& p_qstrPdfToText)
{
    QProcess qpTool;
    qpTool.start(p_qstrPdfToText, {"-bbox", p_qstrFile, "-"});
    qpTool.waitForFinished(60000);
    const QString qstrHtml = QString::fromUtf8(qpTool.readAllStandardOutput());

    static const QRegularExpression page(R"re(<page width="([\d.]+)" height="([\d.]+)">)re");
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    PdfContent content;
    qsizetype iAt = 0;
    while (true) {
        const QRegularExpressionMatch pageMatch = page.match(qstrHtml, iAt);
        const qsizetype iNext = pageMatch.hasMatch() ? pageMatch.capturedStart() : qstrHtml.size();
        // Words between the previous page tag and this one belong to the previous page.
        auto it = word.globalMatch(QStringView(qstrHtml).sliced(iAt, iNext - iAt));
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            content.m_qlWords.append({int(content.m_qlPages.size()), match.captured(5),
                                      QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                                             QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()))});
        }
        if (!pageMatch.hasMatch())
            break;
        content.m_qlPages.append(QSizeF(pageMatch.captured(1).toDouble(), pageMatch.captured(2).toDouble()));
        iAt = pageMatch.capturedEnd();
    }
    return content;
}
