// SPDX-License-Identifier: BSD-3-Clause
#include "CsmSessionManager.h"
#include "Files.h"

#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestCsmSessionManager : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Path(const QString& p_qstrName) const { return m_dir.filePath(p_qstrName); }
    QString Write(const QByteArray& p_qbaContent)
    {
        [&] { QVERIFY(Files::Write(Path("settings.ini"), p_qbaContent)); }();
        return Path("settings.ini");
    }
    // What a store holds, written out in its own format.
    QByteArray Saved(CsmSessionManager& p_store)
    {
        return p_store.SaveAs(Path("out.ini")) ? Files::Read(Path("out.ini")) : QByteArray("<not saved>");
    }

private Q_SLOTS:
    // A line read against the rules, or a file that does not read back as the same keys and entries.
    void syntax_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("saved");
        for (const char* szRow :
             {"empty file||",
              "line ends LF, CR LF, lone CR|[A]\nx=1\r\ny=2\rz=3\n\r\n[B]\rw=4|[A]\nx=1\ny=2\nz=3\n\n[B]\nw=4\n\n",
              "before the first key, [ without ]|a=1\n[K]\nb=2\n[oops=2\nc=3\n|[K]\nb=2\nc=3\n\n",
              "bracketed content makes a key|[K]\npath=C:\\[x]\\y\na=1\n|[K]\n\n[x]\na=1\n\n",
              "] before [ runs to the line end|[a]\nv=1\nx]y[a]b\nw=2\n|[a]\nv=1\n\n][a]b\nw=2\n\n",
              "empty key name drops entries|[K]\na=1\n[]\nb=2\n[K]\nc=3\n|[K]\na=1\nc=3\n\n",
              "split at the first =, nothing trimmed|[K]\n=empty name\nempty content=\n a = b=c \nno "
              "equals\n|[K]\n=empty name\nempty content=\n a = b=c \n\n",
              "repeats collect, case counts|[K]\na=1\na=2\n[k]\na=3\n[K]\nb=4\n|[K]\na=1\na=2\nb=4\n\n[k]\na=3\n\n",
              "bytes kept, names too|[Grüße]\n;x=Jürgen 😀\n[\xff]\n\xfe=\xfd\n|[Grüße]\n;x=Jürgen "
              "😀\n\n[\xff]\n\xfe=\xfd\n\n"}) {
            const QList<QByteArray> qlRow = QByteArray(szRow).split('|'); // name, file, saved
            QTest::newRow(qlRow[0]) << qlRow[1] << qlRow[2];
        }
    }
    void syntax()
    {
        QFETCH(QByteArray, file);
        CsmSessionManager store;
        QVERIFY(store.Load(Write(file)));
        const QByteArray qbaSaved = Saved(store);
        QTEST(qbaSaved, "saved");
        QVERIFY(store.Load(Write(qbaSaved)));
        QCOMPARE(Saved(store), qbaSaved);
    }

    // The wrong entry found or changed, copies sharing entries, an index losing entries.
    void lookupsAndSetters()
    {
        CsmSessionManager store;
        QVERIFY(store.Load(Write("[K]\na=1\na=2\n a =spaced\n[Grüße]\nName=Jürgen\n")));
        QCOMPARE(QList<bool>({store.IsKey("K"), store.IsKey("k"), store.IsKey("")}), QList<bool>({true, false, false}));
        QCOMPARE(store.GetString("K", " a ", "-") + store.GetString("K", "b", "-")
                     + store.GetString("Grüße", "Name", "-"),
                 QString("spaced-Jürgen"));
        QVERIFY(store.SetString("K", "a", "changed"));
        QVERIFY(!store.SetInteger("New", "n", 5));
        QVERIFY(store.AddKey("New") && store.AddKey("K") && store.SetInteger("New", "n", 5));
        QCOMPARE(Saved(store), QByteArray("[K]\na=changed\na=2\n a =spaced\n\n[Grüße]\nName=Jürgen\n\n[New]\nn=5\n\n"));
        CsmSessionManager copy(store);
        CsmSessionManager assigned;
        assigned = copy;
        QVERIFY(copy.SetString("K", "a", "copy") && assigned.SetString("K", "a", "assigned"));
        QCOMPARE(store.GetString("K", "a", "") + copy.GetString("K", "a", ""), QString("changedcopy"));

        QByteArray qbaBig("[Big]\n");
        for (int i = 0; i < 1000; ++i)
            qbaBig += "e" + QByteArray::number(i % 700) + "=" + QByteArray::number(i) + "\n";
        QVERIFY(store.Load(Write(qbaBig)));
        QVERIFY(store.SetInteger("Big", "e700", 7) && store.SetInteger("Big", "e5", 55));
        for (int i = 0; i < 20000; ++i)
            QVERIFY(store.SetString("Big", "e1", QString(i % 50, QChar('x'))));
        QCOMPARE(QList<int>({store.GetInteger("Big", "e700", -1), store.GetInteger("Big", "e5", -1),
                             store.GetInteger("Big", "e699", -1), store.GetInteger("Big", "e2", -1)}),
                 QList<int>({7, 55, 699, 2}));
        QCOMPARE(store.GetString("Big", "e1", ""), QString(19999 % 50, QChar('x')));
    }

    // A name or content taken that would not read back as given: injected keys and entries.
    void refusedNamesAndContents_data()
    {
        QTest::addColumn<QStringList>("keyNameContent");
        for (const QString& qstrRow :
             QStringList {"K|n|x\n[injected]\ny=1", "K|n|x\ry", "K|n|C:\\[x]", "K|a=b|x", "K|[x|x", "K|a\nb|x",
                          "K|n|" + QString(QChar(0xd800)), "|n|x", "K\n[L]|n|x"})
            QTest::newRow(qPrintable(qstrRow)) << qstrRow.split('|');
    }
    void refusedNamesAndContents()
    {
        QFETCH(QStringList, keyNameContent);
        const QString key = keyNameContent[0], name = keyNameContent[1];
        CsmSessionManager store;
        QVERIFY(store.AddKey("K") && store.SetString("K", "n", "old"));
        QCOMPARE(store.AddKey(key), key == "K");
        QVERIFY(!store.SetString(key, name, keyNameContent[2]));
        QVERIFY(!store.SetInteger(key, name, 1) || name == "n");
        QCOMPARE(Saved(store), QByteArray(name == "n" && key == "K" ? "[K]\nn=1\n\n" : "[K]\nn=old\n\n"));
    }

    // Numbers stored or read in another form than described.
    void numberForms()
    {
        CsmSessionManager store;
        store.AddKey("N");
        for (const auto& [fValue, qstrStored] :
             {std::pair {0.7f, "699"}, {2.5f, "2500"}, {-0.0015f, "-1"}, {1e30f, "2147483647"}}) {
            QVERIFY(store.SetFloat("N", "f", fValue));
            QCOMPARE(store.GetString("N", "f", ""), QString(qstrStored));
        }
        QCOMPARE(store.GetFloat("N", "missing", 2.5f), 2.5f); // not divided
        QCOMPARE(store.GetInteger("Nokey", "i", -99), -99);
        for (const QString& qstrRow : QStringList {" 42 |42", "+7|7", "-2147483648|-2147483648", "2147483648|0",
                                                   "abc|0", "1 2|0", "0x10|0", "|0"}) {
            store.SetString("N", "i", qstrRow.section('|', 0, 0));
            QCOMPARE(store.GetInteger("N", "i", -99), qstrRow.section('|', 1).toInt());
        }
        for (const QString& qstrRow :
             QStringList {"1500|1.5", "  -250xyz|-0.25", "12.5e2Zoom|1.25", "3e|0.003", ".5|0.0005", "inf|0", "|0"}) {
            store.SetString("N", "f", qstrRow.section('|', 0, 0));
            QCOMPARE(store.GetFloat("N", "f", -99), qstrRow.section('|', 1).toFloat());
        }
    }

    // A failed load changing the store, a failed or killed save leaving a damaged file or reported as done.
    void failures()
    {
        CsmSessionManager store;
        QVERIFY(store.Load(Write("[Old]\nkeep=me\n")));
        QVERIFY(!store.Load(Path("missing.ini")) && !store.Load(m_dir.path()));
        QVERIFY(!store.Save());
        QVERIFY(!store.SaveAs(Path("no/such/folder/x.ini")));
        store.SetFileName(Path("named.ini"));
        QVERIFY(store.Save());
        QCOMPARE(Files::Read(Path("named.ini")), QByteArray("[Old]\nkeep=me\n\n"));

        CsmSessionManager large;
        large.AddKey("New");
        for (int i = 0; i < 300000; ++i)
            large.SetString("New", QString("entry%1").arg(i), QString("content of entry %1").arg(i));
        QCOMPARE(Files::Wait(Files::StartChild([&] { return large.SaveAs(Path("settings.ini")) ? 1 : 0; }, 64 * 1024)),
                 0);
        QCOMPARE(Files::Read(Path("settings.ini")), QByteArray("[Old]\nkeep=me\n"));
        QVERIFY(large.SaveAs(Path("reference.ini")));
        for (int iRound = 0; iRound < 10; ++iRound) {
            Write("[Old]\nkeep=me\n");
            const pid_t pid = Files::StartChild([&] { return large.SaveAs(Path("settings.ini")) ? 0 : 1; });
            QTest::qSleep(iRound * 15);
            Files::Wait(pid, true);
            const QByteArray qbaNow = Files::Read(Path("settings.ini"));
            QVERIFY(qbaNow == "[Old]\nkeep=me\n" || qbaNow == Files::Read(Path("reference.ini")));
        }
    }

    // The last of two stores saving one file dropping what the other saved; another file not written exactly.
    void twoStoresOneFile()
    {
        const QString qstrFile = Write("[K]\nkept=1\n");
        CsmSessionManager first, second;
        QVERIFY(first.Load(qstrFile) && second.Load(qstrFile));
        for (CsmSessionManager* pStore : {&first, &second})
            pStore->SetFileName(qstrFile);
        QVERIFY(first.SetString("K", "a", "first") && first.SetString("K", "both", "first"));
        QVERIFY(first.AddKey("First") && first.Save());
        QVERIFY(second.SetString("K", "b", "second") && second.SetString("K", "both", "second") && second.Save());
        QCOMPARE(Files::Read(qstrFile), QByteArray("[K]\nkept=1\na=first\nboth=second\nb=second\n\n[First]\n\n"));
        QCOMPARE(second.GetString("K", "a", "-"), QString("first")); // the store holds what it wrote
        QVERIFY(first.SetInteger("K", "kept", 2) && first.Save());
        QCOMPARE(Files::Read(qstrFile), QByteArray("[K]\nkept=2\na=first\nboth=second\nb=second\n\n[First]\n\n"));

        CsmSessionManager other;
        QVERIFY(other.AddKey("Other") && other.SaveAs(Path("other.ini")) && Write("[Changed]\n") == qstrFile);
        QVERIFY(other.SaveAs(qstrFile));
        QCOMPARE(Files::Read(qstrFile), QByteArray("[Other]\n\n"));
    }

    // Processes saving one file at once losing each other's entries; a lock of a dead process, or one held for
    // ever, hanging the save.
    void processesSaving()
    {
        const QString qstrFile = Path("shared.ini");
        QFile::remove(qstrFile);
        std::vector<std::unique_ptr<QProcess>> vChildren;
        for (int iChild = 0; iChild < 4; ++iChild) {
            auto& pChild = vChildren.emplace_back(std::make_unique<QProcess>());
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("TORVAS_SETTINGS_CHILD", qstrFile + "|" + QString::number(iChild));
            pChild->setProcessEnvironment(environment);
            pChild->start(QCoreApplication::applicationFilePath(), {"savingChild"});
        }
        for (auto& pChild : vChildren)
            QVERIFY(pChild->waitForFinished(60000) && pChild->exitCode() == 0);
        CsmSessionManager store;
        QVERIFY(store.Load(qstrFile));
        int iFound = 0;
        for (int iChild = 0; iChild < 4; ++iChild) {
            for (int i = 0; i < 25; ++i)
                iFound += store.GetInteger(QString("Child %1").arg(iChild), QString("e%1").arg(i), -1) == i;
        }
        QCOMPARE(iFound, 100);

        Files::Wait(Files::StartChild([&] { return (new QLockFile(qstrFile + ".lock"))->lock() ? 0 : 1; }));
        QVERIFY(QFile::exists(qstrFile + ".lock"));
        QVERIFY(store.SetInteger("Child 0", "e0", 100) && store.SaveAs(qstrFile)); // the dead process's lock
        QFile qfUnnamed(qstrFile + ".lock"); // left by a process killed while it made it
        QVERIFY(qfUnnamed.open(QIODevice::WriteOnly)
                && qfUnnamed.setFileTime(QDateTime::currentDateTime().addSecs(-2), QFileDevice::FileModificationTime));
        qfUnnamed.close();
        QVERIFY(store.SaveAs(qstrFile));
        QLockFile held(qstrFile + ".lock");
        QVERIFY(held.lock());
        QVERIFY(store.SetInteger("Child 0", "e0", 200) && !store.SaveAs(qstrFile));
        held.unlock();
        QVERIFY(store.Load(qstrFile) && store.GetInteger("Child 0", "e0", -1) == 100);
    }
    // One of the processes above: saves an entry of its own 25 times.
    void savingChild()
    {
        const QStringList qslChild = qEnvironmentVariable("TORVAS_SETTINGS_CHILD").split('|');
        if (qslChild.size() != 2)
            QSKIP("run by processesSaving");
        CsmSessionManager store;
        store.Load(qslChild[0]);
        store.SetFileName(qslChild[0]);
        for (int i = 0; i < 25; ++i) {
            QVERIFY(store.AddKey("Child " + qslChild[1])
                    && store.SetInteger("Child " + qslChild[1], QString("e%1").arg(i), i));
            QVERIFY(store.Save());
        }
    }
};

QTEST_GUILESS_MAIN(TestCsmSessionManager)
#include "tst_csmSessionManager.moc"
