#include "HelpWindow.h"
#include "PdfWords.h"
#include "UiDriver.h"

#include <QComboBox>
#include <QDataStream>
#include <QLineEdit>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <memory>

class TestHelpWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_pages;
    std::unique_ptr<HelpWindow> m_pWindow;

    static QString DataFile(const char* p_szName)
    {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/" + p_szName;
    }

    static QByteArray Bytes(const QStringList& p_qslStrings)
    {
        QByteArray qbaData;
        QDataStream qdsOut(&qbaData, QIODevice::WriteOnly);
        qdsOut << p_qslStrings;
        return qbaData;
    }

    static void WriteFile(const QString& p_qstrPath, const QByteArray& p_qbaData)
    {
        QFile file(p_qstrPath);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(p_qbaData);
    }

    static QByteArray ReadFile(const QString& p_qstrPath)
    {
        QFile file(p_qstrPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    HelpWindow& Open(const QString& p_qstrStart = "index.html")
    {
        m_pWindow = std::make_unique<HelpWindow>("ignored", p_qstrStart);
        m_pWindow->show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(m_pWindow.get())); }();
        return *m_pWindow;
    }

    QTextBrowser* Browser() const { return m_pWindow->findChild<QTextBrowser*>(); }
    QComboBox* Location() const { return m_pWindow->findChild<QComboBox*>(); }

    QStringList LocationItems() const
    {
        QStringList qslItems;
        for (int i = 0; i < Location()->count(); ++i)
            qslItems << Location()->itemText(i);
        return qslItems;
    }

    QMenu* Menu(const QString& p_qstrTitle) const
    {
        for (QAction* pAction : m_pWindow->menuBar()->actions())
            if (pAction->menu() && pAction->text() == p_qstrTitle)
                return pAction->menu();
        return nullptr;
    }

    QStringList MenuTexts(const QString& p_qstrTitle) const
    {
        QStringList qslTexts;
        for (QAction* pAction : Menu(p_qstrTitle)->actions())
            qslTexts << (pAction->isSeparator() ? "--" : pAction->text());
        return qslTexts;
    }

    QAction* MenuEntry(const QString& p_qstrMenu, const QString& p_qstrText) const
    {
        for (QAction* pAction : Menu(p_qstrMenu)->actions())
            if (pAction->text() == p_qstrText)
                return pAction;
        return nullptr;
    }

    QToolButton* Button(const QString& p_qstrTip) const
    {
        for (QToolButton* pButton : m_pWindow->findChildren<QToolButton*>())
            if (pButton->toolTip() == p_qstrTip)
                return pButton;
        return nullptr;
    }

    // Follows the first link of the shown page with the keyboard.
    void FollowFirstLink()
    {
        QTextBrowser* pBrowser = Browser();
        pBrowser->setFocus();
        QTextCursor cursor = pBrowser->textCursor();
        cursor.movePosition(QTextCursor::Start);
        pBrowser->setTextCursor(cursor);
        QTest::keyClick(pBrowser, Qt::Key_Tab);
        QTest::keyClick(pBrowser, Qt::Key_Return);
    }

    void Page(const QString& p_qstrName, const QString& p_qstrHead, const QString& p_qstrBody)
    {
        WriteFile(m_pages.filePath(p_qstrName),
                  ("<html><head>" + p_qstrHead + "</head><body>" + p_qstrBody + "</body></html>").toUtf8());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir::setCurrent(m_pages.path());
        Page("index.html", "<title>Start</title>", "<p><a href=\"a.html\">to A</a></p>");
        Page("a.html", "<title>A</title>", "<p><a href=\"b.html\">to B</a></p>");
        Page("b.html", "<title>B</title>", "<p><a href=\"c.html\">to C</a></p>");
        Page("c.html", "<title>C</title>", "<p><a href=\"a.html\">back to A</a></p>");
        Page("notitle.html", "", "<p>no title</p>");
        Page("emptytitle.html", "<title></title>", "<p>empty title</p>");
        QString qstrLong;
        for (int i = 0; i < 2000; ++i)
            qstrLong += QString("word%1 ").arg(i, 4, 10, QChar('0'));
        Page("long.html", "<title>Long</title>", "<p>" + qstrLong + "</p>"); // one paragraph over pages
    }

    void init()
    {
        QFile::remove(DataFile(".history"));
        QFile::remove(DataFile(".bookmarks"));
    }

    void cleanup() { m_pWindow.reset(); }

    void navigation()
    {
        HelpWindow& window = Open();
        QCOMPARE(window.windowTitle(), QString("Start"));
        QCOMPARE(window.size(), QSize(640, 700));
        QCOMPARE(LocationItems(), QStringList());
        QCOMPARE(MenuTexts("History"), QStringList());
        QCOMPARE(MenuTexts("Lesezeichen"), QStringList({"Lesezeichen Hinzufügen", "--"}));
        QAction* pBack = MenuEntry("&Gehe", "&Zurück");
        QAction* pForward = MenuEntry("&Gehe", "&Vor");
        QVERIFY(!pBack->isEnabled() && !pForward->isEnabled());
        QVERIFY(!Button("Zurück")->isEnabled() && !Button("Vor")->isEnabled() && Button("Home")->isEnabled());

        for (const char* szTitle : {"A", "B", "C"}) {
            FollowFirstLink();
            QTRY_COMPARE(window.windowTitle(), QString(szTitle));
        }
        QCOMPARE(LocationItems(), QStringList({"C", "B", "A"}));
        QCOMPARE(MenuTexts("History"), QStringList({"A", "B", "C"}));
        QVERIFY(pBack->isEnabled() && Button("Zurück")->isEnabled());
        QVERIFY(!pForward->isEnabled() && !Button("Vor")->isEnabled());

        QTest::keyClick(&window, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(window.windowTitle(), QString("B"));
        QCOMPARE(Location()->currentText(), QString("B"));
        QVERIFY(pForward->isEnabled() && Button("Vor")->isEnabled());
        QTest::keyClick(&window, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(window.windowTitle(), QString("C"));
        FollowFirstLink(); // back to A: known, nothing recorded
        QTRY_COMPARE(window.windowTitle(), QString("A"));
        QCOMPARE(LocationItems().size(), 3);
        QCOMPARE(MenuTexts("History").size(), 3);

        QTest::mouseClick(Button("Home"), Qt::LeftButton);
        QCOMPARE(window.windowTitle(), QString("Start"));

        // Typed into the location box: shown, recorded once.
        Location()->lineEdit()->selectAll();
        QTest::keyClicks(Location()->lineEdit(), "notitle.html");
        QTest::keyClick(Location()->lineEdit(), Qt::Key_Return);
        QCOMPARE(window.windowTitle(), QString("notitle.html"));
        QCOMPARE(MenuTexts("History").count("notitle.html"), 1);
        Browser()->setSource(QUrl("emptytitle.html"));
        QCOMPARE(window.windowTitle(), QString("emptytitle.html"));

        // A history entry brings its document back.
        QTest::mouseClick(Button("Home"), Qt::LeftButton);
        MenuEntry("History", "notitle.html")->trigger();
        QCOMPARE(window.windowTitle(), QString("notitle.html"));

        // Alt+X and Alt+Q hide the window; it lives on.
        QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
        QVERIFY(!window.isVisible());
        window.show();
        QTest::keyClick(&window, Qt::Key_Q, Qt::AltModifier);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.windowTitle(), QString("notitle.html"));
    }

    void historyAndBookmarkFiles()
    {
        Open();
        for (const char* szTitle : {"A", "B", "C"}) {
            FollowFirstLink();
            QTRY_COMPARE(m_pWindow->windowTitle(), QString(szTitle));
        }
        MenuEntry("Lesezeichen", "Lesezeichen Hinzufügen")->trigger();
        MenuEntry("Lesezeichen", "Lesezeichen Hinzufügen")->trigger();
        QCOMPARE(MenuTexts("Lesezeichen"), QStringList({"Lesezeichen Hinzufügen", "--", "C", "C"}));
        m_pWindow.reset();
        QCOMPARE(ReadFile(DataFile(".history")), Bytes({"C", "B", "A"}));
        QCOMPARE(ReadFile(DataFile(".bookmarks")), Bytes({"C", "C"}));

        // Read again: in file order; written again: reversed.
        Open();
        QCOMPARE(MenuTexts("History"), QStringList({"C", "B", "A"}));
        m_pWindow.reset();
        QCOMPARE(ReadFile(DataFile(".history")), Bytes({"A", "B", "C"}));

        // A bookmark of a title asks the browser for a document of that name.
        Open();
        QTest::ignoreMessage(QtWarningMsg, "QTextBrowser: No document for C");
        MenuEntry("Lesezeichen", "C")->trigger();
        QCOMPARE(m_pWindow->windowTitle(), QString("C"));
        m_pWindow.reset();

        // 25 entries: the last 20 are kept; a null string is kept as null.
        QStringList qsl25;
        for (int i = 1; i <= 25; ++i)
            qsl25 << QString("Entry & %1").arg(i);
        WriteFile(DataFile(".history"), Bytes(qsl25));
        Open();
        const QStringList qslMenu = MenuTexts("History");
        QCOMPARE(qslMenu.size(), 20);
        QCOMPARE(qslMenu.first(), QString("Entry && 6"));
        m_pWindow.reset();
        QCOMPARE(ReadFile(DataFile(".history")).left(4), QByteArray("\0\0\0\x14", 4));

        // Nothing to remember: four zero bytes.
        QFile::remove(DataFile(".history"));
        QFile::remove(DataFile(".bookmarks"));
        Open("notitle.html");
        m_pWindow.reset();
        QCOMPARE(ReadFile(DataFile(".history")), QByteArray(4, '\0'));
        QCOMPARE(ReadFile(DataFile(".bookmarks")), QByteArray(4, '\0'));
    }

    void hostileFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("kept");
        const QByteArray qbaTwo = Bytes({"one", "two"}).mid(4);
        QTest::newRow("4 billion entries") << QByteArray("\xff\xff\xff\xfe", 4) + qbaTwo << QStringList({"one", "two"});
        QTest::newRow("2 GB string") << QByteArray("\0\0\0\3", 4) + qbaTwo.left(10) + QByteArray("\x7f\xff\xff\xfe", 4)
                                     << QStringList({"one"});
        QTest::newRow("truncated") << Bytes({"one", "two"}).chopped(3) << QStringList({"one"});
        QTest::newRow("odd length") << QByteArray("\0\0\0\2", 4) + qbaTwo.left(10) + QByteArray("\0\0\0\3abc", 7)
                                    << QStringList({"one"});
        QTest::newRow("three bytes") << QByteArray("\0\0\0", 3) << QStringList();
        QTest::newRow("null string") << Bytes({"a", QString(), "b"}) << QStringList({"a", QString(), "b"});
    }

    void hostileFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, kept);
        WriteFile(DataFile(".bookmarks"), file);
        Open("notitle.html");
        QStringList qslExpected = {"Lesezeichen Hinzufügen", "--"};
        qslExpected += kept;
        QCOMPARE(MenuTexts("Lesezeichen"), qslExpected);
    }

    void printing()
    {
        Open("long.html");
        const QString qstrPdf = m_pages.filePath("help.pdf");
        UiDriver::AnswerPrintDialog(qstrPdf);
        QTest::keyClick(m_pWindow.get(), Qt::Key_P, Qt::AltModifier);
        const PdfContent content = ReadPdf(qstrPdf, PDFTOTEXT);
        QVERIFY(content.m_qlPages.size() >= 2);
        QStringList qslBody;
        for (int iPage = 1; iPage <= content.m_qlPages.size(); ++iPage) {
            QStringList qslWords = content.Words(iPage);
            QCOMPARE(qslWords.takeLast(), QString::number(iPage));
            qslBody += qslWords;
        }
        QCOMPARE(qslBody.size(), 2000);
        QCOMPARE(qslBody.first(), QString("word0000"));
        QCOMPARE(qslBody.last(), QString("word1999"));
        // One-inch margins: 96 pixels at the screen's 96 dots per inch.
        QVERIFY(std::abs(content.m_qlWords.first().m_qrBox.left() - 72) < 1.5);
    }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_helpWindow.moc"
