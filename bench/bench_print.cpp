// SPDX-License-Identifier: BSD-3-Clause
// Printing long rich texts to PDF: the page loop against
// QTextDocument::print of the same document.
#include <CpmPrintManager.h>

#include <QPrinter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace
{
// range(0) paragraphs of twelve numbered words; 20 paragraphs fill about one
// A4 page at one-inch margins.
QString Document(int p_iParagraphs)
{
    QString qstrHtml = "<html><body>";
    for (int i = 0; i < p_iParagraphs; ++i) {
        qstrHtml += "<p>";
        for (int j = 0; j < 12; ++j)
            qstrHtml += QStringLiteral("word%1 ").arg(i * 12 + j);
        qstrHtml += "</p>";
    }
    return qstrHtml + "</body></html>";
}

struct PdfPrinter
{
    QTemporaryDir m_dir;
    QPrinter m_printer {QPrinter::HighResolution};

    PdfPrinter()
    {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(m_dir.filePath("out.pdf"));
        m_printer.setPageSize(QPageSize(QPageSize::A4));
    }
};

void BM_PageLoop(benchmark::State& state)
{
    const QString qstrHtml = Document(int(state.range(0)));
    PdfPrinter pdf;
    QWidget parent;
    for (auto _ : state)
        CpmPrintManager::PrintHTML(qstrHtml, &pdf.m_printer, &parent, 72, 72);
}

void BM_QTextDocumentPrint(benchmark::State& state)
{
    const QString qstrHtml = Document(int(state.range(0)));
    PdfPrinter pdf;
    for (auto _ : state) {
        QTextDocument qtdDocument;
        qtdDocument.setDefaultFont(QFont("times", 10));
        qtdDocument.setHtml(qstrHtml);
        qtdDocument.print(&pdf.m_printer);
    }
}
}

BENCHMARK(BM_PageLoop)->Arg(1000)->Arg(4000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QTextDocumentPrint)->Arg(1000)->Arg(4000)->Arg(20000)->Unit(benchmark::kMillisecond);
