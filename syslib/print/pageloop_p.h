// SPDX-License-Identifier: BSD-3-Clause
#ifndef PAGELOOP_P_H
#define PAGELOOP_P_H

#include <QFont>
#include <QPalette>
#include <QString>
#include <QUrl>

class QPagedPaintDevice;
class QPainter;
class QWidget;

// Prints a rich text page by page: the text laid out for the device within
// margins given in points, no line cut across pages, and each page's number
// below the body, right-aligned with it.
namespace PageLoop
{
struct Settings
{
    unsigned int m_uiMarginX = 0; // left and right, in points
    unsigned int m_uiMarginY = 0; // top and bottom, in points
    QString m_qstrHtml;
    QFont m_qfFont; // the text's default font
    QUrl m_qurlBase; // where relative links and pictures are looked up
    QString m_qstrStyleSheet; // added to the blue, underlined links
    QPalette m_qpPalette; // the colours the text is drawn with
    bool m_bPrintFontOnEveryPage = true; // else page numbers use the painter's font
};

// The print font: "times", 10 points, normal weight, upright.
QFont PrintFont();

// A window's page as its window prints it: an inch of margin all round, the
// print font, the window's colours.
Settings WindowPage(const QWidget* p_pqwWindow, const QString& p_qstrHtml);

// Runs the loop on a painter that is painting on p_device (in full-page
// mode, so that coordinates count from the paper's edge). Returns the
// number of pages printed.
int Print(QPainter& p_painter, QPagedPaintDevice& p_device, const Settings& p_settings);

// Shows the printer set-up dialog for a printer in screen resolution and
// full-page mode and, unless it is cancelled, prints on it (on A4 when asked
// for; otherwise on the paper the dialog chose). True when it printed.
bool PrintAfterDialog(QWidget* p_pqwDialogParent, const Settings& p_settings, bool p_bA4);

// Shows the pages as the loop prints them in a print preview dialog, from
// which they can be printed.
void Preview(QWidget* p_pqwDialogParent, const Settings& p_settings);
}

#endif
