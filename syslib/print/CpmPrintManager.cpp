// SPDX-License-Identifier: BSD-3-Clause
#include "CpmPrintManager.h"

#include "pageloop_p.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextEdit>
#include <QWidget>

#include <memory>

namespace
{
bool SetUp(QPrinter& p_qpPrinter)
{
    QPrintDialog qpdDialog(&p_qpPrinter, nullptr);
    return qpdDialog.exec() == QDialog::Accepted;
}

PageLoop::Settings WithPrintFont(const QString& p_qstrText, const QWidget* p_pqwParent, uint p_uiMarginX,
                                 uint p_uiMarginY)
{
    PageLoop::Settings settings;
    settings.m_uiMarginX = p_uiMarginX;
    settings.m_uiMarginY = p_uiMarginY;
    settings.m_qstrHtml = p_qstrText;
    settings.m_qfFont = PageLoop::PrintFont();
    settings.m_qpPalette = p_pqwParent ? p_pqwParent->palette() : QPalette();
    return settings;
}

// The file the n-th job of a list goes to: "a.pdf", "a-2.pdf", "a-3.pdf"...
QString NumberedFile(const QString& p_qstrFile, int p_iJob)
{
    if (p_iJob == 1 || p_qstrFile.isEmpty())
        return p_qstrFile;
    const QFileInfo qfiFile(p_qstrFile);
    const QString qstrSuffix = qfiFile.completeSuffix();
    const QString qstrBase = qstrSuffix.isEmpty() ? p_qstrFile : p_qstrFile.chopped(qstrSuffix.size() + 1);
    return qstrBase + QLatin1Char('-') + QString::number(p_iJob)
        + (qstrSuffix.isEmpty() ? QString() : QLatin1Char('.') + qstrSuffix);
}

// A printer for the next text of a list, set up like the previous one.
std::unique_ptr<QPrinter> NextPrinter(const QPrinter& p_qpPrevious, const QString& p_qstrFirstFile, int p_iJob)
{
    auto pqpPrinter = std::make_unique<QPrinter>(QPrinter::PrinterResolution);
    pqpPrinter->setPageOrientation(p_qpPrevious.pageLayout().orientation());
    pqpPrinter->setPageSize(p_qpPrevious.pageLayout().pageSize());
    pqpPrinter->setResolution(p_qpPrevious.resolution());
    pqpPrinter->setPageOrder(p_qpPrevious.pageOrder());
    pqpPrinter->setColorMode(p_qpPrevious.colorMode());
    pqpPrinter->setFromTo(p_qpPrevious.fromPage(), p_qpPrevious.toPage());
    pqpPrinter->setPaperSource(p_qpPrevious.paperSource());
    pqpPrinter->setPrinterName(p_qpPrevious.printerName());
    // A job printed to a file would otherwise have nowhere to go, or
    // overwrite the one before it.
    if (p_qpPrevious.outputFormat() == QPrinter::PdfFormat) {
        pqpPrinter->setOutputFormat(QPrinter::PdfFormat);
        pqpPrinter->setOutputFileName(NumberedFile(p_qstrFirstFile, p_iJob));
    }
    return pqpPrinter;
}
}

class Q_DECL_HIDDEN CpmPrintManager::Private
{
};

CpmPrintManager::CpmPrintManager() = default;

CpmPrintManager::~CpmPrintManager() = default;

CpmPrintManager::CpmPrintManager(const CpmPrintManager&)
    : CpmPrintManager()
{ }

CpmPrintManager& CpmPrintManager::operator=(const CpmPrintManager&)
{
    return *this;
}

bool CpmPrintManager::PrintHTML(QString p_qstrText, QPrinter* p_pqpPrinter, QWidget* p_pqwParent, uint p_uiMarginX,
                                uint p_uiMarginY)
{
    p_pqpPrinter->setFullPage(true);
    // The page size is fixed before painting begins: a printer that is
    // already painting ignores it.
    p_pqpPrinter->setPageSize(QPageSize(QPageSize::A4));
    QPainter qpPainter;
    if (!qpPainter.begin(p_pqpPrinter))
        return false;
    PageLoop::Print(qpPainter, *p_pqpPrinter, WithPrintFont(p_qstrText, p_pqwParent, p_uiMarginX, p_uiMarginY));
    return qpPainter.end();
}

bool CpmPrintManager::PrintHTML(QString p_qstrText, QWidget* p_pqwParent, uint p_uiMarginX, uint p_uiMarginY)
{
    return PageLoop::PrintAfterDialog(nullptr, WithPrintFont(p_qstrText, p_pqwParent, p_uiMarginX, p_uiMarginY), true);
}

bool CpmPrintManager::PrintHTML(QStringList p_qslTexts, uint p_uiMarginX, uint p_uiMarginY)
{
    QTextEdit qteEdit;
    qteEdit.setObjectName(QStringLiteral("Edit"));
    qteEdit.hide();
    qteEdit.setAcceptRichText(true);
    qteEdit.setLineWrapMode(QTextEdit::WidgetWidth);
    QPainter qpPainter;
    std::unique_ptr<QPrinter> pqpPrinter;
    QString qstrFirstFile;
    bool bPrinted = false; // every job, and at least one

    for (int iJob = 1; iJob <= p_qslTexts.size() && !p_qslTexts.at(iJob - 1).isNull(); ++iJob) {
        if (!pqpPrinter) {
            pqpPrinter = std::make_unique<QPrinter>(QPrinter::PrinterResolution);
            if (!SetUp(*pqpPrinter))
                return false;
            qstrFirstFile = pqpPrinter->outputFileName();
            bPrinted = true;
        } else {
            pqpPrinter = NextPrinter(*pqpPrinter, qstrFirstFile, iJob);
        }
        pqpPrinter->setFullPage(true);
        if (!qpPainter.begin(pqpPrinter.get())) {
            bPrinted = false;
            continue; // this job cannot print; the next may
        }
        qpPainter.setFont(qteEdit.font());
        qteEdit.setHtml(p_qslTexts.at(iJob - 1));

        PageLoop::Settings settings;
        settings.m_uiMarginX = p_uiMarginX;
        settings.m_uiMarginY = p_uiMarginY;
        settings.m_qstrHtml = qteEdit.toHtml();
        settings.m_qfFont = qteEdit.font();
        settings.m_qpPalette = qteEdit.palette();
        settings.m_bPrintFontOnEveryPage = false;
        PageLoop::Print(qpPainter, *pqpPrinter, settings);
        bPrinted = qpPainter.end() && bPrinted;
    }
    return bPrinted;
}

bool CpmPrintManager::PrintPlain(QString p_qstrText)
{
    QPrinter qpPrinter(QPrinter::ScreenResolution);
    if (!SetUp(qpPrinter))
        return false;
    QPainter qpPainter;
    if (!qpPainter.begin(&qpPrinter))
        return false;
    qpPainter.setFont(PageLoop::PrintFont());
    if (qpPrinter.height() - 10 < 10)
        qpPrinter.newPage();
    qpPainter.drawText(QRect(10, 10, qpPrinter.width(), qpPainter.fontMetrics().lineSpacing()),
                       Qt::TextExpandTabs | Qt::TextDontClip, p_qstrText);
    return qpPainter.end();
}
