// SPDX-License-Identifier: BSD-3-Clause
// Loading and saving settings files: the settings store against QSettings
// (IniFormat) and against the floor of reading the file and counting lines.
#include <CsmSessionManager.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace
{
QTemporaryDir& Folder()
{
    static QTemporaryDir dir;
    return dir;
}

// keys x entries: the same file for every contender.
QString SettingsFile(int p_iKeys, int p_iEntries)
{
    const QString qstrPath = Folder().filePath(QString("settings-%1x%2.ini").arg(p_iKeys).arg(p_iEntries));
    if (!QFile::exists(qstrPath)) {
        QFile file(qstrPath);
        file.open(QIODevice::WriteOnly);
        QByteArray qbaText;
        for (int iKey = 0; iKey < p_iKeys; ++iKey) {
            qbaText += "[Group" + QByteArray::number(iKey) + "]\n";
            for (int iEntry = 0; iEntry < p_iEntries; ++iEntry)
                qbaText += "entry" + QByteArray::number(iEntry) + "=content of entry " + QByteArray::number(iEntry)
                    + " in group " + QByteArray::number(iKey) + '\n';
            qbaText += '\n';
        }
        file.write(qbaText);
    }
    return qstrPath;
}

QString FileFor(const benchmark::State& state)
{
    return SettingsFile(int(state.range(0)), int(state.range(1)));
}

void Throughput(benchmark::State& state, const QString& p_qstrFile)
{
    state.SetBytesProcessed(state.iterations() * QFile(p_qstrFile).size());
    state.counters["entries"] = double(state.range(0) * state.range(1));
}

void BM_LoadFloor(benchmark::State& state)
{
    const QString qstrFile = FileFor(state);
    for (auto _ : state) {
        QFile file(qstrFile);
        file.open(QIODevice::ReadOnly);
        const QByteArray qbaText = file.readAll();
        benchmark::DoNotOptimize(qbaText.count('\n'));
    }
    Throughput(state, qstrFile);
}

void BM_LoadStore(benchmark::State& state)
{
    const QString qstrFile = FileFor(state);
    size_t iHeap = 0;
    for (auto _ : state) {
        const size_t iBefore = mallinfo2().uordblks + mallinfo2().hblkhd;
        CsmSessionManager store;
        benchmark::DoNotOptimize(store.Load(qstrFile));
        iHeap = mallinfo2().uordblks + mallinfo2().hblkhd - iBefore;
    }
    Throughput(state, qstrFile);
    state.counters["heap/file"] = double(iHeap) / double(QFile(qstrFile).size());
}

void BM_LoadQSettings(benchmark::State& state)
{
    const QString qstrFile = FileFor(state);
    for (auto _ : state) {
        QSettings settings(qstrFile, QSettings::IniFormat);
        for (const QString& qstrGroup : settings.childGroups()) {
            settings.beginGroup(qstrGroup);
            for (const QString& qstrKey : settings.childKeys())
                benchmark::DoNotOptimize(settings.value(qstrKey));
            settings.endGroup();
        }
    }
    Throughput(state, qstrFile);
}

void BM_SaveStore(benchmark::State& state)
{
    const QString qstrFile = FileFor(state);
    CsmSessionManager store;
    store.Load(qstrFile);
    const QString qstrOut = Folder().filePath("out-store.ini");
    for (auto _ : state)
        benchmark::DoNotOptimize(store.SaveAs(qstrOut));
    Throughput(state, qstrFile);
}

void BM_SaveQSettings(benchmark::State& state)
{
    const QString qstrFile = FileFor(state);
    const QString qstrOut = Folder().filePath("out-qsettings.ini");
    for (auto _ : state) {
        QFile::remove(qstrOut);
        QSettings settings(qstrOut, QSettings::IniFormat);
        for (int iKey = 0; iKey < state.range(0); ++iKey) {
            settings.beginGroup(QStringLiteral("Group%1").arg(iKey));
            for (int iEntry = 0; iEntry < state.range(1); ++iEntry)
                settings.setValue(QStringLiteral("entry%1").arg(iEntry),
                                  QStringLiteral("content of entry %1 in group %2").arg(iEntry).arg(iKey));
            settings.endGroup();
        }
        settings.sync();
    }
    Throughput(state, qstrFile);
}

// Every key and entry name of a file made by SettingsFile, as a caller holds them.
struct Names
{
    QStringList m_qslKeys;
    QStringList m_qslEntries;
};

Names NamesFor(const benchmark::State& state)
{
    Names names;
    for (int iKey = 0; iKey < state.range(0); ++iKey)
        names.m_qslKeys << QStringLiteral("Group%1").arg(iKey);
    for (int iEntry = 0; iEntry < state.range(1); ++iEntry)
        names.m_qslEntries << QStringLiteral("entry%1").arg(iEntry);
    return names;
}

// Every value as a plain reading of the file gives it: the text after the
// first "=" of each line, in file order.
QStringList PlainValues(const QString& p_qstrFile)
{
    QFile file(p_qstrFile);
    file.open(QIODevice::ReadOnly);
    QStringList qslValues;
    for (const QByteArray& qbaLine : file.readAll().split('\n')) {
        const qsizetype iEqual = qbaLine.indexOf('=');
        if (iEqual >= 0 && !qbaLine.startsWith('['))
            qslValues << QString::fromUtf8(qbaLine.mid(iEqual + 1));
    }
    return qslValues;
}

// Load, then read every value through one getter; before timing, every
// value read is compared with the plain reading of the file.
template <typename Read> void ReadEvery(benchmark::State& state, Read p_read)
{
    const QString qstrFile = FileFor(state);
    const Names names = NamesFor(state);
    {
        CsmSessionManager store;
        store.Load(qstrFile);
        const QStringList qslPlain = PlainValues(qstrFile);
        qsizetype i = 0;
        for (const QString& qstrKey : names.m_qslKeys) {
            for (const QString& qstrEntry : names.m_qslEntries) {
                if (i >= qslPlain.size() || store.GetString(qstrKey, qstrEntry, QString()) != qslPlain[i++]) {
                    state.SkipWithError("a value differs from the plain reading of the file");
                    return;
                }
            }
        }
    }
    for (auto _ : state) {
        CsmSessionManager store;
        store.Load(qstrFile);
        for (const QString& qstrKey : names.m_qslKeys) {
            for (const QString& qstrEntry : names.m_qslEntries)
                benchmark::DoNotOptimize(p_read(store, qstrKey, qstrEntry));
        }
    }
    Throughput(state, qstrFile);
}

void BM_ReadEveryString(benchmark::State& state)
{
    ReadEvery(state, [](CsmSessionManager& p_store, const QString& p_qstrKey, const QString& p_qstrEntry) {
        return p_store.GetString(p_qstrKey, p_qstrEntry, QString());
    });
}

void BM_ReadEveryInteger(benchmark::State& state)
{
    ReadEvery(state, [](CsmSessionManager& p_store, const QString& p_qstrKey, const QString& p_qstrEntry) {
        return p_store.GetInteger(p_qstrKey, p_qstrEntry, -1);
    });
}

void BM_ReadEveryFloat(benchmark::State& state)
{
    ReadEvery(state, [](CsmSessionManager& p_store, const QString& p_qstrKey, const QString& p_qstrEntry) {
        return p_store.GetFloat(p_qstrKey, p_qstrEntry, -1.0f);
    });
}

// 100k GetString calls on a key of 100k entries.
void BM_LookupStore(benchmark::State& state)
{
    CsmSessionManager store;
    store.Load(SettingsFile(1, 100000));
    QStringList qslNames;
    for (int i = 0; i < 100000; ++i)
        qslNames << QStringLiteral("entry%1").arg((i * 7919) % 100000);
    for (auto _ : state) {
        for (const QString& qstrName : qslNames)
            benchmark::DoNotOptimize(store.GetString("Group0", qstrName, QString()));
    }
    state.SetItemsProcessed(state.iterations() * qslNames.size());
}

void Sizes(benchmark::internal::Benchmark* p_pBenchmark)
{
    p_pBenchmark->Args({10, 100})
        ->Args({100, 100})
        ->Args({100, 1000})
        ->Args({1000, 1000})
        ->Unit(benchmark::kMillisecond);
}
}

BENCHMARK(BM_LoadFloor)->Apply(Sizes);
BENCHMARK(BM_LoadStore)->Apply(Sizes);
BENCHMARK(BM_LoadQSettings)->Apply(Sizes);
BENCHMARK(BM_SaveStore)->Apply(Sizes);
BENCHMARK(BM_SaveQSettings)->Apply(Sizes);
BENCHMARK(BM_ReadEveryString)->Apply(Sizes);
BENCHMARK(BM_ReadEveryInteger)->Apply(Sizes);
BENCHMARK(BM_ReadEveryFloat)->Apply(Sizes);
BENCHMARK(BM_LookupStore)->Unit(benchmark::kMillisecond);
