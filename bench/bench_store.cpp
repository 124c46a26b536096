// SPDX-License-Identifier: BSD-3-Clause
// Saving and loading workspace trees through the record engine, against
// SQLite reading and writing the same rows itself.
#include <CivIconView.h>
#include <CivcIconViewContainer.h>
#include <CwsDirectoryIcon.h>

#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <random>

namespace
{
// p_iCount nodes: folders up to ten deep, entries spread over them.
void Grow(CwsDirectoryIcon* p_pRoot, int p_iCount)
{
    std::vector<CwsDirectoryIcon*> folders {p_pRoot};
    QHash<CwsDirectoryIcon*, int> levels {{p_pRoot, 0}};
    std::mt19937 random(7);
    for (int i = 0; i < p_iCount; ++i) {
        CwsDirectoryIcon* pParent = folders[random() % folders.size()];
        const QString qstrName = QStringLiteral("Node %1").arg(i);
        const int iDepth = pParent->GetChildCount() + 1;
        if (i % 10 == 0 && levels[pParent] < 10) {
            auto* pFolder = new CwsDirectoryIcon(nullptr, qstrName, pParent, 10 + i % 700, 10 + i % 500, iDepth);
            pParent->AddChild(pFolder, true);
            folders.push_back(pFolder);
            levels[pFolder] = levels[pParent] + 1;
        } else {
            pParent->AddChild(new CwsIcon(nullptr, qstrName, QStringLiteral("/usr/bin/program --option %1").arg(i),
                                          QStringLiteral("pictures/program.png"), IconUser, i % 800, i % 600, iDepth,
                                          pParent),
                              true);
        }
    }
}

// The shapes beside the spread one: every entry in the root, or a chain of
// folders, each holding the next one and an entry.
enum class Shape { Spread, Flat, Deep };

void Grow(CwsDirectoryIcon* p_pRoot, int p_iCount, Shape p_eShape)
{
    if (p_eShape == Shape::Spread)
        return Grow(p_pRoot, p_iCount);
    CwsDirectoryIcon* pFolder = p_pRoot;
    for (int i = 0; i < p_iCount; ++i) {
        const QString qstrName = QStringLiteral("Node %1").arg(i);
        const int iDepth = pFolder->GetChildCount() + 1;
        CwsIcon* pNode = nullptr;
        if (p_eShape == Shape::Deep && i % 2 == 0)
            pNode = new CwsDirectoryIcon(nullptr, qstrName, pFolder, 10, 10, iDepth);
        else
            pNode = new CwsIcon(nullptr, qstrName, QStringLiteral("/usr/bin/program --option %1").arg(i),
                                QStringLiteral("pictures/program.png"), IconUser, i % 800, i % 600, iDepth, pFolder);
        pFolder->GetChildrenList()->append(pNode); // names that differ, without looking
        if (pNode->GetType() == IconDirectory)
            pFolder = static_cast<CwsDirectoryIcon*>(pNode);
    }
}

// A store on a fresh folder holding a tree of the given size.
std::unique_ptr<CivcIconViewContainer> GrownStore(const QTemporaryDir& p_dir, int p_iCount,
                                                  Shape p_eShape = Shape::Spread)
{
    auto pStore = std::make_unique<CivcIconViewContainer>(nullptr, p_dir.path());
    Grow(pStore->GetRoot(), p_iCount, p_eShape);
    return pStore;
}

void BM_SaveTree(benchmark::State& state, Shape p_eShape)
{
    QTemporaryDir dir;
    auto pStore = GrownStore(dir, int(state.range(0)), p_eShape);
    for (auto _ : state)
        benchmark::DoNotOptimize(pStore->Save());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// A workspace window: a store of a tree of the given size, the root's icons
// shown.
struct Window
{
    explicit Window(int p_iCount)
    {
        Grow(m_store.GetRoot(), p_iCount);
        m_store.GetRoot()->ShowDirectory();
    }

    QTemporaryDir m_dir;
    CivIconView m_view;
    CivcIconViewContainer m_store {&m_view, m_dir.path()};
};

// What a change made through the workspace widget costs on the GUI thread:
// the whole tree written at once, with the root's icons shown.
void BM_SaveAfterChange(benchmark::State& state)
{
    Window window(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(window.m_store.Save());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The same when another window saved the workspace since this one read or
// wrote it: the file is read again and the other window's change (a command
// set) taken in before the whole tree is written with this one's.
void BM_SaveAfterOtherSaved(benchmark::State& state)
{
    Window window(int(state.range(0)));
    CivcIconViewContainer& store = window.m_store;
    store.Save();
    CivcIconViewContainer other(nullptr, window.m_dir.path());
    // The last entries of the root, one for each window.
    const auto entry = [](CivcIconViewContainer& p_store, int p_iFromEnd) {
        const QList<CwsIcon*>& qlChildren = *p_store.GetRoot()->GetChildrenList();
        std::vector<CwsIcon*> vEntries;
        std::copy_if(qlChildren.begin(), qlChildren.end(), std::back_inserter(vEntries),
                     [](CwsIcon* p) { return p->GetType() == IconUser; });
        return vEntries[vEntries.size() - 1 - size_t(p_iFromEnd)];
    };
    int iChange = 0;
    for (auto _ : state) {
        state.PauseTiming();
        entry(other, 0)->SetFunctionality(QString::number(++iChange));
        other.Save();
        entry(store, 1)->SetFunctionality(QString::number(iChange));
        state.ResumeTiming();
        benchmark::DoNotOptimize(store.Save());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The rows of a saved tree as SQLite gives them: every column of every row
// of the store's file, as its bytes.
void BM_SqliteRead(benchmark::State& state)
{
    QTemporaryDir dir;
    GrownStore(dir, int(state.range(0)));
    const QByteArray qbaFile = QFile::encodeName(dir.filePath("icons"));
    for (auto _ : state) {
        sqlite3* pDb = nullptr;
        sqlite3_open_v2(qbaFile.constData(), &pDb, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
        sqlite3_stmt* pStmt = nullptr;
        sqlite3_prepare_v2(pDb, "SELECT * FROM rbox_data_1 ORDER BY id", -1, &pStmt, nullptr);
        const int iColumns = sqlite3_column_count(pStmt);
        size_t iBytes = 0;
        while (sqlite3_step(pStmt) == SQLITE_ROW) {
            for (int i = 0; i < iColumns; ++i) {
                benchmark::DoNotOptimize(sqlite3_column_text(pStmt, i));
                iBytes += size_t(sqlite3_column_bytes(pStmt, i));
            }
        }
        benchmark::DoNotOptimize(iBytes);
        sqlite3_finalize(pStmt);
        sqlite3_close(pDb);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The same rows written by SQLite itself into a fresh file, prepared as
// bytes beforehand, with the store's settings for a fresh file.
void BM_SqliteWrite(benchmark::State& state)
{
    QTemporaryDir dir;
    std::vector<std::vector<QByteArray>> vRows;
    {
        auto pStore = GrownStore(dir, int(state.range(0)));
        pStore.reset();
        sqlite3* pDb = nullptr;
        sqlite3_open_v2(QFile::encodeName(dir.filePath("icons")).constData(), &pDb, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* pStmt = nullptr;
        sqlite3_prepare_v2(pDb, "SELECT * FROM rbox_data_1 ORDER BY id", -1, &pStmt, nullptr);
        while (sqlite3_step(pStmt) == SQLITE_ROW) {
            std::vector<QByteArray>& vRow = vRows.emplace_back();
            for (int i = 1; i < sqlite3_column_count(pStmt); ++i)
                vRow.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(pStmt, i)),
                                  sqlite3_column_bytes(pStmt, i));
        }
        sqlite3_finalize(pStmt);
        sqlite3_close(pDb);
    }
    const QByteArray qbaFile = QFile::encodeName(dir.filePath("floor"));
    for (auto _ : state) {
        QFile::remove(QString::fromUtf8(qbaFile));
        sqlite3* pDb = nullptr;
        sqlite3_open_v2(qbaFile.constData(), &pDb, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr);
        sqlite3_exec(pDb,
                     "PRAGMA journal_mode=OFF; PRAGMA synchronous=FULL; PRAGMA locking_mode=EXCLUSIVE;"
                     " PRAGMA page_size=16384; PRAGMA cache_size=-65536; BEGIN;"
                     " CREATE TABLE t (id INTEGER PRIMARY KEY, c1 TEXT, c2 TEXT, c3 TEXT, c4 TEXT, c5 TEXT,"
                     " c6 TEXT, c7 TEXT, c8 TEXT)",
                     nullptr, nullptr, nullptr);
        sqlite3_stmt* pStmt = nullptr;
        sqlite3_prepare_v2(pDb, "INSERT INTO t VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)", -1, &pStmt, nullptr);
        for (size_t iRow = 0; iRow < vRows.size(); ++iRow) {
            sqlite3_bind_int(pStmt, 1, int(iRow));
            for (size_t i = 0; i < vRows[iRow].size(); ++i)
                sqlite3_bind_text(pStmt, int(i) + 2, vRows[iRow][i].constData(), int(vRows[iRow][i].size()),
                                  SQLITE_STATIC);
            sqlite3_step(pStmt);
            sqlite3_reset(pStmt);
        }
        sqlite3_finalize(pStmt);
        sqlite3_exec(pDb, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(pDb);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LoadTree(benchmark::State& state, Shape p_eShape)
{
    QTemporaryDir dir;
    GrownStore(dir, int(state.range(0)), p_eShape);
    for (auto _ : state) {
        auto pStore = std::make_unique<CivcIconViewContainer>(nullptr, dir.path());
        state.PauseTiming();
        pStore.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
}

BENCHMARK_CAPTURE(BM_SaveTree, spread, Shape::Spread)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveTree, flat, Shape::Flat)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveTree, deep, Shape::Deep)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAfterChange)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAfterOtherSaved)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteWrite)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteRead)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadTree, spread, Shape::Spread)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadTree, flat, Shape::Flat)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadTree, deep, Shape::Deep)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
