// SPDX-License-Identifier: BSD-3-Clause
#include "HelpWindow.h"

#include "builtinicons_p.h"
#include "filelock_p.h"
#include "findbar_p.h"
#include "helpbrowser_p.h"
#include "helpindex_p.h"
#include "pageloop_p.h"
#include "screenfit_p.h"
#include "stringlistfile_p.h"

#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <functional>
#include <memory>
#include <utility>

namespace
{
// Menu entry identifiers, each higher than the one before in the whole
// application: a map iterated in ascending order visits the entries in the
// order in which they were recorded.
int NextItemId()
{
    static int s_iLastId = 0;
    return ++s_iLastId;
}

QString MenuText(const QString& p_qstrText)
{
    return QString(p_qstrText).replace(QLatin1Char('&'), QLatin1String("&&"));
}

constexpr int HistoryLimit = 20;

// A document is known by its location; an entry of unknown location by its text.
bool SameDocument(const QString& p_qstrText, const QString& p_qstrLocation, const QString& p_qstrOtherText,
                  const QString& p_qstrOtherLocation)
{
    return p_qstrLocation.isEmpty() || p_qstrOtherLocation.isEmpty() ? p_qstrText == p_qstrOtherText
                                                                     : p_qstrLocation == p_qstrOtherLocation;
}
}

class Q_DECL_HIDDEN HelpWindow::Private
{
public:
    explicit Private(HelpWindow* p_q)
        : q(p_q)
    { }

    void Build(const QString& startDocument);

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
    // Changes the history or bookmark file as it is now, under its lock; the
    // change tells whether there is anything to write.
    void UpdateFile(bool p_bBookmark, const std::function<bool(QStringList&, QStringList&)>& p_fnChange);
    // Removes the shown page's bookmark from the menu and the file.
    void removeBookmark();
    // "Lesezeichen entfernen" is there for a bookmarked page only.
    void UpdateBookmarkAction();
    // The print settings of the shown page, for printing and the preview.
    PageLoop::Settings PrintSettings() const;
    // Lists the help pages that hold the search field's words.
    void Search();
    // Marks the words looked for in the page opened from the results.
    void MarkWords();

    HelpWindow* q;
    QString fileDirectory;
    QTextBrowser* textBrowser = nullptr;
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
    QAction* removeBookmarkItem = nullptr;
    FindBar* findBar = nullptr;
    // The folder of the start document, whose pages the search looks in.
    QString helpFolder;
    QLineEdit* searchField = nullptr;
    QDockWidget* resultsDock = nullptr;
    QListWidget* resultsList = nullptr;
    // The words to mark once the page chosen from the results is shown.
    QStringList markWords;
};

