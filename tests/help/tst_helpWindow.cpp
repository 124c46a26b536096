// SPDX-License-Identifier: BSD-3-Clause
#include "CbcTextEdit.h"
#include "Files.h"
#include "HelpWindow.h"
#include "UiDriver.h"

#include <QTest>

#include <QCheckBox>
#include <QComboBox>
#include <QDataStream>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

#include <csignal>
#include <sys/stat.h>

class TestHelpWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_pages;
    std::unique_ptr<HelpWindow> m_pWindow;

    static QString DataFile(const char* p_szName)
    {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/" + p_szName;
    }
    static QByteArray Bytes(const QList<QStringList>& p_qlLists)
    {
        QByteArray qbaData;
        QDataStream qdsOut(&qbaData, QIODevice::WriteOnly);
        for (const QStringList& qslList : p_qlLists)
            qdsOut << qslList;
        return qbaData;
    }
    HelpWindow& Open(const QString& p_qstrStart = "index.html")
    {
        m_pWindow = std::make_unique<HelpWindow>("ignored", p_qstrStart);
        m_pWindow->show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(m_pWindow.get())); }();
        return *m_pWindow;
    }
    QComboBox* Location() const { return m_pWindow->findChild<QComboBox*>(); }
    QAction* Menu(const QString& p_qstrTitle) const
    {
        const QList<QAction*> qlMenus = m_pWindow->menuBar()->actions();
        return *std::find_if(qlMenus.begin(), qlMenus.end(), [&](QAction* p) { return p->text() == p_qstrTitle; });
    }
    QStringList Texts(const QString& p_qstrMenu) const
    {
        QStringList qslTexts;
        for (QAction* pAction : Menu(p_qstrMenu)->menu()->actions())
            qslTexts << pAction->text();
        return qslTexts;
    }
    // Chooses the entry of the menu bar's menu as a person does.
    void Choose(const QString& p_qstrMenu, const QString& p_qstrEntry)
    {
        bool bChosen = false;
        UiDriver::OnNextPopup([&](QMenu* p_pMenu) { bChosen = UiDriver::TriggerMenuEntry(p_pMenu, p_qstrEntry); });
        QTest::mouseClick(m_pWindow->menuBar(), Qt::LeftButton, {},
                          m_pWindow->menuBar()->actionGeometry(Menu(p_qstrMenu)).center());
        QTRY_VERIFY(bChosen);
    }
    QToolButton* Button(const QString& p_qstrTip) const
    {
        const QList<QToolButton*> qlButtons = m_pWindow->findChildren<QToolButton*>();
        return *std::find_if(qlButtons.begin(), qlButtons.end(), [&](auto* p) { return p->toolTip() == p_qstrTip; });
    }
    // Follows the shown page's first link with the keyboard.
    void FollowLink(const QString& p_qstrTitle)
    {
        auto* pBrowser = m_pWindow->findChild<QTextBrowser*>();
        pBrowser->moveCursor(QTextCursor::Start);
        QTest::keyClick(pBrowser, Qt::Key_Tab);
        QTest::keyClick(pBrowser, Qt::Key_Return);
        QTRY_COMPARE(m_pWindow->windowTitle(), p_qstrTitle);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir::setCurrent(m_pages.path());
        for (const char* szPage : {"index|Start|a", "a|A|b", "b|B|c", "c|C|a"}) {
            const QStringList qslPage = QString(szPage).split('|');
            QVERIFY(Files::Write(
                qslPage[0] + ".html",
                QString("<title>%1</title><a href=\"%2.html\">to %2</a>").arg(qslPage[1], qslPage[2]).toUtf8()));
        }
        QVERIFY(Files::Write("notitle.html", "<p>no title</p>"));
        QVERIFY(Files::Write("find.html",
                             "<title>Suche</title><p>Alpha beta alpha ALPHA</p><p>Kalibrierung der Waage</p>"));
        QVERIFY(Files::Write("latin1.html",
                             "<title>Gr\xfc\xdf"
                             "e</title><p>Gr\xfc\xdf"
                             "e</p>")); // as older programs wrote
        // Pages the search must pass by: a pipe that no one writes, a file beyond what a page may be.
        QVERIFY(::mkfifo("hang.html", 0600) == 0);
        QFile qfHuge("huge.html");
        QVERIFY(qfHuge.open(QIODevice::WriteOnly) && qfHuge.seek(65 << 20) && qfHuge.write("riesig") == 6);
    }
    void init()
    {
        if (!qEnvironmentVariableIsEmpty("TORVAS_HELP_CHILD"))
            return;
        QFile::remove(DataFile(".history"));
        QFile::remove(DataFile(".bookmarks"));
    }
    void cleanup() { m_pWindow.reset(); }

    // Navigation, the location box or the enabled states going wrong; "Beenden"/"Schliessen" destroying the window.
    void navigation()
    {
        HelpWindow& window = Open();
        QCOMPARE(window.windowTitle(), QString("Start"));
        QCOMPARE(Location()->count(), 0);
        QVERIFY(!Button("Zurück")->isEnabled() && !Button("Vor")->isEnabled());
        for (const char* szTitle : {"A", "B", "C"})
            FollowLink(szTitle);
        QCOMPARE(Texts("History"), QStringList({"A", "B", "C"}));
        QTest::keyClick(&window, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(Location()->currentText(), QString("B"));
        QVERIFY(Button("Vor")->isEnabled() && Menu("&Gehe")->menu()->actions().at(1)->isEnabled());
        QTest::keyClick(&window, Qt::Key_Right, Qt::AltModifier);
        FollowLink("A"); // known: nothing recorded
        QCOMPARE(Location()->count(), 3);
        QTest::mouseClick(Button("Home"), Qt::LeftButton);
        QCOMPARE(window.windowTitle(), QString("Start"));

        Location()->lineEdit()->selectAll();
        QTest::keyClicks(Location()->lineEdit(), "notitle.html");
        QTest::keyClick(Location()->lineEdit(), Qt::Key_Return);
        QCOMPARE(window.windowTitle(), QString("notitle.html"));
        QCOMPARE(Texts("History").count("notitle.html"), 1);
        Location()->lineEdit()->selectAll();
        QTest::keyClicks(Location()->lineEdit(), "latin1.html");
        QTest::keyClick(Location()->lineEdit(), Qt::Key_Return);
        QCOMPARE(window.windowTitle(), QString("Grüße"));
        Location()->setCurrentIndex(Location()->findText("B"));
        QTest::keyClick(Location()->lineEdit(), Qt::Key_Return); // an item of the box opens its page
        QCOMPARE(window.windowTitle(), QString("B"));
        for (Qt::Key eKey : {Qt::Key_X, Qt::Key_Q}) {
            window.show();
            QTest::keyClick(&window, eKey, Qt::AltModifier);
            QVERIFY(!window.isVisible());
        }
    }

    // A window larger than the screen, its title bar or status bar out of reach, also at twice the scale: the help
    // window and the editor window, the library's two main windows.
    void fitsTheScreen_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<bool>("editor");
        for (const char* szScale : {"1", "2"})
            for (const bool bEditor : {false, true})
                QTest::addRow("%s %s", bEditor ? "editor" : "help", szScale) << QString(szScale) << bEditor;
    }
    void fitsTheScreen()
    {
        QFETCH(QString, scale);
        QFETCH(bool, editor);
        if (scale != "1") { // the row at scale 1, in a program at that scale
            QCOMPARE(Files::RunSelf(QString("fitsTheScreen:%1 1").arg(editor ? "editor" : "help"),
                                    {"QT_SCALE_FACTOR=" + scale}),
                     0);
            return;
        }
        CbcTextEdit editorWindow;
        QWidget* pWindow = &Open();
        if (editor) {
            m_pWindow.reset();
            pWindow = &editorWindow;
            editorWindow.show();
            QVERIFY(QTest::qWaitForWindowExposed(pWindow));
        }
        const QSize qsArea = pWindow->screen()->availableGeometry().size();
        QVERIFY2(qsArea.boundedTo(pWindow->frameGeometry().size()) == pWindow->frameGeometry().size(),
                 qPrintable(QString("%1x%2").arg(pWindow->height()).arg(qsArea.height())));
        QVERIFY(editor || qsArea.width() < 700 || pWindow->width() == 640); // its own size where it fits
        QVERIFY(editor || pWindow->height() > qsArea.height() / 2); // made smaller, not shrunk away
    }

    // Entries opening blank pages, coming back in another order, or the newest dropped by the cut to 20.
    void historyAndBookmarks()
    {
        Open();
        for (const char* szTitle : {"A", "B", "C"})
            FollowLink(szTitle);
        QVERIFY(!Menu("Lesezeichen")->menu()->actions().at(1)->isEnabled()); // "Lesezeichen entfernen": none yet
        QTest::keyClick(m_pWindow.get(), Qt::Key_D, Qt::ControlModifier); // "Lesezeichen Hinzufügen"
        Choose("History", "A");
        QCOMPARE(m_pWindow->windowTitle(), QString("A"));
        m_pWindow.reset();
        const QByteArray qbaBookmarks = Bytes({{"C"}, {"c.html"}});
        for (int iRun = 0; iRun < 3; ++iRun) {
            Open();
            QCOMPARE(Texts("History"), QStringList({"A", "B", "C"}));
            m_pWindow.reset();
            QCOMPARE(Files::Read(DataFile(".history")), Bytes({{"A", "B", "C"}, {"a.html", "b.html", "c.html"}}));
            QCOMPARE(Files::Read(DataFile(".bookmarks")), qbaBookmarks);
        }
        Open();
        Choose("Lesezeichen", "C");
        QCOMPARE(m_pWindow->windowTitle(), QString("C"));
        Choose("History", "B");
        QCOMPARE(m_pWindow->windowTitle(), QString("B"));
        m_pWindow.reset();
        QCOMPARE(Files::Read(DataFile(".history")),
                 Bytes({{"A", "B", "C", "C", "B"}, {"a.html", "b.html", "c.html", "c.html", "b.html"}}));
        Open("c.html");
        Choose("Lesezeichen", "Lesezeichen entfernen");
        QCOMPARE(Texts("Lesezeichen").mid(3), QStringList());
        QVERIFY(!Menu("Lesezeichen")->menu()->actions().at(1)->isEnabled());
        QCOMPARE(Files::Read(DataFile(".bookmarks")), Bytes({{}, {}}));
        m_pWindow.reset();

        // A file of older versions: entries of unknown location open what their text names.
        QStringList qsl25;
        for (int i = 1; i <= 25; ++i)
            qsl25 << QString("Entry & %1").arg(i);
        qsl25.last() = "notitle.html";
        QVERIFY(Files::Write(DataFile(".history"), Bytes({qsl25})));
        Open();
        QCOMPARE(Texts("History").size(), 20);
        QCOMPARE(Texts("History").first(), QString("Entry && 6"));
        Choose("History", "notitle.html");
        QCOMPARE(m_pWindow->windowTitle(), QString("notitle.html"));
        m_pWindow.reset();
        QCOMPARE(Files::Read(DataFile(".history")), // the newest 20 are kept
                 Bytes({qsl25.mid(6) << "notitle.html", QStringList(19, QString()) << "notitle.html"}));
    }

    // A find bar that misses matches, ignores case or direction, stops at the end, or keeps the keys after Escape.
    void findInPage_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("keys"); // R: Return, S: Shift+Return, F: F3, B: Shift+F3, C: match case, E: Escape
        QTest::addColumn<int>("selected"); // where the selection starts; -1: nothing selected
        QTest::newRow("as typed") << "alp"
                                  << "" << 0;
        QTest::newRow("Return: next") << "alpha"
                                      << "R" << 11;
        QTest::newRow("F3 runs on over the end") << "alpha"
                                                 << "FFF" << 0;
        QTest::newRow("Shift+Return back over the start") << "alpha"
                                                          << "S" << 17;
        QTest::newRow("Shift+F3 back") << "alpha"
                                       << "FFB" << 11;
        QTest::newRow("match case") << "ALPHA"
                                    << "C" << 17;
        QTest::newRow("match case: only one") << "alpha"
                                              << "CRR" << 11;
        QTest::newRow("not there") << "delta"
                                   << "" << -1;
        QTest::newRow("Escape closes") << "waage"
                                       << "E" << 40;
    }
    void findInPage()
    {
        QFETCH(QString, typed);
        QFETCH(QString, keys);
        QFETCH(int, selected);
        HelpWindow& window = Open("find.html");
        QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
        auto* pBar = window.findChild<QToolBar*>("findBar");
        auto* pField = pBar->findChild<QLineEdit*>();
        QVERIFY(pBar->isVisible() && pField->hasFocus());
        QTest::keyClicks(pField, typed);
        for (const QChar qcKey : keys) {
            const Qt::KeyboardModifiers eShift = QString("SB").contains(qcKey) ? Qt::ShiftModifier : Qt::NoModifier;
            if (qcKey == 'C')
                QTest::mouseClick(pBar->findChild<QCheckBox*>(), Qt::LeftButton);
            else
                QTest::keyClick(pField,
                                QString("RS").contains(qcKey) ? Qt::Key_Return
                                    : qcKey == 'E'            ? Qt::Key_Escape
                                                              : Qt::Key_F3,
                                eShift);
        }
        const QTextCursor qtcShown = window.findChild<QTextBrowser*>()->textCursor();
        QCOMPARE(qtcShown.hasSelection() ? qtcShown.selectionStart() : -1, selected);
        QVERIFY(!qtcShown.hasSelection() || qtcShown.selectedText().compare(typed, Qt::CaseInsensitive) == 0);
        QCOMPARE(pBar->findChild<QLabel*>()->text(), QString(selected < 0 ? "Nicht gefunden" : ""));
        QCOMPARE(pBar->isVisible(), !keys.contains('E'));
    }

    // A search that misses pages or words in another case, lists pages lacking a word, or opens none of them; an
    // empty print preview.
    void searchAndPreview_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("two words, one a start") << "kalib waage" << QStringList({"Suche"});
        QTest::newRow("case") << "WAAGE" << QStringList({"Suche"});
        QTest::newRow("every word") << "waage zebra" << QStringList();
        QTest::newRow("many pages") << "to" << QStringList({"A", "B", "C", "Start"});
        QTest::newRow("Latin-1 page") << "grüße" << QStringList({"Grüße"});
        QTest::newRow("page too large") << "riesig" << QStringList();
    }
    void searchAndPreview()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, titles);
        HelpWindow& window = Open("notitle.html");
        const QList<QLineEdit*> qlFields = window.findChildren<QLineEdit*>();
        QLineEdit* pField = *std::find_if(qlFields.begin(), qlFields.end(),
                                          [](QLineEdit* p) { return p->placeholderText() == "Hilfe durchsuchen"; });
        pField->insert(query); // as an input method hands over typed text, umlauts too
        QTest::keyClick(pField, Qt::Key_Return);
        auto* pResults = window.findChild<QDockWidget*>("searchResults")->findChild<QListWidget*>();
        QStringList qslFound = UiDriver::ItemTexts(pResults);
        qslFound.sort();
        QCOMPARE(qslFound, titles);
        QVERIFY(pResults->isVisible());
        QVERIFY(!titles.isEmpty() || window.statusBar()->currentMessage().startsWith("Keine Seite enthält"));
        if (titles.size() != 1)
            return;
        QTest::keyClick(pResults, Qt::Key_Return);
        QCOMPARE(window.windowTitle(), titles[0]);
        QCOMPARE(window.findChild<QTextBrowser*>()->extraSelections().size(), query.split(' ').size());
        const auto piPages = UiDriver::CountPreviewPages();
        Choose("&Datei", "Druckvorschau…");
        QTRY_COMPARE(*piPages, 1);
    }

    // Bookmarks of one window lost by another's, by a host that is killed, or a page bookmarked twice.
    void sharedBookmarks()
    {
        auto pOther = std::make_unique<HelpWindow>("ignored", "b.html");
        pOther->show();
        QVERIFY(QTest::qWaitForWindowExposed(pOther.get()));
        Open("a.html");
        for (const char* szTitle : {"A", "B", "A"}) { // the helpers drive the window of m_pWindow
            if (m_pWindow->windowTitle() != szTitle)
                std::swap(m_pWindow, pOther);
            Choose("Lesezeichen", "Lesezeichen Hinzufügen");
        }
        QCOMPARE(Texts("Lesezeichen").mid(3), QStringList({"A"}));
        QProcess qpChild;
        qputenv("TORVAS_HELP_CHILD", "1");
        qpChild.start(QCoreApplication::applicationFilePath(), {"bookmarkingChild"});
        qunsetenv("TORVAS_HELP_CHILD");
        QVERIFY(qpChild.waitForFinished(60000) && qpChild.exitStatus() == QProcess::CrashExit);
        m_pWindow.reset();
        pOther.reset();
        QCOMPARE(Files::Read(DataFile(".bookmarks")), Bytes({{"A", "B", "C"}, {"a.html", "b.html", "c.html"}}));
    }
    // The host of the test above: bookmarks its page and dies at once.
    void bookmarkingChild()
    {
        if (qEnvironmentVariableIsEmpty("TORVAS_HELP_CHILD"))
            QSKIP("run by sharedBookmarks");
        Open("c.html");
        Choose("Lesezeichen", "Lesezeichen Hinzufügen");
        raise(SIGKILL);
    }

    // A link, a picture or a typed name of a pipe hanging the window, of a device filling the memory; a page
    // that is not there shown blank and recorded.
    void refusedPages_data()
    {
        QTest::addColumn<QString>("target");
        for (const char* szTarget : {"pipe", "/dev/zero", "missing.html", "folder"})
            QTest::newRow(szTarget) << QString(szTarget);
    }
    void refusedPages()
    {
        QFETCH(QString, target);
        QVERIFY(target != "pipe" || QFile::exists("pipe") || ::mkfifo("pipe", 0600) == 0);
        QVERIFY(target != "folder" || QDir().mkpath("folder"));
        QVERIFY(Files::Write(
            "links.html", QString("<title>Links</title><a href=\"%1\">go</a><img src=\"%1\">").arg(target).toUtf8()));
        HelpWindow& window = Open("links.html");
        for (bool bTyped : {false, true}) {
            auto pBox = UiDriver::CloseNextMessageBox();
            if (bTyped) {
                Location()->lineEdit()->selectAll();
                QTest::keyClicks(Location()->lineEdit(), target);
                QTest::keyClick(Location()->lineEdit(), Qt::Key_Return);
            } else {
                auto* pBrowser = window.findChild<QTextBrowser*>();
                pBrowser->moveCursor(QTextCursor::Start);
                QTest::keyClick(pBrowser, Qt::Key_Tab);
                QTest::keyClick(pBrowser, Qt::Key_Return);
            }
            QTRY_VERIFY(pBox->m_bShown);
            QVERIFY2(pBox->m_qstrText.endsWith(QFileInfo(target).fileName() + "\" kann nicht geöffnet werden.\n"),
                     qPrintable(pBox->m_qstrText));
            QCOMPARE(window.windowTitle(), QString("Links"));
        }
        QCOMPARE(Texts("History"), QStringList());
    }

    // A history that cannot be written lost without a word, or told at every page.
    void failedWritesAreTold()
    {
        QVERIFY(QDir().mkpath(DataFile(".history")));
        Open();
        auto pBox = UiDriver::CloseNextMessageBox();
        FollowLink("A");
        QTRY_COMPARE(pBox->m_qstrText, QString("Der Verlauf konnte nicht gespeichert werden.\n"));
        FollowLink("B"); // told once
        QVERIFY(QDir().rmdir(DataFile(".history")));
    }

    // A damaged file that crashes the window, allocates what it announces, or loses the entries before the damage.
    void hostileFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("kept");
        const QByteArray qbaTwo = Bytes({{"one", "two"}}).mid(4);
        QTest::newRow("4 billion entries") << QByteArray("\xff\xff\xff\xfe", 4) + qbaTwo << QStringList({"one", "two"});
        QTest::newRow("2 GB string") << QByteArray("\0\0\0\3", 4) + qbaTwo.left(10) + QByteArray("\x7f\xff\xff\xfe", 4)
                                     << QStringList({"one"});
        QTest::newRow("odd length") << QByteArray("\0\0\0\2", 4) + qbaTwo.left(10) + QByteArray("\0\0\0\3abc", 7)
                                    << QStringList({"one"});
        QTest::newRow("three bytes") << QByteArray("\0\0\0", 3) << QStringList();
        QTest::newRow("null string") << Bytes({{"a", QString(), "b"}}) << QStringList({"a", QString(), "b"});
        QTest::newRow("short locations") << Bytes({{"a", "b"}, {"x"}}) << QStringList({"a", "b"});
    }
    void hostileFiles()
    {
        QFETCH(QByteArray, file);
        QVERIFY(Files::Write(DataFile(".bookmarks"), file));
        Open("notitle.html");
        QTEST(Texts("Lesezeichen").mid(3), "kept");
    }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_helpWindow.moc"
