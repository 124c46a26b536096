// SPDX-License-Identifier: BSD-3-Clause
#ifndef HELPWINDOW_H
#define HELPWINDOW_H

#include "torvasyslib_export.h"

#include <QMainWindow>

#include <memory>

/// A help browser window for HTML pages.
///
/// Menus "&Datei" (open, print, close, leave), "&Gehe" (back, forward,
/// home), "History" and "Lesezeichen", a tool bar with back, forward, home
/// and an editable location box, and a status bar that shows the target of
/// the link under the mouse. The caption follows the shown document.
///
/// The history and the bookmarks are kept across runs in the files
/// ".history" and ".bookmarks" of the application's data folder
/// (QStandardPaths::AppDataLocation): read when the window is made, and
/// written atomically as soon as an entry is added, on top of what other
/// windows and programs added meanwhile (under a lock file beside each).
/// Their entries show the documents' titles, keep the order in which they
/// were recorded (the history its 20 newest) and open the documents they
/// were recorded for; a document is bookmarked once; a failed write is told
/// (once a window). Pages and pictures are read only from regular files (or
/// resources) of at most 64 MiB: another, or a missing one, is told and the
/// shown page stays. "&Schliessen" and "&Beenden" only hide the window. See
/// the README's "The help window".
///
/// \code
/// auto* help = new HelpWindow(QString(), "qrc:/help/index.html", mainWindow, "help");
/// help->show();
/// \endcode
class TORVASYSLIB_EXPORT HelpWindow : public QMainWindow
{
    Q_OBJECT

public:
    /// A help window showing the start document.
    /// \param p_qstrUnused not used.
    /// \param startDocument the document shown first and by "Home": a file
    ///        name (relative names are looked up in the current directory)
    ///        or a URL such as "qrc:/help/index.html".
    /// \param parent the parent widget.
    /// \param name the object name.
    HelpWindow(QString p_qstrUnused, QString startDocument, QWidget* parent = nullptr, const char* name = nullptr);
    ~HelpWindow() override;

private:
    class Private;
    std::unique_ptr<Private> d;

    Q_PRIVATE_SLOT(d, void setBackwardAvailable(bool))
    Q_PRIVATE_SLOT(d, void setForwardAvailable(bool))
    Q_PRIVATE_SLOT(d, void End())
    Q_PRIVATE_SLOT(d, void textChanged())
    Q_PRIVATE_SLOT(d, void about())
    Q_PRIVATE_SLOT(d, void aboutQt())
    Q_PRIVATE_SLOT(d, void openFile())
    Q_PRIVATE_SLOT(d, void newWindow())
    Q_PRIVATE_SLOT(d, void print())
    Q_PRIVATE_SLOT(d, void pathSelected(const QString&))
    Q_PRIVATE_SLOT(d, void histChosen(int))
    Q_PRIVATE_SLOT(d, void bookmChosen(int))
    Q_PRIVATE_SLOT(d, void addBookmark())
};

#endif
