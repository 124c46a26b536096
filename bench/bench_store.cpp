// SPDX-License-Identifier: BSD-3-Clause
// Saving and loading workspace trees through the record engine.
#include <CivIconView.h>
#include <CivcIconViewContainer.h>
#include <CwsDirectoryIcon.h>

#include <QHash>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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

// A store on a fresh folder holding a tree of the given size.
std::unique_ptr<CivcIconViewContainer> GrownStore(const QTemporaryDir& p_dir, int p_iCount)
{
    auto pStore = std::make_unique<CivcIconViewContainer>(nullptr, p_dir.path());
    Grow(pStore->GetRoot(), p_iCount);
    return pStore;
}

void BM_SaveTree(benchmark::State& state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        auto pStore = GrownStore(dir, int(state.range(0)));
        state.ResumeTiming();
        pStore.reset(); // saves and deletes the tree
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// What a change made through the workspace widget costs on the GUI thread:
// the whole tree written at once, with the root's icons shown.
void BM_SaveAfterChange(benchmark::State& state)
{
    QTemporaryDir dir;
    CivIconView view;
    CivcIconViewContainer store(&view, dir.path());
    Grow(store.GetRoot(), int(state.range(0)));
    store.GetRoot()->ShowDirectory();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.Save());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LoadTree(benchmark::State& state)
{
    QTemporaryDir dir;
    GrownStore(dir, int(state.range(0)));
    for (auto _ : state) {
        auto pStore = std::make_unique<CivcIconViewContainer>(nullptr, dir.path());
        state.PauseTiming();
        pStore.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
}

BENCHMARK(BM_SaveTree)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAfterChange)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadTree)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
