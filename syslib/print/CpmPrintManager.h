// SPDX-License-Identifier: BSD-3-Clause
#ifndef CPMPRINTMANAGER_H
#define CPMPRINTMANAGER_H

#include "torvasyslib_export.h"

#include <QString>
#include <QStringList>

#include <memory>

class QPrinter;
class QWidget;

/// Prints texts without a window of its own: rich text (HTML) page by page,
/// and plain text on one page.
///
/// Rich text is laid out for the printer within margins given in points
/// (1/72 inch) for each axis, no line is cut across pages, and every page
/// carries its number below the body, right-aligned with it, in 10-point
/// "times". See the README's "Printing".
///
/// \code
/// if (!CpmPrintManager::PrintHTML("<h1>Rechnung</h1><p>…</p>", this, 72, 72)) // one-inch margins
///     statusBar()->showMessage(tr("Nicht gedruckt."));
/// \endcode
class TORVASYSLIB_EXPORT CpmPrintManager
{
public:
    /// A print manager; its operations need none.
    CpmPrintManager();
    ~CpmPrintManager();
    /// Another print manager; a print manager holds nothing to copy.
    CpmPrintManager(const CpmPrintManager& p_other);
    /// Does nothing: a print manager holds nothing to copy.
    CpmPrintManager& operator=(const CpmPrintManager& p_other);

    /// Prints on the caller's printer, set to full-page mode and A4, without
    /// a dialog. A printer that cannot print (such as a PDF printer without
    /// a file) prints nothing.
    /// \param p_qstrText the rich text.
    /// \param p_pqpPrinter the printer; not owned.
    /// \param p_pqwParent its palette colours the text (none: the default palette).
    /// \param p_uiMarginX the left and right margins in points.
    /// \param p_uiMarginY the top and bottom margins in points.
    /// \return true when it printed; false when the printer could not.
    static bool PrintHTML(QString p_qstrText, QPrinter* p_pqpPrinter, QWidget* p_pqwParent, uint p_uiMarginX,
                          uint p_uiMarginY);
    /// Prints on A4 after the print dialog; a cancelled dialog prints nothing.
    /// \return true when it printed; false when the dialog was cancelled or
    ///         the printer could not print.
    static bool PrintHTML(QString p_qstrText, QWidget* p_pqwParent, uint p_uiMarginX, uint p_uiMarginY);
    /// Prints every text as a print job of its own after one print dialog.
    /// The list ends at its first null text; an empty list asks nothing.
    /// Printing into a file, the second text goes to "name-2.pdf" beside
    /// "name.pdf", and so on.
    /// \return true when every job printed; false when the dialog was
    ///         cancelled, a job could not print, or there was none.
    static bool PrintHTML(QStringList p_qslTexts, uint p_uiMarginX, uint p_uiMarginY);
    /// Prints plain text on one page after the print dialog: lines one below
    /// the other from the page's corner, tabs expanded, nothing wrapped;
    /// what does not fit is not printed.
    /// \return true when it printed; false when the dialog was cancelled or
    ///         the printer could not print.
    static bool PrintPlain(QString p_qstrText);

private:
    // Room for the data of later versions without changing the object's
    // size; the operations keep none yet, so it stays null.
    class Private;
    std::unique_ptr<Private> d;
};

#endif
