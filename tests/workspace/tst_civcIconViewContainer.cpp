#include "CivIconView.h"
#include "CivcIconViewContainer.h"
#include "CwsDirectoryIcon.h"
#include "StdoutCapture.h"

#include <rbox.h>

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <csignal>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
const QStringList Columns = {"Type/ENUM",           "Parent/STRING", "Name/STRING", "Functionality/STRING",
                             "IconFilename/STRING", "XPos/INT",      "YPos/INT",    "Depth/INT"};

// A node and its subtree as text, one line a node, every field included.
void Describe(CwsIcon* p_pNode, int p_iLevel, QStringList& p_lines)
{
    p_lines << QString("%1%2|%3|%4|%5|%6,%7|%8")
                   .arg(QString(p_iLevel * 2, ' '), p_pNode->GetName(), QString::number(p_pNode->GetType()),
                        p_pNode->GetFunctionality(), p_pNode->GetIconFilename())
                   .arg(p_pNode->GetX())
                   .arg(p_pNode->GetY())
                   .arg(p_pNode->GetDepth());
    if (p_pNode->GetType() == IconDirectory) {
        for (CwsIcon* pChild : *static_cast<CwsDirectoryIcon*>(p_pNode)->GetChildrenList()) {
            QCOMPARE(pChild->GetParent(), p_pNode);
            Describe(pChild, p_iLevel + 1, p_lines);
        }
    }
}

QStringList Describe(CivcIconViewContainer& p_store)
{
    QStringList lines;
    Describe(p_store.GetRoot(), 0, lines);
    return lines;
}

// Writes a record file through the engine: one data set a row, each row a
// list of column=value pairs.
void WriteRecords(const QString& p_qstrFile, const QList<QStringList>& p_rows)
{
    rbox engine(p_qstrFile);
    engine.Save();
    for (const QString& qstrColumn : Columns)
        engine.AddHeaderItem(1, qstrColumn, RboString);
    for (const QStringList& row : p_rows) {
        const int iId = engine.CreateDataSet(1);
        for (const QString& qstrPair : row)
            engine.AddItemToDataSet(1, iId, qstrPair.section('=', 0, 0), qstrPair.section('=', 1));
    }
    QVERIFY(engine.SetFinished());
}

QByteArray ReadAll(const QString& p_qstrFile)
{
    QFile file(p_qstrFile);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A tree of p_iCount nodes whose names start with the prefix: folders up to
// ten deep, entries spread over them.
void Grow(CwsDirectoryIcon* p_pRoot, const QString& p_qstrPrefix, int p_iCount)
{
    QList<CwsDirectoryIcon*> folders {p_pRoot};
    QHash<CwsDirectoryIcon*, int> levels {{p_pRoot, 0}};
    QRandomGenerator random(7);
    for (int i = 0; i < p_iCount; ++i) {
        CwsDirectoryIcon* pParent = folders[random.bounded(int(folders.size()))];
        const QString qstrName = QString("%1%2").arg(p_qstrPrefix).arg(i);
        const int iDepth = pParent->GetChildCount() + 1;
        if (i % 10 == 0 && levels[pParent] < 10) {
            auto* pFolder = new CwsDirectoryIcon(nullptr, qstrName, pParent, i, i + 1, iDepth);
            pParent->AddChild(pFolder, true);
            folders << pFolder;
            levels[pFolder] = levels[pParent] + 1;
        } else {
            pParent->AddChild(
                new CwsIcon(nullptr, qstrName, "cmd " + qstrName, "pic.png", IconUser, i, 0, iDepth, pParent), true);
        }
    }
}
}

class TestCivcIconViewContainer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString Icons() const { return m_dir.filePath("icons"); }

