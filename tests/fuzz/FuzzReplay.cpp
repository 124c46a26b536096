// SPDX-License-Identifier: BSD-3-Clause
// Runs a fuzz target over input files, without a fuzzer: the way ctest
// replays the seed corpus and every reproducer on each run.
#include <QFile>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* p_pData, size_t p_iSize);

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        QFile qfInput(QFile::decodeName(argv[i]));
        if (!qfInput.open(QIODevice::ReadOnly))
            return std::fprintf(stderr, "Cannot read %s\n", argv[i]), 1;
        const QByteArray qbaInput = qfInput.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(qbaInput.constData()), size_t(qbaInput.size()));
    }
    std::printf("%d inputs replayed\n", argc - 1);
    return argc > 1 ? 0 : 1;
}
