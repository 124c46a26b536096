#include "CpmPrintManager.h"
#include "PdfWords.h"
#include "UiDriver.h"

#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <cmath>

namespace
{
// A rich text of numbered words, p_iParagraphs paragraphs of 12.
QString Document(int p_iParagraphs, const QString& p_qstrPrefix = "w")
{
    QString qstrHtml = "<html><body>";
    int iWord = 0;
    for (int i = 0; i < p_iParagraphs; ++i) {
        qstrHtml += "<p>";
        for (int j = 0; j < 12; ++j)
            qstrHtml += QString("%1%2 ").arg(p_qstrPrefix).arg(++iWord, 5, 10, QChar('0'));
        qstrHtml += "</p>";
    }
    return qstrHtml + "</body></html>";
}

QStringList DocumentWords(int p_iParagraphs, const QString& p_qstrPrefix = "w")
{
    QStringList qslWords;
    for (int i = 1; i <= p_iParagraphs * 12; ++i)
        qslWords << QString("%1%2").arg(p_qstrPrefix).arg(i, 5, 10, QChar('0'));
    return qslWords;
}

}

class TestCpmPrintManager : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QWidget m_parent;

    PdfContent Read(const QString& p_qstrFile) { return ReadPdf(p_qstrFile, PDFTOTEXT); }

    // Prints through the caller's-printer overload to a PDF file.
    PdfContent PrintToPdf(const QString& p_qstrHtml, int p_iDpi, uint p_uiMarginX, uint p_uiMarginY)
    {
        const QString qstrFile = m_dir.filePath(QString("direct-%1.pdf").arg(p_iDpi));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(qstrFile);
        printer.setResolution(p_iDpi);
        CpmPrintManager::PrintHTML(p_qstrHtml, &printer, &m_parent, p_uiMarginX, p_uiMarginY);
        [&] {
            QVERIFY(printer.fullPage());
            QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
        }();
        return Read(qstrFile);
    }

    // Every word once, in order; on each page its number, last, below the
    // body and right-aligned with it; no page without body text.
    void CheckPages(const PdfContent& p_content, const QStringList& p_qslWords, int p_iDpi, uint p_uiMarginX,
                    uint p_uiMarginY)
    {
        const double dPixel = 72.0 / p_iDpi;
        const double dMarginX = std::floor(p_iDpi * p_uiMarginX / 72) * dPixel;
        const double dMarginY = std::floor(p_iDpi * p_uiMarginY / 72) * dPixel;
        QStringList qslBody;
        for (int iPage = 1; iPage <= p_content.m_qlPages.size(); ++iPage) {
            QList<PdfWord> words;
            for (const PdfWord& word : p_content.m_qlWords)
                if (word.m_iPage == iPage)
                    words << word;
            QVERIFY2(words.size() >= 2, qPrintable(QString("page %1 has no text").arg(iPage)));
            const PdfWord number = words.takeLast();
            QCOMPARE(number.m_qstrText, QString::number(iPage));
            const QSizeF qsPage = p_content.m_qlPages.at(iPage - 1);
            QVERIFY(std::abs(number.m_qrBox.right() - (qsPage.width() - dMarginX)) < 1.5);
            QVERIFY(number.m_qrBox.top() > qsPage.height() - dMarginY);
            QVERIFY(number.m_qrBox.top() < qsPage.height() - dMarginY + 5 * dPixel + 10);
            for (const PdfWord& word : std::as_const(words)) {
                QVERIFY(word.m_qrBox.left() >= dMarginX - 1.5);
                QVERIFY(word.m_qrBox.right() <= qsPage.width() - dMarginX + 1.5);
                QVERIFY(word.m_qrBox.top() >= dMarginY - 1.5);
                QVERIFY2(word.m_qrBox.bottom() <= qsPage.height() - dMarginY + 1.5,
                         qPrintable(QString("%1 %2 %3 %4")
                                        .arg(word.m_qstrText)
                                        .arg(word.m_qrBox.top())
                                        .arg(word.m_qrBox.bottom())
                                        .arg(qsPage.height() - dMarginY)));
                qslBody << word.m_qstrText;
            }
            if (iPage == 1)
                QVERIFY(std::abs(words.first().m_qrBox.left() - dMarginX) < 1.5);
        }
        QCOMPARE(qslBody, p_qslWords);
    }