HelpWindow::HelpWindow(QString, QString startDocument, QWidget* parent, const char* name)
    : QMainWindow(parent, {})
    , d(new Private(this))
{
    setObjectName(name);
    d->Build(startDocument);
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::Private::Build(const QString& startDocument)
{
    // Kept in the user's data folder: the root of the file system is not
    // writable for a user.
    fileDirectory = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(fileDirectory);
    readHistory();
    readBookmarks();

    auto* pBrowser = new HelpBrowser(q);
    textBrowser = pBrowser;
    textBrowser->setSearchPaths({QStringLiteral("./")});
    textBrowser->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // While sourceChanged is emitted, source() still names the previous
    // document: the new location comes with the signal.
    QObject::connect(textBrowser, &QTextBrowser::sourceChanged, q, [this](const QUrl& p_qurlSource) {
        shownSource = p_qurlSource;
        textChanged();
        MarkWords();
    });
    const QString qstrStart = pBrowser->FileOf(QUrl(startDocument));
    helpFolder = qstrStart.isEmpty() ? QDir::currentPath() : QFileInfo(qstrStart).absolutePath();
    findBar = new FindBar(q);
    findBar->SetText(textBrowser);
    q->setCentralWidget(textBrowser);
    textBrowser->setSource(QUrl(startDocument));
    // Told from now on; a start document that cannot be shown leaves the
    // window empty, with nothing in the way of the host. Told once the event
    // is done, and once: the location box activates an entry twice for one
    // Return.
    QObject::connect(
        pBrowser, &HelpBrowser::Refused, q, [this, pqurlToTell = std::make_shared<QUrl>()](const QUrl& p_qurlPage) {
            if (!std::exchange(*pqurlToTell, p_qurlPage).isEmpty())
                return; // a message is on its way; it tells the latest
            QTimer::singleShot(0, q, [this, pqurlToTell] {
                QMessageBox::information(q, HelpWindow::tr("Fehler"),
                                         HelpWindow::tr("Die Seite \"%1\" kann nicht geöffnet werden.\n")
                                             .arg(std::exchange(*pqurlToTell, QUrl()).toString(QUrl::PreferLocalFile)));
            });
        });
    QObject::connect(textBrowser, qOverload<const QUrl&>(&QTextBrowser::highlighted), q,
                     [this](const QUrl& p_qurlLink) { q->statusBar()->showMessage(p_qurlLink.toString()); });
    q->resize(640, 700);
    ScreenFit::Watch(q);

    BuildMenus();
    QObject::connect(textBrowser, &QTextBrowser::backwardAvailable, q,
                     [this](bool p_bAvailable) { setBackwardAvailable(p_bAvailable); });
    QObject::connect(textBrowser, &QTextBrowser::forwardAvailable, q,
                     [this](bool p_bAvailable) { setForwardAvailable(p_bAvailable); });
    BuildToolBar();
    textBrowser->setFocus();
}

void HelpWindow::Private::BuildMenus()
{
    QMenu* pqmFile = new QMenu(HelpWindow::tr("&Datei"), q);
    pqmFile->addAction(HelpWindow::tr("&Öffnen"), QKeySequence(Qt::ALT | Qt::Key_O), q, [this] { openFile(); });
    pqmFile->addAction(HelpWindow::tr("&Drucken"), QKeySequence(Qt::ALT | Qt::Key_P), q, [this] { print(); });
    pqmFile->addAction(BuiltinIcons::Get(BuiltinIcons::Icon::PrintPreview), HelpWindow::tr("Druckvorschau…"), q,
                       [this] { PageLoop::Preview(q, PrintSettings()); });
    pqmFile->addAction(BuiltinIcons::Get(BuiltinIcons::Icon::Find), HelpWindow::tr("In der Seite suchen…"),
                       QKeySequence::Find, q, [this] { findBar->Open(); });
    pqmFile->addSeparator();
    pqmFile->addAction(HelpWindow::tr("&Schliessen"), QKeySequence(Qt::ALT | Qt::Key_Q), q, &QWidget::close);
    pqmFile->addAction(HelpWindow::tr("&Beenden"), QKeySequence(Qt::ALT | Qt::Key_X), q, [this] { End(); });

    QMenu* pqmGo = new QMenu(HelpWindow::tr("&Gehe"), q);
    backwardItem = pqmGo->addAction(BuiltinIcons::Get(BuiltinIcons::Icon::Back), HelpWindow::tr("&Zurück"),
                                    QKeySequence(Qt::ALT | Qt::Key_Left), textBrowser, &QTextBrowser::backward);
    forwardItem = pqmGo->addAction(BuiltinIcons::Get(BuiltinIcons::Icon::Forward), HelpWindow::tr("&Vor"),
                                   QKeySequence(Qt::ALT | Qt::Key_Right), textBrowser, &QTextBrowser::forward);
    pqmGo->addAction(BuiltinIcons::Get(BuiltinIcons::Icon::Home), HelpWindow::tr("&Home"), textBrowser,
                     &QTextBrowser::home);

    historyMenu = new QMenu(HelpWindow::tr("History"), q);
    for (int i = 0; i < historyEntries.size(); ++i)
        AddEntry(historyMenu, historyItems, historyEntries.at(i), historyLocations.at(i));
    QObject::connect(historyMenu, &QMenu::triggered, q,
                     [this](QAction* p_pqaEntry) { histChosen(p_pqaEntry->data().toInt()); });

    bookmarkMenu = new QMenu(HelpWindow::tr("Lesezeichen"), q);
    bookmarkMenu->addAction(BuiltinIcons::Get(BuiltinIcons::Icon::AddBookmark),
                            HelpWindow::tr("Lesezeichen Hinzufügen"), QKeySequence(Qt::CTRL | Qt::Key_D), q,
                            [this] { addBookmark(); });
    removeBookmarkItem
        = bookmarkMenu->addAction(BuiltinIcons::Get(BuiltinIcons::Icon::RemoveBookmark),
                                  HelpWindow::tr("Lesezeichen entfernen"), q, [this] { removeBookmark(); });
    bookmarkMenu->addSeparator();
    for (int i = 0; i < bookmarkEntries.size(); ++i) {
        if (!Bookmarked(bookmarkEntries.at(i), bookmarkLocations.at(i)))
            AddEntry(bookmarkMenu, bookmarkItems, bookmarkEntries.at(i), bookmarkLocations.at(i));
    }
    QObject::connect(bookmarkMenu, &QMenu::triggered, q,
                     [this](QAction* p_pqaEntry) { bookmChosen(p_pqaEntry->data().toInt()); });

    for (QMenu* pqmMenu : {pqmFile, pqmGo, historyMenu, bookmarkMenu})
        q->menuBar()->addMenu(pqmMenu);
    q->menuBar()->addSeparator();
    forwardItem->setEnabled(false);
    backwardItem->setEnabled(false);
    UpdateBookmarkAction();
}

void HelpWindow::Private::BuildToolBar()
{
    QToolBar* pqtbToolBar = q->addToolBar(HelpWindow::tr("Toolbar"));
    pqtbToolBar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    const auto addButton = [&](const QIcon& p_qiIcon, const QString& p_qstrText, void (QTextBrowser::*p_pmSlot)()) {
        auto* pqtbButton = new QToolButton(pqtbToolBar);
        pqtbButton->setIcon(p_qiIcon);
        pqtbButton->setToolTip(p_qstrText);
        pqtbButton->setText(p_qstrText);
        QObject::connect(pqtbButton, &QToolButton::clicked, textBrowser, p_pmSlot);
        pqtbToolBar->addWidget(pqtbButton);
        return pqtbButton;
    };
    QToolButton* pqtbBack
        = addButton(BuiltinIcons::Get(BuiltinIcons::Icon::Back), HelpWindow::tr("Zurück"), &QTextBrowser::backward);
    QToolButton* pqtbForward
        = addButton(BuiltinIcons::Get(BuiltinIcons::Icon::Forward), HelpWindow::tr("Vor"), &QTextBrowser::forward);
    addButton(BuiltinIcons::Get(BuiltinIcons::Icon::Home), HelpWindow::tr("Home"), &QTextBrowser::home);
    QObject::connect(textBrowser, &QTextBrowser::backwardAvailable, pqtbBack, &QWidget::setEnabled);
    QObject::connect(textBrowser, &QTextBrowser::forwardAvailable, pqtbForward, &QWidget::setEnabled);
    pqtbBack->setEnabled(false);
    pqtbForward->setEnabled(false);

    pqtbToolBar->addSeparator();
    locationCombo = new QComboBox(pqtbToolBar);
    locationCombo->setEditable(true);
    locationCombo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // An item put in by the window opens the document it stands for; a typed
    // text is a location.
    QObject::connect(locationCombo, &QComboBox::activated, q, [this](int p_iIndex) {
        const QUrl qurlLocation = locationCombo->itemData(p_iIndex).toUrl();
        if (qurlLocation.isEmpty())
            pathSelected(locationCombo->itemText(p_iIndex));
        else
            textBrowser->setSource(qurlLocation);
    });
    pqtbToolBar->addWidget(locationCombo);

    // The search across the help's pages, its results beside the page.
    searchField = new QLineEdit(pqtbToolBar);
    searchField->setPlaceholderText(HelpWindow::tr("Hilfe durchsuchen"));
    searchField->setAccessibleName(HelpWindow::tr("Hilfe durchsuchen"));
    searchField->setClearButtonEnabled(true);
    searchField->addAction(BuiltinIcons::Get(BuiltinIcons::Icon::Find), QLineEdit::LeadingPosition);
    searchField->setMaximumWidth(220);
    QObject::connect(searchField, &QLineEdit::returnPressed, q, [this] { Search(); });
    pqtbToolBar->addWidget(searchField);
    resultsDock = new QDockWidget(HelpWindow::tr("Suchergebnisse"), q);
    resultsDock->setObjectName(QStringLiteral("searchResults"));
    resultsList = new QListWidget(resultsDock);
    resultsList->setAccessibleName(HelpWindow::tr("Suchergebnisse"));
    resultsDock->setWidget(resultsList);
    q->addDockWidget(Qt::LeftDockWidgetArea, resultsDock);
    resultsDock->hide();
    QObject::connect(resultsList, &QListWidget::itemActivated, q, [this](QListWidgetItem* p_pqlwiResult) {
        markWords = HelpIndex::Words(searchField->text());
        textBrowser->setSource(p_pqlwiResult->data(Qt::UserRole).toUrl());
    });
}

void HelpWindow::Private::setBackwardAvailable(bool p_bAvailable)
{
    backwardItem->setEnabled(p_bAvailable);
}

void HelpWindow::Private::setForwardAvailable(bool p_bAvailable)
{
    forwardItem->setEnabled(p_bAvailable);
}

void HelpWindow::Private::End()
{
    q->hide();
}

void HelpWindow::Private::textChanged()
{
    // A document without a title (or with an empty one: the two look alike)
    // is captioned with its location.
    const QString qstrTitle = textBrowser->documentTitle();
    q->setWindowTitle(qstrTitle.isEmpty() ? shownSource.toString(QUrl::PreferLocalFile) : qstrTitle);
    pendingEntry = q->windowTitle();
    if (pendingEntry.isEmpty() || !locationCombo)
        return;
    const int iIndex = locationCombo->findText(pendingEntry, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (iIndex >= 0) {
        locationCombo->setCurrentIndex(iIndex);
    } else {
        locationCombo->insertItem(0, pendingEntry, shownSource);
        locationCombo->setCurrentIndex(0);
        Record(false, pendingEntry, shownSource.toString());
    }
    pendingEntry = QString();
    UpdateBookmarkAction();
}

void HelpWindow::Private::about()
{
    QMessageBox::about(q, HelpWindow::tr("TORVA Hilfe System"),
                       HelpWindow::tr("<p>Das ist das TORVA Hilfe System v1.0.0.Programmierer: TORVA Solutions</p>"));
}

void HelpWindow::Private::aboutQt() { }

void HelpWindow::Private::openFile()
{
    const QString qstrFile = QFileDialog::getOpenFileName(q);
    if (!qstrFile.isEmpty())
        textBrowser->setSource(QUrl::fromLocalFile(qstrFile));
}

void HelpWindow::Private::newWindow() { }

void HelpWindow::Private::print()
{
    PageLoop::PrintAfterDialog(nullptr, PrintSettings(), false);
}

PageLoop::Settings HelpWindow::Private::PrintSettings() const
{
    PageLoop::Settings settings = PageLoop::WindowPage(q, textBrowser->toHtml());
    // Pictures and links of the page are found beside it.
    const QUrl qurlSource = shownSource;
    settings.m_qurlBase = qurlSource.isRelative() && !qurlSource.isEmpty()
        ? QUrl::fromLocalFile(QDir::current().absoluteFilePath(qurlSource.toString()))
        : qurlSource;
    return settings;
}

void HelpWindow::Private::Search()
{
    const QString qstrQuery = searchField->text();
    resultsList->clear();
    if (HelpIndex::Words(qstrQuery).isEmpty())
        return resultsDock->hide();
    const QList<HelpIndex::Hit> qlHits = HelpIndex::Of(helpFolder)->Search(qstrQuery);
    for (const HelpIndex::Hit& hit : qlHits)
        (new QListWidgetItem(hit.m_qstrTitle, resultsList))->setData(Qt::UserRole, hit.m_qurlPage);
    if (resultsDock->isHidden()) { // beside the page, a third of the window wide
        resultsDock->show();
        q->resizeDocks({resultsDock}, {q->width() / 3}, Qt::Horizontal);
    }
    q->statusBar()->showMessage(qlHits.isEmpty()
                                    ? HelpWindow::tr("Keine Seite enthält \"%1\".").arg(qstrQuery)
                                    : HelpWindow::tr("%n Seite(n) gefunden.", nullptr, int(qlHits.size())));
    if (!qlHits.isEmpty())
        resultsList->setCurrentRow(0);
}

void HelpWindow::Private::MarkWords()
{
    QList<QTextEdit::ExtraSelection> qlMarks;
    QColor qcMark = q->palette().color(QPalette::Highlight);
    qcMark.setAlpha(96);
    for (const QString& qstrWord : std::exchange(markWords, {})) {
        const QRegularExpression qreWord(
            QLatin1String("\\b") + QRegularExpression::escape(qstrWord) + QLatin1String("\\w*"),
            QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
        for (QTextCursor qtcAt = textBrowser->document()->find(qreWord); !qtcAt.isNull();
             qtcAt = textBrowser->document()->find(qreWord, qtcAt)) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = qtcAt;
            mark.format.setBackground(qcMark);
            qlMarks << mark;
        }
    }
    textBrowser->setExtraSelections(qlMarks);
}

void HelpWindow::Private::pathSelected(const QString& p_qstrPath)
{
    textBrowser->setSource(QUrl(p_qstrPath));
    // A page refused is not recorded.
    if (shownSource == QUrl(p_qstrPath) && !historyItems.values().contains(p_qstrPath))
        Record(false, p_qstrPath, p_qstrPath);
}

void HelpWindow::Private::histChosen(int p_iId)
{
    ShowEntry(historyItems, p_iId);
}

void HelpWindow::Private::bookmChosen(int p_iId)
{
    ShowEntry(bookmarkItems, p_iId);
}

void HelpWindow::Private::addBookmark()
{
    if (!Bookmarked(q->windowTitle(), shownSource.toString()))
        Record(true, q->windowTitle(), shownSource.toString());
}

void HelpWindow::Private::readHistory()
{
    ReadEntries(fileDirectory + QLatin1String("/.history"), historyEntries, historyLocations);
    historyEntries = historyEntries.mid(qMax(0, historyEntries.size() - HistoryLimit));
    historyLocations = historyLocations.mid(qMax(0, historyLocations.size() - HistoryLimit));
}

void HelpWindow::Private::readBookmarks()
{
    ReadEntries(fileDirectory + QLatin1String("/.bookmarks"), bookmarkEntries, bookmarkLocations);
}

// The history and bookmark files: first the entries' texts as one string
// list, oldest entry first (all that older versions wrote, and all that they
// read), then the locations of the documents the entries were recorded for,
// as a second list of the same length; an empty location is not known. An
// older file without the second list gives entries of unknown location, which
// open the document named by their text.
void HelpWindow::Private::ReadEntries(const QString& p_qstrFile, QStringList& p_qslEntries, QStringList& p_qslLocations)
{
    const QList<QStringList> qlLists = StringListFile::Read(p_qstrFile);
    p_qslEntries = qlLists.value(0);
    p_qslLocations = qlLists.value(1);
    if (p_qslLocations.size() != p_qslEntries.size())
        p_qslLocations = QStringList(p_qslEntries.size(), QString());
}

void HelpWindow::Private::AddEntry(QMenu* p_pqmMenu, QMap<int, QString>& p_qmItems, const QString& p_qstrText,
                                   const QString& p_qstrLocation)
{
    const int iId = NextItemId();
    p_pqmMenu->addAction(MenuText(p_qstrText))->setData(iId);
    p_qmItems.insert(iId, p_qstrText);
    if (!p_qstrLocation.isEmpty())
        itemLocations.insert(iId, p_qstrLocation);
}

void HelpWindow::Private::ShowEntry(const QMap<int, QString>& p_qmItems, int p_iId)
{
    if (p_qmItems.contains(p_iId))
        textBrowser->setSource(QUrl(itemLocations.value(p_iId, p_qmItems.value(p_iId))));
}

bool HelpWindow::Private::Bookmarked(const QString& p_qstrText, const QString& p_qstrLocation) const
{
    for (auto it = bookmarkItems.cbegin(); it != bookmarkItems.cend(); ++it) {
        if (SameDocument(it.value(), itemLocations.value(it.key()), p_qstrText, p_qstrLocation))
            return true;
    }
    return false;
}

void HelpWindow::Private::Record(bool p_bBookmark, const QString& p_qstrText, const QString& p_qstrLocation)
{
    AddEntry(p_bBookmark ? bookmarkMenu : historyMenu, p_bBookmark ? bookmarkItems : historyItems, p_qstrText,
             p_qstrLocation);
    UpdateFile(p_bBookmark, [&](QStringList& p_qslEntries, QStringList& p_qslLocations) {
        for (qsizetype i = 0; p_bBookmark && i < p_qslEntries.size(); ++i) {
            if (SameDocument(p_qslEntries[i], p_qslLocations[i], p_qstrText, p_qstrLocation))
                return false;
        }
        p_qslEntries << p_qstrText;
        p_qslLocations << p_qstrLocation;
        if (!p_bBookmark && p_qslEntries.size() > HistoryLimit) {
            p_qslEntries.remove(0, p_qslEntries.size() - HistoryLimit);
            p_qslLocations.remove(0, p_qslLocations.size() - HistoryLimit);
        }
        return true;
    });
    UpdateBookmarkAction();
}

void HelpWindow::Private::removeBookmark()
{
    const QString qstrText = q->windowTitle();
    const QString qstrLocation = shownSource.toString();
    for (QAction* pqaEntry : bookmarkMenu->actions()) {
        const int iId = pqaEntry->data().toInt();
        if (bookmarkItems.contains(iId)
            && SameDocument(bookmarkItems[iId], itemLocations.value(iId), qstrText, qstrLocation)) {
            bookmarkItems.remove(iId);
            itemLocations.remove(iId);
            delete pqaEntry;
        }
    }
    UpdateFile(true, [&](QStringList& p_qslEntries, QStringList& p_qslLocations) {
        bool bRemoved = false;
        for (qsizetype i = p_qslEntries.size() - 1; i >= 0; --i) {
            if (SameDocument(p_qslEntries[i], p_qslLocations[i], qstrText, qstrLocation)) {
                p_qslEntries.removeAt(i);
                p_qslLocations.removeAt(i);
                bRemoved = true;
            }
        }
        return bRemoved;
    });
    UpdateBookmarkAction();
}

void HelpWindow::Private::UpdateBookmarkAction()
{
    if (removeBookmarkItem)
        removeBookmarkItem->setEnabled(Bookmarked(q->windowTitle(), shownSource.toString()));
}

void HelpWindow::Private::UpdateFile(bool p_bBookmark,
                                     const std::function<bool(QStringList&, QStringList&)>& p_fnChange)
{
    // Written on top of what the file holds now: other windows, and other
    // runs of the program, change it too.
    const QString qstrFile = fileDirectory + (p_bBookmark ? QLatin1String("/.bookmarks") : QLatin1String("/.history"));
    // A failure is told once a window: the history would tell it at every page.
    const auto fail = [&] {
        if (std::exchange(saveFailureTold, true))
            return;
        QMessageBox::information(q, HelpWindow::tr("Fehler"),
                                 p_bBookmark ? HelpWindow::tr("Die Lesezeichen konnten nicht gespeichert werden.\n")
                                             : HelpWindow::tr("Der Verlauf konnte nicht gespeichert werden.\n"));
    };
    FileLock lock(qstrFile);
    if (!lock.Lock())
        return fail();
    QStringList& qslEntries = p_bBookmark ? bookmarkEntries : historyEntries;
    QStringList& qslLocations = p_bBookmark ? bookmarkLocations : historyLocations;
    ReadEntries(qstrFile, qslEntries, qslLocations);
    if (p_fnChange(qslEntries, qslLocations) && !StringListFile::Write(qstrFile, {qslEntries, qslLocations}))
        fail();
}

#include "moc_HelpWindow.cpp"
