#include "pageloop_p.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

QFont PageLoop::PrintFont()
{
    QFont qfFont(QStringLiteral("times"), 10, QFont::Normal, false);
    return qfFont;
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
    int iPage = 1;
    for (;; ++iPage) {
        // The stretch of the document that this page shows.
        const qreal dTop = qreal(iPage - 1) * qrBody.height();
        p_painter.save();
        p_painter.translate(qrBody.left(), qrBody.top() - dTop);
        // Lines are drawn when they lie in the page's stretch; one that only
        // touches its edge belongs to the neighbouring page.
        p_painter.setClipRect(QRectF(0, dTop, qrBody.width(), qrBody.height()));
        context.clip = QRectF(0, dTop + 0.5, qrBody.width(), qrBody.height() - 1.0);
        qtdDocument.documentLayout()->draw(&p_painter, context);
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

void PageLoop::PrintAfterDialog(QWidget* p_pqwDialogParent, const Settings& p_settings, bool p_bA4)
{
    QPrinter qpPrinter(QPrinter::ScreenResolution);
    qpPrinter.setFullPage(true);
    QPrintDialog qpdDialog(&qpPrinter, p_pqwDialogParent);
    if (qpdDialog.exec() != QDialog::Accepted)
        return;
    if (p_bA4)
        qpPrinter.setPageSize(QPageSize(QPageSize::A4));
    QPainter qpPainter;
    if (qpPainter.begin(&qpPrinter))
        Print(qpPainter, qpPrinter, p_settings);
}