private Q_SLOTS:
    void init()
    {
        for (const QString& qstrName : QDir(m_dir.path()).entryList(QDir::Files))
            QFile::remove(m_dir.filePath(qstrName));
    }

    void noFileGivesAnEmptyRootAndSavesEightColumns()
    {
        CivIconView view;
        StdoutCapture output;
        {
            CivcIconViewContainer store(&view, m_dir.path());
            QCOMPARE(store.GetRoot()->GetName(), QString("root"));
            QCOMPARE(store.GetRoot()->GetChildCount(), 0);
            QVERIFY(!store.SearchAfterName("root"));
            QVERIFY(!store.SearchAfterNumber("1"));
        }
        QCOMPARE(output.Take(), QByteArray());
        rbox engine(Icons());
        QVERIFY(engine.Load());
        QCOMPARE(engine.GetNumberOfDataSets(1), 0);

        sqlite3* pDb = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(Icons()).constData(), &pDb), SQLITE_OK);
        sqlite3_stmt* pStmt = nullptr;
        sqlite3_prepare_v2(pDb, "SELECT name, type FROM rbox_columns WHERE tbl = 1 ORDER BY position", -1, &pStmt,
                           nullptr);
        QStringList names;
        while (sqlite3_step(pStmt) == SQLITE_ROW) {
            names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(pStmt, 0)));
            QCOMPARE(sqlite3_column_int(pStmt, 1), 8);
        }
        sqlite3_finalize(pStmt);
        sqlite3_close(pDb);
        QCOMPARE(names, Columns);
    }

    void nestedTreeRoundTrip()
    {
        CivIconView view;
        QStringList before;
        {
            CivcIconViewContainer store(&view, m_dir.path());
            CwsDirectoryIcon* pRoot = store.GetRoot();
            auto* pA = new CwsDirectoryIcon(&view, "Büro", pRoot, 160, 75, 1);
            pRoot->AddChild(pA, true);
            pA->AddChild(new CwsIcon(&view, "Kunden", "kunden", "k.png", IconSystem, 5, 6, 1, pA), true);
            auto* pB = new CwsDirectoryIcon(&view, "Archiv 2025", pA, 0, 0, 2);
            pA->AddChild(pB, true);
            pB->AddChild(new CwsIcon(&view, "Alt", "xdg-open 'a b' &", "", IconUser, 0, 0, 1, pB), true);
            pRoot->AddChild(new CwsIcon(&view, "Zeta", "", "z.png", IconUser, -3, 9, 3, pRoot), true);
            pRoot->AddChild(new CwsIcon(&view, "Alpha", "alpha", "a.png", IconUser, 1, 2, 2, pRoot), true);
            before = Describe(store);
        }
        CivcIconViewContainer reloaded(&view, m_dir.path());
        QCOMPARE(Describe(reloaded), before);
    }

    void dataSetsInPreOrderWithEmptyUpLinkSets()
    {
        CivIconView view;
        {
            CivcIconViewContainer store(&view, m_dir.path());
            CwsDirectoryIcon* pRoot = store.GetRoot();
            auto* pA = new CwsDirectoryIcon(&view, "A", pRoot, 0, 0, 1);
            pRoot->AddChild(pA, true);
            pA->AddChild(new CwsIcon(&view, "B", "b", "b.png", IconUser, 0, 0, 1, pA), true);
            pRoot->AddChild(new CwsIcon(&view, "C", "c", "c.png", IconUser, 0, 0, 2, pRoot), true);
        }
        rbox engine(Icons());
        QVERIFY(engine.Load());
        QCOMPARE(engine.GetNumberOfDataSets(1), 4);
        const auto value = [&](int p_iSet, const char* p_szColumn) {
            CrboDataSetItem* pItem = engine.GetDataSet(1, p_iSet)->GetItem(p_szColumn);
            return pItem ? pItem->GetString() : QString("<none>");
        };
        QCOMPARE(value(0, "Type/ENUM"), QString("Directory"));
        QCOMPARE(value(0, "Parent/STRING"), QString("root"));
        QCOMPARE(value(0, "IconFilename/STRING"), QString("directory.bmp"));
        QCOMPARE(value(0, "Functionality/STRING"), QString(""));
        QCOMPARE(engine.GetDataSet(1, 1)->GetItemCount(), 0);
        QCOMPARE(value(2, "Name/STRING"), QString("B"));
        QCOMPARE(value(2, "Parent/STRING"), QString("A"));
        QCOMPARE(value(2, "Type/ENUM"), QString("User"));
        QCOMPARE(value(3, "Name/STRING"), QString("C"));
        QCOMPARE(value(3, "Depth/INT"), QString("2"));
        QCOMPARE(engine.GetDataSet(1, 3)->GetItemCount(), 8);
    }

    void loaderSkipRulesAndDiagnostics()
    {
        WriteRecords(
            Icons(),
            {
                {"Parent/STRING=Nowhere", "Name/STRING=early", "Type/ENUM=User"},
                {"Name/STRING=untyped"},
                {"Type/ENUM=Directory", "Parent/STRING=root", "Name/STRING=F"},
                {"Type/ENUM=user", "Parent/STRING=F", "Name/STRING=odd", "XPos/INT=abc", "YPos/INT=12", "Depth/INT=3"},
                {"Type/ENUM=System", "Parent/STRING=Gone", "Name/STRING=lost"},
                {"Type/ENUM=System", "Name/STRING=orphan"},
                {"Type/ENUM=User", "Parent/STRING=F", "Name/STRING=odd"},
                {"Type/ENUM=Directory", "Parent/STRING=root", "Name/STRING=F"},
                {"Type/ENUM=User", "Parent/STRING=F", "Name/STRING=in first F"},
            });
        CivIconView view;
        StdoutCapture output;
        CivcIconViewContainer store(&view, m_dir.path());
        QCOMPARE(output.Take(),
                 QByteArray("No Directory in List!!!\n"
                            "Searched for Directory: Nowhere\n"
                            "take Root Directory instead\n"
                            "Unknown Type will be ignored\n"
                            "No Directory Found!!!\n"
                            "Searched for Directory: Gone\n"
                            "take Root Directory instead\n"));
        CwsDirectoryIcon* pRoot = store.GetRoot();
        QStringList rootNames;
        for (CwsIcon* pChild : *pRoot->GetChildrenList())
            rootNames << pChild->GetName();
        // The second "F" and the second "odd" are refused by their folder.
        QCOMPARE(rootNames, QStringList({"early", "F", "lost", "orphan"}));
        auto* pF = static_cast<CwsDirectoryIcon*>(pRoot->GetChildrenList()->at(1));
        QCOMPARE(pF->GetChildCount(), 3);
        CwsIcon* pOdd = pF->GetChildrenList()->at(1);
        QCOMPARE(pOdd->GetName(), QString("odd"));
        QCOMPARE(pOdd->GetX(), 0);
        QCOMPARE(pOdd->GetY(), 12);
        QCOMPARE(pOdd->GetDepth(), 3);
        QCOMPARE(pF->GetChildrenList()->at(2)->GetName(), QString("in first F"));
        QCOMPARE(pRoot->GetChildrenList()->at(2)->GetType(), IconSystem);
    }

    void resetLeavesAnEmptyTreeToSave()
    {
        CivIconView view;
        view.show();
        {
            CivcIconViewContainer store(&view, m_dir.path());
            store.GetRoot()->AddChild(new CwsIcon(&view, "e", "", "", IconUser, 0, 0, 1, store.GetRoot()), false);
            QCOMPARE(view.count(), 1);
            store.Reset();
            QCOMPARE(view.count(), 0);
            QCOMPARE(store.GetRoot()->GetChildCount(), 0);
            QCOMPARE(store.GetRoot()->GetName(), QString("root"));
        }
        rbox engine(Icons());
        QVERIFY(engine.Load());
        QCOMPARE(engine.GetNumberOfDataSets(1), 0);
    }

    void unreadableFileIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("[Main]\nA=1\n");
        QTest::newRow("sqlite header only") << QByteArray("SQLite format 3\0", 16) + QByteArray(84, '\0');
    }

    void unreadableFileIsKeptAside()
    {
        QFETCH(QByteArray, content);
        {
            QFile file(Icons());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        CivIconView view;
        StdoutCapture output;
        {
            CivcIconViewContainer store(&view, m_dir.path());
            QCOMPARE(store.GetRoot()->GetChildCount(), 0);
            store.GetRoot()->AddChild(new CwsIcon(&view, "new", "", "", IconUser, 0, 0, 1, store.GetRoot()), true);
        }
        const QStringList aside = QDir(m_dir.path()).entryList({"icons.damaged-*"});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(ReadAll(m_dir.filePath(aside.first())), content);
        QCOMPARE(QString::fromLocal8Bit(output.Take()),
                 QString("The workspace file %1 could not be read; it was kept as %2\n")
                     .arg(Icons(), m_dir.filePath(aside.first())));
        CivcIconViewContainer reloaded(&view, m_dir.path());
        QCOMPARE(reloaded.GetRoot()->GetChildrenList()->first()->GetName(), QString("new"));
    }

    void writeFailureIsReported()
    {
        CivIconView view;
        const QString qstrMissing = m_dir.filePath("missing");
        StdoutCapture output;
        delete new CivcIconViewContainer(&view, qstrMissing);
        QCOMPARE(output.Take(), "Could not write the workspace file " + QFile::encodeName(qstrMissing) + "/icons\n");
    }

    void killedSaveLeavesOldOrNewTree()
    {
        {
            CivcIconViewContainer store(nullptr, m_dir.path());
            Grow(store.GetRoot(), "first-", 2000);
        }
        QString qstrPrefix = "first-";
        int iCount = 2000;
        int iReplaced = 0;
        int iTorn = 0;
        // A child replaces the tree by a larger one; the first child runs to
        // its end and tells how long the others may live at most.
        const auto saveInChild = [&](const QString& p_qstrNewPrefix) {
            const pid_t pid = fork();
            if (pid == 0) {
                auto* pStore = new CivcIconViewContainer(nullptr, m_dir.path());
                pStore->Reset();
                Grow(pStore->GetRoot(), p_qstrNewPrefix, 10000);
                delete pStore;
                _exit(0);
            }
            return pid;
        };
        waitpid(saveInChild("first-"), nullptr, 0);
        QElapsedTimer clock;
        clock.start();
        waitpid(saveInChild("first-"), nullptr, 0);
        const int iFullRunMs = int(clock.elapsed());
        iCount = 10000;

        QRandomGenerator random(42);
        for (int iRound = 0; iRound < 20; ++iRound) {
            const QString qstrNewPrefix = QString("round%1-").arg(iRound);
            const pid_t pid = saveInChild(qstrNewPrefix);
            // Most kills fall late, where the file is written.
            QTest::qSleep(iFullRunMs * 2 / 5 + random.bounded(iFullRunMs * 9 / 10 + 1));
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            iTorn += QFile::exists(Icons() + ".rbox-new") ? 1 : 0;

            CivcIconViewContainer store(nullptr, m_dir.path());
            QStringList lines;
            Describe(store.GetRoot(), 0, lines);
            lines.removeFirst(); // the root
            lines.removeIf([](const QString& p_qstrLine) { return p_qstrLine.trimmed().startsWith(".."); });
            const bool bNew = lines.size() == 10000 && lines.first().trimmed().startsWith(qstrNewPrefix);
            QVERIFY2(bNew || (lines.size() == iCount && lines.first().trimmed().startsWith(qstrPrefix)),
                     qPrintable(QString("round %1: %2 nodes").arg(iRound).arg(lines.size())));
            if (bNew) {
                qstrPrefix = qstrNewPrefix;
                iCount = 10000;
                ++iReplaced;
            }
        }
        QVERIFY(QDir(m_dir.path()).entryList({"icons.damaged-*"}).isEmpty());
        qInfo("of 20 killed saves, %d had completed and %d were cut while writing", iReplaced, iTorn);
    }
};

QTEST_MAIN(TestCivcIconViewContainer)
#include "tst_civcIconViewContainer.moc"
