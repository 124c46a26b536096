// SPDX-License-Identifier: BSD-3-Clause
#ifndef HELPWINDOW_H
#define HELPWINDOW_H

#include "torvasyslib_export.h"

#include <QHash>
#include <QMainWindow>
#include <QMap>
#include <QStringList>
#include <QUrl>

class QAction;
class QComboBox;
class QMenu;
class QTextBrowser;

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

private Q_SLOTS:
    void setBackwardAvailable(bool p_bAvailable);
    void setForwardAvailable(bool p_bAvailable);
    void End();
    void textChanged();
    void about();
    void aboutQt();
    void openFile();
    void newWindow();
    void print();
    void pathSelected(const QString& p_qstrPath);
    void histChosen(int p_iId);
    void bookmChosen(int p_iId);
    void addBookmark();

private:
    void readHistory();
    void readBookmarks();
    void BuildMenus();
    void BuildToolBar();
    void ReadEntries(const QString& p_qstrFile, QStringList& p_qslEntries, QStringList& p_qslLocations);
    // Adds an entry with a new identifier to the menu and the map; it opens
    // the location, or when that is empty the document named by its text.
    void AddEntry(QMenu* p_pqmMenu, QMap<int, QString>& p_qmItems, const QString& p_qstrText,
                  const QString& p_qstrLocation);
    void ShowEntry(const QMap<int, QString>& p_qmItems, int p_iId);
    // Whether the bookmarks hold an entry for the document.
    bool Bookmarked(const QString& p_qstrText, const QString& p_qstrLocation) const;
    // Adds an entry to the history or the bookmarks and to its file at once.
    void Record(bool p_bBookmark, const QString& p_qstrText, const QString& p_qstrLocation);

    QString fileDirectory;
    QTextBrowser* textBrowser;
    QComboBox* locationCombo = nullptr;
    QAction* backwardItem = nullptr;
    QAction* forwardItem = nullptr;
    QString pendingEntry;
    QUrl shownSource;
    QStringList historyEntries;
    QStringList bookmarkEntries;
    QStringList historyLocations;
    QStringList bookmarkLocations;
    QMap<int, QString> historyItems;
    QMap<int, QString> bookmarkItems;
    // The document each menu entry was recorded for, by identifier.
    QHash<int, QString> itemLocations;
    QMenu* historyMenu = nullptr;
    QMenu* bookmarkMenu = nullptr;
    bool saveFailureTold = false;
};

#endif