private Q_SLOTS:
    void marginsAndPageNumbers_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<uint>("marginX");
        QTest::addColumn<uint>("marginY");
        for (int iDpi : {96, 300, 600}) {
            QTest::addRow("%d dpi, 72/72", iDpi) << iDpi << 72u << 72u;
            QTest::addRow("%d dpi, 36/18", iDpi) << iDpi << 36u << 18u;
        }
    }

    void marginsAndPageNumbers()
    {
        QFETCH(int, dpi);
        QFETCH(uint, marginX);
        QFETCH(uint, marginY);
        const PdfContent shortText = PrintToPdf(Document(2), dpi, marginX, marginY);
        QCOMPARE(shortText.m_qlPages.size(), 1);
        QCOMPARE(shortText.m_qlPages.first(), QSizeF(595, 842)); // A4 in points
        CheckPages(shortText, DocumentWords(2), dpi, marginX, marginY);

        const PdfContent longText = PrintToPdf(Document(150), dpi, marginX, marginY);
        QVERIFY(longText.m_qlPages.size() >= 3);
        CheckPages(longText, DocumentWords(150), dpi, marginX, marginY);
    }

    void theLastStretchIsNeverLost()
    {
        // Large top margins and every length from a bit under two pages to a
        // bit over three: the end of the document must always be printed.
        for (int iParagraphs = 40; iParagraphs <= 75; iParagraphs += 1) {
            const PdfContent content = PrintToPdf(Document(iParagraphs), 96, 36, 144);
            CheckPages(content, DocumentWords(iParagraphs), 96, 36, 144);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QString("with %1 paragraphs").arg(iParagraphs)));
        }
    }

    void printerThatCannotPaint()
    {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat); // and no file name
        CpmPrintManager::PrintHTML(Document(3), &printer, &m_parent, 72, 72);
        QVERIFY(printer.fullPage());
    }

    void dialogOverloads()
    {
        const QString qstrFile = m_dir.filePath("dialog.pdf");
        auto pbShown = UiDriver::AnswerPrintDialog(qstrFile);
        CpmPrintManager::PrintHTML(Document(100), &m_parent, 72, 72);
        QVERIFY(*pbShown);
        const PdfContent content = Read(qstrFile);
        QCOMPARE(content.m_qlPages.first(), QSizeF(595, 842));
        CheckPages(content, DocumentWords(100), 96, 72, 72);

        pbShown = UiDriver::AnswerPrintDialog(QString());
        CpmPrintManager::PrintHTML(Document(1), &m_parent, 72, 72);
        QVERIFY(*pbShown);

        // Plain text: one page, lines one below the other from (10, 10),
        // tabs expanded, the rest of a long line cut at the paper's edge.
        const QString qstrPlain = m_dir.filePath("plain.pdf");
        pbShown = UiDriver::AnswerPrintDialog(qstrPlain);
        QString qstrLong;
        for (int i = 0; i < 60; ++i)
            qstrLong += QString("long%1 ").arg(i);
        QStringList qslLines;
        for (int i = 0; i < 200; ++i)
            qslLines << QString("line%1\tafter-tab").arg(i);
        CpmPrintManager::PrintPlain(qstrLong + "\n" + qslLines.join('\n'));
        QVERIFY(*pbShown);
        const PdfContent plain = Read(qstrPlain);
        QCOMPARE(plain.m_qlPages.size(), 1);
        const QStringList qslWords = plain.Words();
        QCOMPARE(qslWords.first(), QString("long0"));
        QVERIFY(!qslWords.contains("long59"));
        QVERIFY(qslWords.contains("line0"));
        QVERIFY(!qslWords.contains("line199"));
        const auto box = [&](const QString& p_qstrWord) {
            for (const PdfWord& word : plain.m_qlWords)
                if (word.m_qstrText == p_qstrWord)
                    return word.m_qrBox;
            return QRectF();
        };
        QVERIFY(box("line1").top() > box("line0").top());
        QVERIFY(box("after-tab").left() > box("line0").right() + 5);
        QVERIFY(box("long0").left() > 0);

        pbShown = UiDriver::AnswerPrintDialog(QString());
        CpmPrintManager::PrintPlain("nothing");
        QVERIFY(*pbShown);
    }

    void listOfTexts()
    {
        const QString qstrFile = m_dir.filePath("list.pdf");
        auto pbShown = UiDriver::AnswerPrintDialog(qstrFile);
        CpmPrintManager::PrintHTML(QStringList {Document(2, "a"), Document(80, "b"), Document(3, "c")}, 72, 72);
        QVERIFY(*pbShown);
        const PdfContent first = Read(qstrFile);
        const PdfContent second = Read(m_dir.filePath("list-2.pdf"));
        const PdfContent third = Read(m_dir.filePath("list-3.pdf"));
        QCOMPARE(first.m_qlPages.size(), 1);
        QVERIFY(second.m_qlPages.size() >= 2);
        QCOMPARE(third.m_qlPages.size(), 1);
        QCOMPARE(second.m_qlPages.first(), first.m_qlPages.first());
        for (const auto& [content, prefix, paragraphs] :
             QList<std::tuple<PdfContent, QString, int>> {{first, "a", 2}, {second, "b", 80}, {third, "c", 3}}) {
            QStringList qslWords = content.Words();
            for (int iPage = content.m_qlPages.size(); iPage >= 1; --iPage)
                QCOMPARE(content.Words(iPage).last(), QString::number(iPage)); // numbered from 1
            qslWords.removeIf(
                [](const QString& p_qstrWord) { return !p_qstrWord.contains(QRegularExpression("^[abc]")); });
            QCOMPARE(qslWords, DocumentWords(paragraphs, prefix));
        }

        // Cancelled: nothing printed; an empty list asks nothing.
        pbShown = UiDriver::AnswerPrintDialog(QString());
        CpmPrintManager::PrintHTML(QStringList {Document(1, "x"), Document(1, "y")}, 72, 72);
        QVERIFY(*pbShown);
        QVERIFY(!QFile::exists(m_dir.filePath("list-4.pdf")));
        pbShown = UiDriver::AnswerPrintDialog(QString(), 300);
        CpmPrintManager::PrintHTML(QStringList(), 72, 72);
        CpmPrintManager::PrintHTML(QStringList {QString(), Document(1)}, 72, 72);
        QTest::qWait(400); // until the driver gives up
        QVERIFY(!*pbShown);
    }
};

QTEST_MAIN(TestCpmPrintManager)
#include "tst_cpmPrintManager.moc"
