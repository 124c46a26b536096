// SPDX-License-Identifier: BSD-3-Clause
#include "CpmPrintManager.h"
#include "PdfWords.h"
#include "UiDriver.h"

#include <QTest>

#include <QPrinter>
#include <QTemporaryDir>
#include <QWidget>

#include <cmath>

namespace
{
// Paragraphs of 12 numbered words (a negative count: one paragraph of that
// many dozens), as rich text and as the words printed.
QString Document(int p_iParagraphs, const QString& p_qstrPrefix = "w")
{
    QString qstrHtml;
    for (int i = 0; i < std::abs(p_iParagraphs) * 12; ++i)
        qstrHtml += (i % 12 == 0 && (p_iParagraphs > 0 || i == 0) ? "<p>" : "")
            + QString("%1%2 ").arg(p_qstrPrefix).arg(i + 1, 5, 10, QChar('0'));
    return qstrHtml;
}
QStringList Words(int p_iParagraphs, const QString& p_qstrPrefix = "w")
{
    return Document(p_iParagraphs, p_qstrPrefix).remove("<p>").split(' ', Qt::SkipEmptyParts);
}
}

class TestCpmPrintManager : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QWidget m_parent;

    // Through the caller's-printer overload into a PDF file.
    PdfContent PrintToPdf(const QString& p_qstrHtml, int p_iDpi, uint p_uiMarginX, uint p_uiMarginY)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_dir.filePath("direct.pdf"));
        printer.setResolution(p_iDpi);
        CpmPrintManager::PrintHTML(p_qstrHtml, &printer, &m_parent, p_uiMarginX, p_uiMarginY);
        return ReadPdf(printer.outputFileName());
    }
    // Every word once, in order, within the margins; each page's number last,
    // below the body and right-aligned with it; A4 pages, none without text.
    static void CheckPages(const PdfContent& p_content, const QStringList& p_qslWords, int p_iDpi, uint p_uiMarginX,
                           uint p_uiMarginY)
    {
        const double dPixel = 72.0 / p_iDpi;
        const double dMarginX = std::floor(p_iDpi * p_uiMarginX / 72) * dPixel;
        const double dMarginY = std::floor(p_iDpi * p_uiMarginY / 72) * dPixel;
        QStringList qslBody;
        for (int iPage = 1; iPage <= p_content.m_qlPages.size(); ++iPage) {
            QList<PdfWord> qlWords;
            for (const PdfWord& word : p_content.m_qlWords)
                if (word.m_iPage == iPage)
                    qlWords << word;
            QVERIFY(qlWords.size() >= 2);
            const PdfWord number = qlWords.takeLast();
            const QSizeF qsPage = p_content.m_qlPages.at(iPage - 1);
            QCOMPARE(qsPage, QSizeF(595, 842));
            QCOMPARE(number.m_qstrText, QString::number(iPage));
            QVERIFY(std::abs(number.m_qrBox.right() - (qsPage.width() - dMarginX)) < 1.5);
            QVERIFY(number.m_qrBox.top() > qsPage.height() - dMarginY);
            QVERIFY(number.m_qrBox.top() < qsPage.height() - dMarginY + 5 * dPixel + 10);
            for (const PdfWord& word : std::as_const(qlWords)) {
                QVERIFY(QRectF(dMarginX - 1.5, dMarginY - 1.5, qsPage.width() - 2 * dMarginX + 3,
                               qsPage.height() - 2 * dMarginY + 3)
                            .contains(word.m_qrBox));
                qslBody << word.m_qstrText;
            }
            if (iPage == 1)
                QVERIFY(std::abs(qlWords.first().m_qrBox.left() - dMarginX) < 1.5);
        }
        QCOMPARE(qslBody, p_qslWords);
    }

