// SPDX-License-Identifier: BSD-3-Clause
// The help window's search across 1,000 pages: the first search in a folder
// (which reads every page into the index), and the searches after it, each
// from Return in the search field to the filled list of results.
#include <HelpWindow.h>

#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{
// range(0) pages of 400 words each, drawn from 5,000 words as a manual's
// words are: a few very often, most of them seldom.
struct Pages
{
    QTemporaryDir m_dir;
    int m_iLinks = 0;

    explicit Pages(int p_iPages)
    {
        QRandomGenerator qrgWords(7);
        QDir().mkpath(m_dir.filePath("pages"));
        for (int i = 0; i < p_iPages; ++i) {
            QString qstrHtml = QStringLiteral("<html><head><title>Seite %1</title></head><body><p>").arg(i);
            for (int j = 0; j < 400; ++j) {
                const quint32 uiRank = qrgWords.bounded(5000u);
                qstrHtml += QStringLiteral("wort%1 ").arg(uiRank * uiRank / 5000u);
                if (j % 60 == 59)
                    qstrHtml += QStringLiteral("</p><p>");
            }
            QFile qfPage(m_dir.filePath(QStringLiteral("pages/seite%1.html").arg(i, 4, 10, QLatin1Char('0'))));
            if (qfPage.open(QIODevice::WriteOnly))
                qfPage.write((qstrHtml + QStringLiteral("</p></body></html>")).toUtf8());
        }
    }
    // A new name of the folder: a folder the program has not indexed yet.
    QString FreshFolder()
    {
        const QString qstrLink = m_dir.filePath(QStringLiteral("link%1").arg(++m_iLinks));
        QFile::link(m_dir.filePath("pages"), qstrLink);
        return qstrLink;
    }
};

QLineEdit* SearchField(HelpWindow& p_window)
{
    for (QLineEdit* pqleField : p_window.findChildren<QLineEdit*>()) {
        if (pqleField->placeholderText() == QLatin1String("Hilfe durchsuchen"))
            return pqleField;
    }
    return nullptr;
}

void BM_FirstSearch(benchmark::State& state)
{
    Pages pages(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        HelpWindow window(QString(), pages.FreshFolder() + QStringLiteral("/seite0000.html"));
        QLineEdit* pqleField = SearchField(window);
        pqleField->setText(QStringLiteral("wort1"));
        state.ResumeTiming();
        Q_EMIT pqleField->returnPressed();
    }
}

void BM_Search(benchmark::State& state)
{
    Pages pages(int(state.range(0)));
    HelpWindow window(QString(), pages.FreshFolder() + QStringLiteral("/seite0000.html"));
    QLineEdit* pqleField = SearchField(window);
    Q_EMIT pqleField->returnPressed();
    // A word on almost every page, one on a few, two words of which one is a
    // start of many.
    const char* const aszQueries[] = {"wort0", "wort4001", "wort1 wort49"};
    const QString qstrQuery = QString::fromLatin1(aszQueries[state.range(1)]);
    for (auto _ : state) {
        pqleField->setText(qstrQuery);
        Q_EMIT pqleField->returnPressed();
    }
    state.counters["pages found"] = window.findChild<QDockWidget*>()->findChild<QListWidget*>()->count();
}
}

BENCHMARK(BM_FirstSearch)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Search)->ArgsProduct({{1000}, {0, 1, 2}})->Unit(benchmark::kMillisecond);
