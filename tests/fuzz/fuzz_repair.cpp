// SPDX-License-Identifier: BSD-3-Clause
// The inputs' one-pass repair leaves the text that cutting one character at
// a time, as described, leaves.
#include "RepairModel.h"
#include "textrepair_p.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* p_pData, size_t p_iSize)
{
    // The model cuts one character at a time: short texts keep it fast.
    const QString qstrText
        = QString::fromUtf8(reinterpret_cast<const char*>(p_pData), qsizetype(std::min<size_t>(p_iSize, 64)));
    if (TextRepair::WholeNumber(qstrText) != RepairModel::CutWholeNumber(qstrText)
        || TextRepair::Amount(qstrText) != RepairModel::CutAmount(qstrText))
        std::abort();
    return 0;
}
