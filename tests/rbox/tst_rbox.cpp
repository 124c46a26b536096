#include <rbox.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

class TestRbox : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Path(const QString& p_qstrName) const { return m_dir.filePath(p_qstrName); }

    // Two tables: table 1 with three columns and four data sets, table 7
    // with one column.
    static bool WriteSample(const QString& p_qstrFile, int p_iRows = 4)
    {
        rbox engine(p_qstrFile);
        if (!engine.Save())
            return false;
        engine.AddHeaderItem(1, "Name/STRING", RboString);
        engine.AddHeaderItem(1, "XPos/INT", RboInt);
        engine.AddHeaderItem(1, "Notiz", RboString);
        engine.AddHeaderItem(7, "Other", RboString);
        for (int i = 0; i < p_iRows; ++i) {
            const int iId = engine.CreateDataSet(1);
            if (i == 1)
                continue; // an empty data set
            engine.AddItemToDataSet(1, iId, "Name/STRING", QString("Äpfel \"%1\" 😀").arg(i));
            engine.AddItemToDataSet(1, iId, "XPos/INT", QString::number(i * 10));
            if (i == 2)
                engine.AddItemToDataSet(1, iId, "Notiz", QString()); // empty, but present
        }
        engine.AddItemToDataSet(7, engine.CreateDataSet(7), "Other", QString::fromUtf8("zero\0byte", 9));
        return engine.SetFinished();
    }

    static void Sql(const QString& p_qstrFile, const char* p_szSql)
    {
        sqlite3* pDb = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(p_qstrFile).constData(), &pDb), SQLITE_OK);
        QCOMPARE(sqlite3_exec(pDb, p_szSql, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(pDb);
    }

private Q_SLOTS:
    void roundTrip()
    {
        QVERIFY(WriteSample(Path("sample")));
        rbox engine(Path("sample"));
        QVERIFY(engine.Load());
        QCOMPARE(engine.GetNumberOfDataSets(1), 4);
        QCOMPARE(engine.GetNumberOfDataSets(7), 1);
        QCOMPARE(engine.GetNumberOfDataSets(2), 0);
        for (int i = 0; i < 4; ++i) {
            CrboDataSet* pSet = engine.GetDataSet(1, i);
            QVERIFY(pSet);
            QCOMPARE(pSet->GetId(), i);
            if (i == 1) {
                QCOMPARE(pSet->GetItemCount(), 0);
                QVERIFY(!pSet->GetItem("Name/STRING"));
                continue;
            }
            QCOMPARE(pSet->GetItem("Name/STRING")->GetString(), QString("Äpfel \"%1\" 😀").arg(i));
            QCOMPARE(pSet->GetItem("XPos/INT")->GetString(), QString::number(i * 10));
            QCOMPARE(pSet->GetItem("Notiz") != nullptr, i == 2);
            QVERIFY(!pSet->GetItem("name/string")); // names are exact
        }
        QVERIFY(engine.GetDataSet(1, 2)->GetItem("Notiz")->GetString().isEmpty());
        QCOMPARE(engine.GetDataSet(7, 0)->GetItem("Other")->GetString(), QString::fromUtf8("zero\0byte", 9));
        QVERIFY(!engine.GetDataSet(1, 4));
        QVERIFY(!engine.GetDataSet(1, -1));
        QVERIFY(!engine.GetDataSet(3, 0));

        // Reading with the sqlite3 shell's view of the file.
        sqlite3* pDb = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(Path("sample")).constData(), &pDb), SQLITE_OK);
        sqlite3_stmt* pStmt = nullptr;
        QCOMPARE(sqlite3_prepare_v2(pDb, "SELECT c2 FROM rbox_data_1 WHERE id = 3", -1, &pStmt, nullptr), SQLITE_OK);
        QCOMPARE(sqlite3_step(pStmt), SQLITE_ROW);
        QCOMPARE(reinterpret_cast<const char*>(sqlite3_column_text(pStmt, 0)), "30");
        sqlite3_finalize(pStmt);
        sqlite3_close(pDb);
    }

    void declarationsAndDroppedItems()
    {
        rbox engine(Path("decl"));
        QVERIFY(engine.Save());
        QVERIFY(engine.AddHeaderItem(1, "A", RboString));
        QVERIFY(!engine.AddHeaderItem(1, "A", RboInt));
        QVERIFY(!engine.AddHeaderItem(1, "", RboString));
        QVERIFY(engine.AddHeaderItem(1, "a", RboString)); // another column
        QCOMPARE(engine.CreateDataSet(1), 0);
        QCOMPARE(engine.CreateDataSet(1), 1);
        engine.AddItemToDataSet(1, 0, "A", "first");
        engine.AddItemToDataSet(1, 0, "A", "second"); // replaces
        engine.AddItemToDataSet(1, 0, "undeclared", "x");
        engine.AddItemToDataSet(1, 5, "A", "no such data set");
        engine.AddItemToDataSet(4, 0, "A", "no such table");
        QVERIFY(engine.SetFinished());

        QVERIFY(engine.Load());
        QCOMPARE(engine.GetDataSet(1, 0)->GetItemCount(), 1);
        QCOMPARE(engine.GetDataSet(1, 0)->GetItem("A")->GetString(), QString("second"));
        QCOMPARE(engine.GetNumberOfDataSets(4), 0);

        // Save() starts afresh: the next file holds only what follows it.
        QVERIFY(engine.Save());
        QCOMPARE(engine.GetNumberOfDataSets(1), 0);
        QVERIFY(engine.SetFinished());
        QVERIFY(engine.Load());
        QCOMPARE(engine.GetNumberOfDataSets(1), 0);
    }

    void unreadableFiles_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* szKind : {"missing", "folder", "empty", "text", "foreign sqlite", "newer version",
                                   "renumbered rows", "missing rows", "truncated", "damaged"})
            QTest::newRow(szKind) << QString(szKind);
    }

    void unreadableFiles()
    {
        QFETCH(QString, kind);
        const QString qstrFile = Path("bad-" + kind);
        if (kind != "missing" && kind != "folder" && kind != "empty" && kind != "text")
            QVERIFY(WriteSample(qstrFile, kind == "truncated" || kind == "damaged" ? 3000 : 4));

        if (kind == "folder") {
            QVERIFY(QDir().mkpath(qstrFile));
        } else if (kind == "empty") {
            QFile file(qstrFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (kind == "text") {
            QFile file(qstrFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[Main]\nName=Value\n");
        } else if (kind == "foreign sqlite") {
            QFile::remove(qstrFile);
            Sql(qstrFile, "CREATE TABLE t (a, b); INSERT INTO t VALUES (1, 2);");
        } else if (kind == "newer version") {
            Sql(qstrFile, "PRAGMA user_version = 2");
        } else if (kind == "renumbered rows") {
            Sql(qstrFile, "UPDATE rbox_data_1 SET id = id + 10 WHERE id = 3");
        } else if (kind == "missing rows") {
            Sql(qstrFile, "DELETE FROM rbox_data_1 WHERE id = 2");
        } else if (kind == "truncated" || kind == "damaged") {
            QFile file(qstrFile);
            QVERIFY(file.open(QIODevice::ReadWrite));
            const qint64 iSize = file.size();
            if (kind == "truncated") {
                QVERIFY(file.resize(iSize / 2));
            } else {
                file.seek(iSize / 2);
                file.write(QByteArray(8192, '\x5a'));
            }
        }

        rbox engine(qstrFile);
        QVERIFY(!engine.Load());
        QCOMPARE(engine.GetNumberOfDataSets(1), 0);
        QVERIFY(!engine.GetDataSet(1, 0));
    }

    void failedWritesLeaveTheOldFile()
    {
        QVERIFY(WriteSample(Path("keep")));
        const QByteArray qbaOld = [&] {
            QFile file(Path("keep"));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();

        rbox nowhere(Path("no/such/folder/file"));
        QVERIFY(!nowhere.Save());
        nowhere.AddHeaderItem(1, "A", RboString);
        QVERIFY(!nowhere.SetFinished());

        rbox onFolder(m_dir.path());
        onFolder.Save();
        QVERIFY(!onFolder.SetFinished());

        // The disk fills up part-way: a child process may write 64 KiB only.
        const pid_t pid = fork();
        if (pid == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit {64 * 1024, 64 * 1024};
            setrlimit(RLIMIT_FSIZE, &limit);
            _exit(WriteSample(Path("keep"), 20000) ? 1 : 0);
        }
        int iStatus = 0;
        QCOMPARE(waitpid(pid, &iStatus, 0), pid);
        QVERIFY(WIFEXITED(iStatus));
        QCOMPARE(WEXITSTATUS(iStatus), 0); // SetFinished reported the failure

        QFile file(Path("keep"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), qbaOld);
        QVERIFY(!QFile::exists(Path("keep") + ".rbox-new"));

        if (geteuid() == 0)
            QSKIP("file permissions do not bind root");
        QFile::setPermissions(Path("keep"), QFile::ReadOwner);
        QVERIFY(!WriteSample(Path("keep")));
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(!WriteSample(Path("new")));
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TestRbox)
#include "tst_rbox.moc"
