// SPDX-License-Identifier: BSD-3-Clause
#ifndef CPMPRINTMANAGER_H
#define CPMPRINTMANAGER_H

#include "torvasyslib_export.h"

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// Prints texts without a window of its own: rich text (HTML) page by page
// with margins in points and a page number below each page's body, and
// plain text on one page.
class TORVASYSLIB_EXPORT CpmPrintManager
{
public:
    // On the caller's printer (set to full-page mode and A4), without a
    // dialog; the parent widget's palette colours the text.
    static void PrintHTML(QString p_qstrText, QPrinter* p_pqpPrinter, QWidget* p_pqwParent, uint p_uiMarginX,
                          uint p_uiMarginY);
    // After the printer set-up dialog, on A4.
    static void PrintHTML(QString p_qstrText, QWidget* p_pqwParent, uint p_uiMarginX, uint p_uiMarginY);
    // Every text as a print job of its own, after one set-up dialog; the list
    // ends at its first null text. When printing to a file, the second text
    // goes to "name-2.pdf" beside "name.pdf", and so on.
    static void PrintHTML(QStringList p_qslTexts, uint p_uiMarginX, uint p_uiMarginY);
    // After the set-up dialog, on one page: lines one below the other, tabs
    // expanded, nothing wrapped; what does not fit is not printed.
    static void PrintPlain(QString p_qstrText);
};

#endif
