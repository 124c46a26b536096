// SPDX-License-Identifier: BSD-3-Clause
#include "pageloop_p.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QWidget>

namespace
{
// Qt's layout draws a paragraph's lines from the last one above the clip on,
// so a paragraph that runs on from the previous page would repeat that line,
// hidden by the clip but present in a PDF's text. Such a paragraph's lines in
// the page's stretch are drawn here; returns where the rest of the page
// starts. p_it walks the top-level paragraphs and tables page by page.
qreal DrawRunOnParagraph(QPainter& p_painter, const QTextDocument& p_qtdDocument, QTextFrame::iterator& p_it,
                         const QRectF& p_qrPage, const QPalette& p_qpPalette)
{
    const qreal dEdge = 0.5; // what only touches the page's edge is not on it
    const qreal dRestTop = p_qrPage.top() + dEdge;
    const auto bottomOf = [&](const QTextFrame::iterator& p_at) {
        if (QTextFrame* pqtfFrame = p_at.currentFrame())
            return p_qtdDocument.documentLayout()->frameBoundingRect(pqtfFrame).bottom();
        const QTextLayout* pqtlLayout = p_at.currentBlock().layout();
        return pqtlLayout->position().y() + pqtlLayout->boundingRect().bottom();
    };
    while (!p_it.atEnd() && bottomOf(p_it) <= dRestTop)
        ++p_it;
    if (p_it.atEnd() || p_it.currentFrame())
        return dRestTop;
    const QTextLayout* pqtlLayout = p_it.currentBlock().layout();
    const QPointF qpAt = pqtlLayout->position();
    if (pqtlLayout->lineCount() == 0 || qpAt.y() + pqtlLayout->lineAt(0).y() >= p_qrPage.top() - dEdge)
        return dRestTop; // starts on this page

    p_painter.setPen(p_qpPalette.color(QPalette::Text));
    for (int i = 0; i < pqtlLayout->lineCount(); ++i) {
        const QTextLine qtlLine = pqtlLayout->lineAt(i);
        const qreal dTop = qpAt.y() + qtlLine.y();
        if (dTop >= p_qrPage.top() - dEdge && dTop + qtlLine.height() <= p_qrPage.bottom() + dEdge)
            qtlLine.draw(&p_painter, qpAt);
    }
    return bottomOf(p_it) + dEdge;
}
}

QFont PageLoop::PrintFont()
{
    QFont qfFont(QStringLiteral("times"), 10, QFont::Normal, false);
    return qfFont;
}

PageLoop::Settings PageLoop::WindowPage(const QWidget* p_pqwWindow, const QString& p_qstrHtml)
{
    Settings settings;
    settings.m_uiMarginX = 72;
    settings.m_uiMarginY = 72;
    settings.m_qstrHtml = p_qstrHtml;
    settings.m_qfFont = PrintFont();
    settings.m_qpPalette = p_pqwWindow->palette();
    return settings;
}

int PageLoop::Print(QPainter& p_painter, QPagedPaintDevice& p_device, const Settings& p_settings)
{
    // Margins in device pixels of each axis, in whole numbers, multiplied first.
    const int iMarginX = p_device.logicalDpiX() * int(p_settings.m_uiMarginX) / 72;
    const int iMarginY = p_device.logicalDpiY() * int(p_settings.m_uiMarginY) / 72;
    const QRect qrBody(iMarginX, iMarginY, p_device.width() - 2 * iMarginX, p_device.height() - 2 * iMarginY);
    if (qrBody.width() <= 0 || qrBody.height() <= 0)
        return 0;

    // Laid out for the device itself, in pages of the body's size, so that
    // no line is cut across pages.
    QTextDocument qtdDocument;
    qtdDocument.documentLayout()->setPaintDevice(&p_device);
    qtdDocument.setDocumentMargin(0);
    qtdDocument.setDefaultFont(p_settings.m_qfFont);
    qtdDocument.setBaseUrl(p_settings.m_qurlBase);
    qtdDocument.setDefaultStyleSheet(QStringLiteral("a { color: blue; text-decoration: underline; }\n")
                                     + p_settings.m_qstrStyleSheet);
    qtdDocument.setHtml(p_settings.m_qstrHtml);
    qtdDocument.setPageSize(qrBody.size());
    const qreal dHeight = qtdDocument.size().height();

    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = p_settings.m_qpPalette;
    context.palette.setColor(QPalette::Link, Qt::blue);
    QTextFrame::iterator itTopLevel = qtdDocument.rootFrame()->begin();
    int iPage = 1;
    for (;; ++iPage) {
        // The stretch of the document that this page shows.
        const qreal dTop = qreal(iPage - 1) * qrBody.height();
        p_painter.save();
        p_painter.translate(qrBody.left(), qrBody.top() - dTop);
        // Lines are drawn when they lie in the page's stretch; one that only
        // touches its edge belongs to the neighbouring page.
        p_painter.setClipRect(QRectF(0, dTop, qrBody.width(), qrBody.height()));
        const QRectF qrPage(0, dTop, qrBody.width(), qrBody.height());
        QRectF qrRest(0, 0, qrBody.width(), 0);
        qrRest.setTop(DrawRunOnParagraph(p_painter, qtdDocument, itTopLevel, qrPage, context.palette));
        qrRest.setBottom(qrPage.bottom() - 0.5);
        if (qrRest.height() > 0) {
            context.clip = qrRest;
            qtdDocument.documentLayout()->draw(&p_painter, context);
        }
        p_painter.restore();

        if (p_settings.m_bPrintFontOnEveryPage)
            p_painter.setFont(PrintFont());
        const QString qstrNumber = QString::number(iPage);
        const QFontMetrics qfmMetrics = p_painter.fontMetrics();
        p_painter.drawText(qrBody.right() - qfmMetrics.horizontalAdvance(qstrNumber),
                           qrBody.bottom() + qfmMetrics.ascent() + 5, qstrNumber);

        // Done once the pages cover the document, measured in its own
        // coordinates: nothing is lost at the end, and no page is empty.
        if (qreal(iPage) * qrBody.height() >= dHeight)
            break;
        p_device.newPage();
    }
    return iPage;
}

bool PageLoop::PrintAfterDialog(QWidget* p_pqwDialogParent, const Settings& p_settings, bool p_bA4)
{
    QPrinter qpPrinter(QPrinter::ScreenResolution);
    qpPrinter.setFullPage(true);
    QPrintDialog qpdDialog(&qpPrinter, p_pqwDialogParent);
    if (qpdDialog.exec() != QDialog::Accepted)
        return false;
    if (p_bA4)
        qpPrinter.setPageSize(QPageSize(QPageSize::A4));
    QPainter qpPainter;
    if (!qpPainter.begin(&qpPrinter))
        return false;
    Print(qpPainter, qpPrinter, p_settings);
    return qpPainter.end();
}

void PageLoop::Preview(QWidget* p_pqwDialogParent, const Settings& p_settings)
{
    QPrinter qpPrinter(QPrinter::ScreenResolution);
    qpPrinter.setFullPage(true);
    QPrintPreviewDialog qppdPreview(&qpPrinter, p_pqwDialogParent);
    QObject::connect(&qppdPreview, &QPrintPreviewDialog::paintRequested, &qppdPreview, [&](QPrinter* p_pqpPrinter) {
        QPainter qpPainter;
        if (qpPainter.begin(p_pqpPrinter))
            Print(qpPainter, *p_pqpPrinter, p_settings);
    });
    qppdPreview.exec();
}
