// SPDX-License-Identifier: BSD-3-Clause
// Runs a fuzz target over files and folders of inputs, without a fuzzer: the
// way ctest replays the seed corpus and every reproducer on each run.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* p_pData, size_t p_iSize);

int main(int argc, char** argv)
{
    int iInputs = 0;
    for (int i = 1; i < argc; ++i) {
        QStringList qslFiles {QString::fromLocal8Bit(argv[i])};
        if (QFileInfo(qslFiles.first()).isDir()) {
            qslFiles.clear();
            for (QDirIterator it(QString::fromLocal8Bit(argv[i]), QDir::Files, QDirIterator::Subdirectories);
                 it.hasNext();)
                qslFiles << it.next();
        }
        for (const QString& qstrFile : qslFiles) {
            QFile qfInput(qstrFile);
            if (!qfInput.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "Cannot read %s\n", qPrintable(qstrFile));
                return 1;
            }
            const QByteArray qbaInput = qfInput.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(qbaInput.constData()), size_t(qbaInput.size()));
            ++iInputs;
        }
    }
    std::printf("%d inputs replayed\n", iInputs);
    return iInputs > 0 ? 0 : 1;
}
