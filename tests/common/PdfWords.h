// SPDX-License-Identifier: BSD-3-Clause
#ifndef PDFWORDS_H
#define PDFWORDS_H

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

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

    QStringList Words(int p_iPage = 0) const; // 0: all pages
};

PdfContent ReadPdf(const QString& p_qstrFile, const QString& p_qstrPdfToText);

#endif
