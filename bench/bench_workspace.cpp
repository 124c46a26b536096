// SPDX-License-Identifier: BSD-3-Clause
// Showing and hiding a large workspace folder.
#include <CivIconView.h>
#include <CwsDirectoryIcon.h>

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace
{
// A folder of p_iCount entries; every second one has a recorded position.
struct Workspace
{
    explicit Workspace(int p_iCount)
    {
        m_view.resize(1000, 800);
        m_view.show();
        m_pFolder = std::make_unique<CwsDirectoryIcon>(&m_view, "root", nullptr, 0, 0, 0);
        for (int i = 0; i < p_iCount; ++i) {
            const bool bPlaced = i % 2 == 0;
            const int iX = bPlaced ? 10 + (i % 100) * 90 : 0;
            const int iY = bPlaced ? 10 + (i / 100) * 80 : 0;
            m_pFolder->AddChild(
                new CwsIcon(&m_view, QString("Entry %1").arg(i), "cmd", "", IconUser, iX, iY, i + 1, m_pFolder.get()),
                true);
        }
    }

    // Shows the folder and lets the view lay it out.
    void Show()
    {
        m_pFolder->ShowDirectory();
        benchmark::DoNotOptimize(m_view.ItemPos(m_view.item(0)));
        QCoreApplication::processEvents();
    }

    CivIconView m_view;
    std::unique_ptr<CwsDirectoryIcon> m_pFolder;
};

void BM_ShowFolder(benchmark::State& state)
{
    Workspace workspace(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        workspace.Show();
        state.PauseTiming();
        workspace.m_pFolder->HideDirectory();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_HideFolder(benchmark::State& state)
{
    Workspace workspace(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        workspace.Show();
        state.ResumeTiming();
        workspace.m_pFolder->HideDirectory();
        QCoreApplication::processEvents();
    }
}
}

BENCHMARK(BM_ShowFolder)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HideFolder)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
