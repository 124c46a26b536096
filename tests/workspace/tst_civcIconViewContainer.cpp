// SPDX-License-Identifier: BSD-3-Clause
#include "CivIconView.h"
#include "CivcIconViewContainer.h"
#include "CwsDirectoryIcon.h"
#include "Files.h"

#include <rbox.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

namespace
{
// The tree as text, one line a node, every field included.
void Describe(CwsIcon* p_pNode, int p_iLevel, QStringList& p_qslLines)
{
    p_qslLines << QString("%1%2|%3|%4|%5|%6,%7|%8")
                      .arg(QString(p_iLevel * 2, ' '), p_pNode->GetName(), QString::number(p_pNode->GetType()),
                           p_pNode->GetFunctionality(), p_pNode->GetIconFilename())
                      .arg(p_pNode->GetX())
                      .arg(p_pNode->GetY())
                      .arg(p_pNode->GetDepth());
    if (p_pNode->GetType() == IconDirectory) {
        for (CwsIcon* pChild : *static_cast<CwsDirectoryIcon*>(p_pNode)->GetChildrenList()) {
            QCOMPARE(pChild->GetParent(), p_pNode);
            Describe(pChild, p_iLevel + 1, p_qslLines);
        }
    }
}

QStringList Describe(CivcIconViewContainer& p_store)
{
    QStringList qslLines;
    Describe(p_store.GetRoot(), 0, qslLines);
    return qslLines;
}

// The tree in one line: each node's name, "=command" and "@x,y" where it has them, a folder's children in [].
QString Brief(CwsDirectoryIcon* p_pFolder)
{
    QStringList qslNodes;
    for (CwsIcon* pChild : *p_pFolder->GetChildrenList()) {
        if (pChild->GetType() == IconUp)
            continue;
        QString qstrNode = pChild->GetName();
        if (!pChild->GetFunctionality().isEmpty())
            qstrNode += "=" + pChild->GetFunctionality();
        if (pChild->GetX() || pChild->GetY())
            qstrNode += QString("@%1,%2").arg(pChild->GetX()).arg(pChild->GetY());
        if (pChild->GetType() == IconDirectory)
            qstrNode += "[" + Brief(static_cast<CwsDirectoryIcon*>(pChild)) + "]";
        qslNodes << qstrNode;
    }
    return qslNodes.join(' ');
}

CwsIcon* Find(CwsDirectoryIcon* p_pFolder, const QString& p_qstrName)
{
    if (p_pFolder->GetName() == p_qstrName)
        return p_pFolder;
    for (CwsIcon* pChild : *p_pFolder->GetChildrenList()) {
        CwsIcon* pFound = pChild->GetType() == IconDirectory ? Find(static_cast<CwsDirectoryIcon*>(pChild), p_qstrName)
            : pChild->GetName() == p_qstrName                ? pChild
                                                             : nullptr;
        if (pFound)
            return pFound;
    }
    return nullptr;
}

// Changes the store's tree as "add Folder/Name", "folder Folder/Name", "delete Name", "rename Name New",
// "command Name Text" or "move Name x,y" says; "none" changes nothing.
void Change(CivcIconViewContainer& p_store, const QString& p_qstrChange)
{
    const QStringList qslWords = p_qstrChange.split(' ');
    CwsIcon* pNode = Find(p_store.GetRoot(), qslWords.value(1).section('/', -1));
    CwsDirectoryIcon* pParent = pNode ? pNode->GetParent() : nullptr;
    if (qslWords[0] == "add" || qslWords[0] == "folder") {
        auto* pFolder = static_cast<CwsDirectoryIcon*>(Find(p_store.GetRoot(), qslWords[1].section('/', 0, 0)));
        const QString qstrName = qslWords[1].section('/', 1);
        pFolder->AddChild(qslWords[0] == "add"
                              ? new CwsIcon(pFolder->GetView(), qstrName, "", "", IconUser, 0, 0, 9, pFolder)
                              : new CwsDirectoryIcon(pFolder->GetView(), qstrName, pFolder, 0, 0, 9),
                          true);
    } else if (qslWords[0] == "delete") {
        pParent->RemoveChild(pNode, true);
    } else if (qslWords[0] == "rename") {
        pNode->SetName(qslWords[2]);
    } else if (qslWords[0] == "command") {
        pNode->SetFunctionality(qslWords[2]);
    } else if (qslWords[0] == "move") { // an entry in its place again, with its new position
        const QStringList qslAt = qslWords[2].split(',');
        auto* pMoved = new CwsIcon(pNode->GetView(), pNode->GetName(), pNode->GetFunctionality(), "", IconUser,
                                   qslAt[0].toInt(), qslAt[1].toInt(), pNode->GetDepth(), pParent);
        QList<CwsIcon*>& qlSiblings = *pParent->GetChildrenList();
        delete std::exchange(qlSiblings[qlSiblings.indexOf(pNode)], pMoved);
    }
}
}

