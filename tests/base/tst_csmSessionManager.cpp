#include "CsmSessionManager.h"

#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

class TestCsmSessionManager : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Write(const QByteArray& p_qbaContent, const QString& p_qstrName = "settings.ini")
    {
        const QString qstrPath = m_dir.filePath(p_qstrName);
        QFile file(qstrPath);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(p_qbaContent);
        return qstrPath;
    }

    QByteArray Read(const QString& p_qstrPath)
    {
        QFile file(p_qstrPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    // What a store holds, written out in its own format.
    QByteArray Saved(CsmSessionManager& p_store)
    {
        const QString qstrPath = m_dir.filePath("out.ini");
        return p_store.SaveAs(qstrPath) ? Read(qstrPath) : QByteArray("<not saved>");
    }

private Q_SLOTS:
    void syntax_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("empty file") << QByteArray() << QByteArray();
        QTest::newRow("line ends LF, CR LF, lone CR")
            << QByteArray("[A]\nx=1\r\ny=2\rz=3\n\r\n[B]\rw=4") << QByteArray("[A]\nx=1\ny=2\nz=3\n\n[B]\nw=4\n\n");
        QTest::newRow("lines before the first key") << QByteArray("a=1\n[K]\nb=2\n") << QByteArray("[K]\nb=2\n\n");
        QTest::newRow("[ without ] is skipped, the key stays")
            << QByteArray("[K]\na=1\n[oops=2\nb=3\n") << QByteArray("[K]\na=1\nb=3\n\n");
        QTest::newRow("a bracketed content makes a key line")
            << QByteArray("[K]\npath=C:\\[x]\\y\na=1\n") << QByteArray("[K]\n\n[x]\na=1\n\n");
        QTest::newRow("] before [ runs to the line end")
            << QByteArray("x]y[Name]z\na=1\n") << QByteArray("[Name]z]\na=1\n\n");
        QTest::newRow("empty key name drops entries")
            << QByteArray("[K]\na=1\n[]\nb=2\n[K]\nc=3\n") << QByteArray("[K]\na=1\nc=3\n\n");
        QTest::newRow("entries split at the first =, nothing trimmed")
            << QByteArray("[K]\n=empty name\nempty content=\n a = b=c \nno equals\n")
            << QByteArray("[K]\n=empty name\nempty content=\n a = b=c \n\n");
        QTest::newRow("repeated keys and names collect, case counts")
            << QByteArray("[K]\na=1\na=2\n[k]\na=3\n[K]\nb=4\n") << QByteArray("[K]\na=1\na=2\nb=4\n\n[k]\na=3\n\n");
        QTest::newRow("no comments, non-ASCII bytes kept") << QByteArray("[Grüße]\n;kein=Kommentar\nName=Jürgen 😀\n")
                                                           << QByteArray("[Grüße]\n;kein=Kommentar\nName=Jürgen 😀\n\n");
    }

    void syntax()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, saved);
        CsmSessionManager store;
        QVERIFY(store.Load(Write(file)));
        QCOMPARE(Saved(store), saved);
    }

    void lookupsAndSetters()
    {
        CsmSessionManager store;
        QVERIFY(store.Load(Write("[K]\na=1\na=2\n a =spaced\n[Grüße]\nName=Jürgen\n[]\nlost=1\n")));
        QVERIFY(store.IsKey("K"));
        QVERIFY(!store.IsKey("k"));
        QVERIFY(!store.IsKey(""));
        QCOMPARE(store.GetString("K", "a", "default"), QString("1"));
        QCOMPARE(store.GetString("K", " a ", "default"), QString("spaced"));
        QCOMPARE(store.GetString("K", "b", "default"), QString("default"));
        QCOMPARE(store.GetString("X", "a", "default"), QString("default"));
        QCOMPARE(store.GetString("Grüße", "Name", ""), QString("Jürgen"));

        QVERIFY(store.SetString("K", "a", "changed"));
        QVERIFY(!store.SetString("X", "a", "1"));
        QVERIFY(!store.SetInteger("New", "n", 5));
        QVERIFY(!store.IsKey("New"));
        store.AddKey("New");
        store.AddKey("K"); // an existing key stays as it is
        QVERIFY(store.SetInteger("New", "n", 5));
        store.AddKey("");
        QCOMPARE(Saved(store),
                 QByteArray("[K]\na=changed\na=2\n a =spaced\n\n[Grüße]\nName=Jürgen\n\n"
                            "[New]\nn=5\n\n[]\n\n"));

        // Copies are independent.
        CsmSessionManager copy(store);
        QVERIFY(copy.SetString("K", "a", "in the copy"));
        CsmSessionManager assigned;
        assigned = copy;
        QVERIFY(assigned.SetString("K", "a", "assigned"));
        QCOMPARE(store.GetString("K", "a", ""), QString("changed"));
        QCOMPARE(copy.GetString("K", "a", ""), QString("in the copy"));
        QCOMPARE(assigned.GetString("K", "a", ""), QString("assigned"));

        // Long keys are indexed: the first entry of a name still wins, and
        // entries added later are found.
        CsmSessionManager big;
        QByteArray qbaBig("[Big]\n");
        for (int i = 0; i < 1000; ++i)
            qbaBig += "e" + QByteArray::number(i % 700) + "=" + QByteArray::number(i) + "\n";
        QVERIFY(big.Load(Write(qbaBig, "big.ini")));
        QCOMPARE(big.GetInteger("Big", "e5", -1), 5);
        QCOMPARE(big.GetInteger("Big", "e699", -1), 699);
        QCOMPARE(big.GetInteger("Big", "e700", -1), -1);
        QVERIFY(big.SetInteger("Big", "e700", 7));
        QVERIFY(big.SetInteger("Big", "e5", 55));
        QCOMPARE(big.GetInteger("Big", "e700", -1), 7);
        QCOMPARE(big.GetInteger("Big", "e5", -1), 55);
        // Growing and shrinking contents many times keeps the store small
        // and right.
        for (int i = 0; i < 20000; ++i)
            QVERIFY(big.SetString("Big", "e1", QString(i % 50, QChar('x'))));
        QCOMPARE(big.GetString("Big", "e1", ""), QString(19999 % 50, QChar('x')));
        QCOMPARE(big.GetInteger("Big", "e2", -1), 2);
    }

    void numberForms()
    {
        CsmSessionManager store;
        store.AddKey("N");
        const auto stored = [&](const char* p_szName) { return store.GetString("N", p_szName, "<none>"); };
        QVERIFY(store.SetFloat("N", "f07", 0.7f));
        QVERIFY(store.SetFloat("N", "f25", 2.5f));
        QVERIFY(store.SetFloat("N", "fneg", -0.0015f));
        QVERIFY(store.SetFloat("N", "fhuge", 1e30f));
        QVERIFY(store.SetInteger("N", "imax", 2147483647));
        QVERIFY(store.SetInteger("N", "imin", -2147483647 - 1));
        QCOMPARE(stored("f07"), QString("699"));
        QCOMPARE(stored("f25"), QString("2500"));
        QCOMPARE(stored("fneg"), QString("-1"));
        QCOMPARE(stored("fhuge"), QString("2147483647"));
        QCOMPARE(stored("imin"), QString("-2147483648"));
        QCOMPARE(store.GetFloat("N", "f07", -1), 0.699f);
        QCOMPARE(store.GetInteger("N", "imax", 0), 2147483647);

        for (const auto& [content, integer] : QList<QPair<QString, int>> {{" 42 ", 42},
                                                                          {"+7", 7},
                                                                          {"-2147483648", -2147483647 - 1},
                                                                          {"2147483648", 0},
                                                                          {"abc", 0},
                                                                          {"1 2", 0},
                                                                          {"0x10", 0},
                                                                          {"", 0},
                                                                          {"12abc", 0}}) {
            store.SetString("N", "i", content);
            QCOMPARE(store.GetInteger("N", "i", -99), integer);
        }
        for (const auto& [content, value] : QList<QPair<QString, float>> {{"1500", 1.5f},
                                                                          {"  -250xyz", -0.25f},
                                                                          {"12.5e2Zoom", 1.25f},
                                                                          {"3e", 0.003f},
                                                                          {".5", 0.0005f},
                                                                          {"abc", 0.0f},
                                                                          {"inf", 0.0f},
                                                                          {"", 0.0f}}) {
            store.SetString("N", "f", content);
            QCOMPARE(store.GetFloat("N", "f", -99), value);
        }
        QCOMPARE(store.GetInteger("N", "missing", -99), -99);
        QCOMPARE(store.GetFloat("N", "missing", 2.5f), 2.5f); // not divided
        QCOMPARE(store.GetInteger("Nokey", "i", -99), -99);
    }

    void failures()
    {
        CsmSessionManager store;
        QVERIFY(store.Load(Write("[K]\na=1\n")));
        QVERIFY(!store.Load(m_dir.filePath("missing.ini")));
        QVERIFY(!store.Load(m_dir.path())); // a folder
        QCOMPARE(store.GetString("K", "a", ""), QString("1")); // unchanged

        QVERIFY(!store.Save()); // no file name
        QVERIFY(store.GetFileName().isEmpty());
        store.SetFileName(m_dir.filePath("named.ini"));
        QVERIFY(store.Save());
        QCOMPARE(Read(m_dir.filePath("named.ini")), QByteArray("[K]\na=1\n\n"));
        QVERIFY(!store.SaveAs(m_dir.filePath("no/such/folder/x.ini")));

        CsmSessionManager empty;
        QVERIFY(empty.SaveAs(m_dir.filePath("empty.ini")));
        QCOMPARE(Read(m_dir.filePath("empty.ini")), QByteArray());
    }

    void savingReplacesTheFileWhole()
    {
        const QString qstrFile = Write("[Old]\nkeep=me\n", "atomic.ini");
        CsmSessionManager large;
        large.AddKey("New");
        for (int i = 0; i < 300000; ++i)
            large.SetString("New", QString("entry%1").arg(i), QString("content of entry %1").arg(i));

        // The disk fills up part-way: a child process may write 64 KiB only.
        pid_t pid = fork();
        if (pid == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit {64 * 1024, 64 * 1024};
            setrlimit(RLIMIT_FSIZE, &limit);
            _exit(large.SaveAs(qstrFile) ? 1 : 0);
        }
        int iStatus = 0;
        waitpid(pid, &iStatus, 0);
        QVERIFY(WIFEXITED(iStatus));
        QCOMPARE(WEXITSTATUS(iStatus), 0);
        QCOMPARE(Read(qstrFile), QByteArray("[Old]\nkeep=me\n"));

        // Killed while saving: the old file or the new one, never a torn one.
        const QByteArray qbaNew = [&] {
            large.SaveAs(m_dir.filePath("reference.ini"));
            return Read(m_dir.filePath("reference.ini"));
        }();
        for (int iRound = 0; iRound < 10; ++iRound) {
            Write("[Old]\nkeep=me\n", "atomic.ini");
            pid = fork();
            if (pid == 0) {
                large.SaveAs(qstrFile);
                _exit(0);
            }
            QTest::qSleep(iRound * 15);
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            const QByteArray qbaNow = Read(qstrFile);
            QVERIFY(qbaNow == "[Old]\nkeep=me\n" || qbaNow == qbaNew);
        }

        if (geteuid() == 0)
            QSKIP("file permissions do not bind root");
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(!large.SaveAs(qstrFile));
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TestCsmSessionManager)
#include "tst_csmSessionManager.moc"