private Q_SLOTS:
    // Margins, page numbers or page breaks off at some resolution, or lines (of one paragraph too) lost or doubled at a
    // break.
    void pagesMarginsAndNumbers_data()
    {
        QTest::addColumn<QList<int>>("row"); // dpi, margin x, margin y, paragraphs
        for (int iDpi : {96, 300, 600}) {
            for (int iParagraphs : {2, 150}) {
                QTest::addRow("%d dpi, 72/72, %d", iDpi, iParagraphs) << QList<int> {iDpi, 72, 72, iParagraphs};
                QTest::addRow("%d dpi, 36/18, %d", iDpi, iParagraphs) << QList<int> {iDpi, 36, 18, iParagraphs};
            }
        }
        for (int iParagraphs = 40; iParagraphs <= 75; iParagraphs += 5) // the document ends anywhere on a page
            QTest::addRow("96 dpi, 36/144, %d", iParagraphs) << QList<int> {96, 36, 144, iParagraphs};
        QTest::newRow("one paragraph over pages") << QList<int> {96, 72, 72, -170};
    }
    void pagesMarginsAndNumbers()
    {
        QFETCH(QList<int>, row);
        CheckPages(PrintToPdf(Document(row[3]), row[0], row[1], row[2]), Words(row[3]), row[0], row[1], row[2]);
    }

    // Printing through the dialog, plain text or a list of texts lost, cut or sent where the dialog did not say; a
    // cancelled or failed print told as printed.
    void dialogOverloads()
    {
        QPrinter printer; // to a PDF without a file name: cannot paint
        printer.setOutputFormat(QPrinter::PdfFormat);
        QVERIFY(!CpmPrintManager::PrintHTML(Document(3), &printer, &m_parent, 72, 72));

        auto pbShown = UiDriver::AnswerPrintDialog(m_dir.filePath("dialog.pdf"));
        QVERIFY(CpmPrintManager::PrintHTML(Document(100), &m_parent, 72, 72));
        CheckPages(ReadPdf(m_dir.filePath("dialog.pdf")), Words(100), 96, 72, 72);

        pbShown = UiDriver::AnswerPrintDialog(m_dir.filePath("plain.pdf"));
        QStringList qslLines = {QString("long ").repeated(60)};
        for (int i = 0; i < 200; ++i)
            qslLines << QString("line%1\tafter-tab").arg(i);
        QVERIFY(CpmPrintManager::PrintPlain(qslLines.join('\n')));
        const PdfContent plain = ReadPdf(m_dir.filePath("plain.pdf"));
        QCOMPARE(plain.m_qlPages.size(), 1);
        QVERIFY(plain.Words().count("long") < 60 && plain.Words().contains("line0")
                && !plain.Words().contains("line199"));
        QVERIFY(plain.m_qlWords.at(plain.Words().indexOf("after-tab")).m_qrBox.left()
                > plain.m_qlWords.at(plain.Words().indexOf("line0")).m_qrBox.right() + 5);

        pbShown = UiDriver::AnswerPrintDialog(m_dir.filePath("list.pdf"));
        QVERIFY(CpmPrintManager::PrintHTML(
            QStringList {Document(2, "a"), Document(80, "b"), Document(3, "c"), QString(), "d"}, 72, 72));
        for (const auto& [qstrFile, qstrPrefix, iParagraphs] : {std::tuple {QString("list.pdf"), "a", 2},
                                                                {QString("list-2.pdf"), "b", 80},
                                                                {QString("list-3.pdf"), "c", 3}})
            CheckPages(ReadPdf(m_dir.filePath(qstrFile)), Words(iParagraphs, qstrPrefix), 96, 72, 72);
        QVERIFY(!QFile::exists(m_dir.filePath("list-4.pdf")));

        for (const auto& fnPrint : std::initializer_list<std::function<bool()>> {
                 [&] { return CpmPrintManager::PrintHTML(Document(1), &m_parent, 72, 72); },
                 [] { return CpmPrintManager::PrintPlain("nothing"); },
                 [] { return CpmPrintManager::PrintHTML(QStringList {Document(1, "x")}, 72, 72); }}) {
            pbShown = UiDriver::AnswerPrintDialog(QString()); // cancelled: nothing printed, and told
            QVERIFY(!fnPrint());
            QVERIFY(*pbShown);
        }
        pbShown = UiDriver::AnswerPrintDialog(QString(), 300);
        QVERIFY(!CpmPrintManager::PrintHTML(QStringList(), 72, 72));
        QTest::qWait(400); // an empty list asks nothing
        QVERIFY(!*pbShown);
    }
};

QTEST_MAIN(TestCpmPrintManager)
#include "tst_cpmPrintManager.moc"