class TestCivcIconViewContainer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    CivIconView m_view;
    QString Icons() const { return m_dir.filePath("icons"); }

    // Writes a record file through the engine, one data set a row of column=value pairs.
    void WriteRecords(const QList<QStringList>& p_qlRows)
    {
        rbox engine(Icons());
        engine.Save();
        for (const char* szColumn : {"Type/ENUM", "Parent/STRING", "Name/STRING", "Functionality/STRING",
                                     "IconFilename/STRING", "XPos/INT", "YPos/INT", "Depth/INT"})
            engine.AddHeaderItem(1, szColumn, RboString);
        for (const QStringList& qslRow : p_qlRows) {
            const int iId = engine.CreateDataSet(1);
            for (const QString& qstrPair : qslRow)
                engine.AddItemToDataSet(1, iId, qstrPair.section('=', 0, 0), qstrPair.section('=', 1));
        }
        QVERIFY(engine.SetFinished());
    }

private Q_SLOTS:
    void init()
    {
        for (const QString& qstrName : QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(m_dir.filePath(qstrName));
    }

    // A field, a level or an order lost between saving and loading; icons shown at saving written where they were.
    void roundTrip()
    {
        QStringList qslBefore;
        {
            CivcIconViewContainer store(&m_view, m_dir.path());
            QCOMPARE(store.GetRoot()->GetChildCount(), 0);
            CwsDirectoryIcon* pRoot = store.GetRoot();
            auto* pA = new CwsDirectoryIcon(&m_view, "Büro", pRoot, 160, 75, 1);
            pRoot->AddChild(pA, true);
            pA->AddChild(new CwsIcon(&m_view, "Kunden", "kunden", "k.png", IconSystem, 5, 6, 1, pA), true);
            auto* pB = new CwsDirectoryIcon(&m_view, "Archiv 2025", pA, 0, 0, 2);
            pA->AddChild(pB, true);
            pB->AddChild(new CwsIcon(&m_view, "Alt", "xdg-open 'a b' &", "", IconUser, 0, 0, 1, pB), true);
            pRoot->AddChild(new CwsIcon(&m_view, "Zeta", "", "z.png", IconUser, -3, 9, 3, pRoot), true);
            qslBefore = Describe(store);
            pB->ShowDirectory();
            m_view.MoveItem(pB->GetChildrenList()->at(1)->GetIcon(), QPoint(210, 120));
        }
        qslBefore.replaceInStrings("Alt|1|xdg-open 'a b' &||0,0|1", "Alt|1|xdg-open 'a b' &||210,120|1");
        CivcIconViewContainer reloaded(&m_view, m_dir.path());
        QCOMPARE(Describe(reloaded), qslBefore);
        rbox engine(Icons());
        QVERIFY(engine.Load());
        QCOMPARE(engine.GetNumberOfDataSets(1), 7); // pre-order, an empty data set for each up link
        QCOMPARE(engine.GetDataSet(1, 1)->GetItemCount(), 0);
        QCOMPARE(engine.GetDataSet(1, 2)->GetItem("Parent/STRING")->GetString(), QString("Büro"));
    }

    // A file of version 1.0 written back with items lost (a folder's empty command as none) or values changed.
    void filesOfVersion1()
    {
        QFile qfSql(SAMPLE_SQL); // the demo's sample, as 1.0 wrote workspaces
        QVERIFY(qfSql.open(QIODevice::ReadOnly));
        sqlite3* pDb = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(Icons()).constData(), &pDb), SQLITE_OK);
        QCOMPARE(sqlite3_exec(pDb, qfSql.readAll().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(pDb);
        const auto rows = [&] {
            QStringList qslRows;
            sqlite3* pRead = nullptr;
            sqlite3_open(QFile::encodeName(Icons()).constData(), &pRead);
            sqlite3_stmt* pStmt = nullptr;
            sqlite3_prepare_v2(pRead, "SELECT * FROM rbox_data_1 ORDER BY id", -1, &pStmt, nullptr);
            while (sqlite3_step(pStmt) == SQLITE_ROW) {
                QStringList qslValues;
                for (int i = 1; i < sqlite3_column_count(pStmt); ++i) // without the id: the sample is not in pre-order
                    qslValues << (sqlite3_column_type(pStmt, i) == SQLITE_NULL ? "NULL"
                                                                               : "'"
                                          + QString::fromUtf8(reinterpret_cast<const char*>(
                                              sqlite3_column_text(pStmt, i)))
                                          + "'");
                qslRows << qslValues.join(',');
            }
            sqlite3_finalize(pStmt);
            sqlite3_close(pRead);
            qslRows.sort();
            return qslRows;
        };
        const QStringList qslBefore = rows();
        QVERIFY(CivcIconViewContainer(&m_view, m_dir.path()).Save());
        QCOMPARE(rows(), qslBefore);
    }

    // Two stores of one workspace losing each other's changes, or bringing back what one deleted untouched.
    void twoStores_data()
    {
        QTest::addColumn<QString>("merged"); // the tag: the change saved first | the change of the second store,
                                             // on a tree that does not show the first one yet
        for (const char* szRow : {"add root/X|add Büro/Y|Büro[Kunden=k@10,10 Archiv[] Y] Zeta X",
                                  "move Kunden 100,50|command Kunden neu|Büro[Kunden=neu@100,50 Archiv[]] Zeta",
                                  "command Kunden alt|command Kunden neu|Büro[Kunden=neu@10,10 Archiv[]] Zeta",
                                  "delete Kunden|command Kunden neu|Büro[Kunden=neu@10,10 Archiv[]] Zeta",
                                  "delete Büro|add Archiv/Y|Büro[Archiv[Y]] Zeta",
                                  "delete Zeta|move Kunden 5,5|Büro[Kunden=k@5,5 Archiv[]]",
                                  "rename Büro Ablage|none|Ablage[Kunden=k@10,10 Archiv[]] Zeta",
                                  "folder Archiv/Neu|rename Archiv Alt|Büro[Kunden=k@10,10 Archiv[Neu[]] Alt[]] Zeta",
                                  "none|delete Kunden|Büro[Archiv[]] Zeta"}) {
            const QStringList qslRow = QString(szRow).split('|');
            QTest::newRow(qPrintable(qslRow[0] + "|" + qslRow[1])) << qslRow[2];
        }
    }
    void twoStores()
    {
        {
            CivcIconViewContainer store(&m_view, m_dir.path());
            CwsDirectoryIcon* pRoot = store.GetRoot();
            auto* pOffice = new CwsDirectoryIcon(&m_view, "Büro", pRoot, 0, 0, 1);
            pRoot->AddChild(pOffice, true);
            pOffice->AddChild(new CwsIcon(&m_view, "Kunden", "k", "", IconUser, 10, 10, 1, pOffice), true);
            pOffice->AddChild(new CwsDirectoryIcon(&m_view, "Archiv", pOffice, 0, 0, 2), true);
            pRoot->AddChild(new CwsIcon(&m_view, "Zeta", "", "", IconUser, 0, 0, 2, pRoot), true);
        }
        QFETCH(QString, merged);
        CivcIconViewContainer first(&m_view, m_dir.path()), second(&m_view, m_dir.path());
        Change(first, QString(QTest::currentDataTag()).section('|', 0, 0));
        QVERIFY(first.Save());
        Change(second, QString(QTest::currentDataTag()).section('|', 1, 1));
        QVERIFY(second.Save());
        QCOMPARE(Brief(second.GetRoot()), merged);
        first.Refresh();
        QCOMPARE(Brief(first.GetRoot()), merged);
        QCOMPARE(Brief(CivcIconViewContainer(&m_view, m_dir.path()).GetRoot()), merged);
    }

    // A tree of great depth crashing the store by recursion, one of great width or depth losing nodes.
    void deepAndWideTrees_data()
    {
        QTest::addColumn<bool>("deep"); // else every node in the root
        QTest::newRow("200,000 folders deep") << true;
        QTest::newRow("20,000 entries in one folder") << false;
    }
    void deepAndWideTrees()
    {
        QFETCH(bool, deep);
        const int iNodes = deep ? 200000 : 20000;
        {
            CrboTableWriter writer(Icons(), 1,
                                   {"Type/ENUM", "Parent/STRING", "Name/STRING", "XPos/INT", "YPos/INT", "Depth/INT",
                                    "Functionality/STRING", "IconFilename/STRING"});
            for (int i = 0; i < iNodes; ++i)
                writer.AddDataSet({deep ? "Directory" : "User", deep && i > 0 ? QString("N%1").arg(i - 1) : "root",
                                   QString("N%1").arg(i), "0", "0", "1"});
            QVERIFY(writer.Finish());
        }
        const auto count = [](CivcIconViewContainer& p_store) {
            int iCount = 0;
            for (std::vector<CwsDirectoryIcon*> vFolders {p_store.GetRoot()}; !vFolders.empty();) {
                CwsDirectoryIcon* pFolder = vFolders.back();
                vFolders.pop_back();
                for (CwsIcon* pChild : *pFolder->GetChildrenList()) {
                    iCount += pChild->GetType() != IconUp;
                    if (pChild->GetType() == IconDirectory)
                        vFolders.push_back(static_cast<CwsDirectoryIcon*>(pChild));
                }
            }
            return iCount;
        };
        {
            CivcIconViewContainer store(&m_view, m_dir.path());
            QCOMPARE(count(store), iNodes);
            QVERIFY(store.Save());
        }
        CivcIconViewContainer reloaded(&m_view, m_dir.path());
        QCOMPARE(count(reloaded), iNodes);
    }

    // Unreadable rows that crash the loader or land in the wrong folder without a word.
    void loaderRules()
    {
        WriteRecords({
            {"Parent/STRING=Nowhere", "Name/STRING=early", "Type/ENUM=User"},
            {"Name/STRING=untyped"},
            {"Type/ENUM=Directory", "Parent/STRING=root", "Name/STRING=F"},
            {"Type/ENUM=user", "Parent/STRING=F", "Name/STRING=odd", "XPos/INT=abc", "YPos/INT=12", "Depth/INT=3"},
            {"Type/ENUM=System", "Parent/STRING=Gone", "Name/STRING=lost"},
            {"Type/ENUM=User", "Parent/STRING=Gone", "Name/STRING=lost too"},
            {"Type/ENUM=System", "Name/STRING=orphan"},
            {"Type/ENUM=User", "Parent/STRING=F", "Name/STRING=odd"},
            {"Type/ENUM=Directory", "Parent/STRING=root", "Name/STRING=F"},
            {"Type/ENUM=User", "Parent/STRING=F", "Name/STRING=in first F"},
        });
        std::unique_ptr<CivcIconViewContainer> pStore;
        const QByteArray qbaOutput
            = Files::Stdout([&] { pStore = std::make_unique<CivcIconViewContainer>(&m_view, m_dir.path()); });
        CivcIconViewContainer& store = *pStore;
        QCOMPARE(qbaOutput,
                 QByteArray("No Directory in List!!!\nSearched for Directory: Nowhere\n"
                            "take Root Directory instead\nUnknown Type will be ignored\n"
                            "No Directory Found!!!\nSearched for Directory: Gone\ntake Root Directory instead\n"
                            "No Directory Found!!!\nSearched for Directory: Gone\ntake Root Directory instead\n"));
        QCOMPARE(Describe(store),
                 QStringList({"root|2||directory.bmp|0,0|0", "  early|1|||0,0|0", "  F|2||directory.bmp|0,0|0",
                              "    ..|3||up.bmp|0,0|0", "    odd|1|||0,12|3", "    in first F|1|||0,0|0",
                              "  lost|0|||0,0|0", "  lost too|1|||0,0|0", "  orphan|0|||0,0|0"}));
        store.Reset();
        QCOMPARE(store.GetRoot()->GetChildCount(), 0);
        QVERIFY(store.Save());
        rbox engine(Icons());
        QVERIFY(engine.Load());
        QCOMPARE(engine.GetNumberOfDataSets(1), 0);
    }

    // A file that cannot be read replaced by the next save, or a failed save reported as done.
    void unreadableFileIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("[Main]\nA=1\n");
        QTest::newRow("sqlite header only") << QByteArray("SQLite format 3\0", 16) + QByteArray(84, '\0');
        QTest::newRow("write-ahead log header") << QByteArray::fromBase64("U1FMaXRlIGZvcm1hdCAzAAIAAQI=");
        // A record file whose column was renamed: read as records, it is not a workspace.
        QTemporaryDir dir;
        CrboTableWriter writer(dir.filePath("icons"), 1, {"Type/enum", "Parent/STRING", "Name/STRING"});
        writer.AddDataSet({"User", "root", "Kept"});
        QVERIFY(writer.Finish());
        QTest::newRow("column renamed") << Files::Read(dir.filePath("icons"));
    }
    void unreadableFileIsKeptAside()
    {
        QFETCH(QByteArray, content);
        QVERIFY(Files::Write(Icons(), content));
        const QByteArray qbaOutput = Files::Stdout([&] {
            CivcIconViewContainer store(&m_view, m_dir.path());
            store.GetRoot()->AddChild(new CwsIcon(&m_view, "new", "", "", IconUser, 0, 0, 1, store.GetRoot()), true);
        });
        const QStringList qslAside = QDir(m_dir.path()).entryList({"icons.damaged-*"});
        QCOMPARE(qslAside.size(), 1);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"icons", qslAside.first()}));
        QCOMPARE(Files::Read(m_dir.filePath(qslAside.first())), content);
        QCOMPARE(QString::fromLocal8Bit(qbaOutput),
                 QString("The workspace file %1 could not be read; it was kept as %2\n")
                     .arg(Icons(), m_dir.filePath(qslAside.first())));
        CivcIconViewContainer reloaded(&m_view, m_dir.path());
        QCOMPARE(reloaded.GetRoot()->GetChildrenList()->first()->GetName(), QString("new"));

        const QString qstrMissing = m_dir.filePath("missing");
        CivcIconViewContainer nowhere(&m_view, qstrMissing);
        QCOMPARE(Files::Stdout([&] { QVERIFY(!nowhere.Save()); }),
                 "Could not write the workspace file " + QFile::encodeName(qstrMissing) + "/icons\n");
    }
};

QTEST_MAIN(TestCivcIconViewContainer)
#include "tst_civcIconViewContainer.moc"
