// SPDX-License-Identifier: BSD-3-Clause
#include "Files.h"

#include <rbox.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

class TestRbox : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Path(const QString& p_qstrName) const { return m_dir.filePath(p_qstrName); }
    // Table 1: three columns, the data sets named by the prefix (the second
    // one empty); table 7: one column.
    static bool WriteSample(const QString& p_qstrFile, int p_iRows = 4, const QString& p_qstrPrefix = "Äpfel 😀 ")
    {
        rbox engine(p_qstrFile);
        engine.Save();
        for (const char* szColumn : {"Name/STRING", "XPos/INT", "Notiz"})
            engine.AddHeaderItem(1, szColumn, RboString);
        engine.AddHeaderItem(7, "Other", RboString);
        for (int i = 0; i < p_iRows; ++i) {
            const int iId = engine.CreateDataSet(1);
            if (i == 1)
                continue;
            engine.AddItemToDataSet(1, iId, "Name/STRING", p_qstrPrefix + QString::number(i));
            engine.AddItemToDataSet(1, iId, "XPos/INT", QString::number(i * 10));
            if (i == 2)
                engine.AddItemToDataSet(1, iId, "Notiz", QString()); // empty, but present
        }
        engine.AddItemToDataSet(7, engine.CreateDataSet(7), "Other", QString::fromUtf8("zero\0byte", 9));
        return engine.SetFinished();
    }
    // The file as text, one line a data set of table 1, as read one data set at a time ("-": no value, and
    // table 1 has no column "Other"); empty when it does not load.
    static QString Describe(const QString& p_qstrFile)
    {
        QStringList qslLines;
        const bool bRead = rbox(p_qstrFile)
                               .Load(1, {"Notiz", "Name/STRING", "XPos/INT", "Other"},
                                     [&](int p_iId, const QStringList& p_qslValues) {
                                         QStringList qslItems;
                                         for (const QString& qstrValue : p_qslValues)
                                             qslItems << (qstrValue.isNull() ? "-" : qstrValue);
                                         qslLines << QString::number(p_iId) + ":" + qslItems.join('|');
                                     });
        return bRead ? qslLines.join('\n') : QString();
    }
    static void Sql(const QString& p_qstrFile, const QByteArray& p_qbaSql)
    {
        sqlite3* pDb = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(p_qstrFile).constData(), &pDb), SQLITE_OK);
        QCOMPARE(sqlite3_exec(pDb, p_qbaSql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(pDb);
    }

private Q_SLOTS:
    // A value, an empty data set or a column lost or changed between writing and reading.
    void roundTrip()
    {
        QVERIFY(WriteSample(Path("sample")));
        QCOMPARE(Describe(Path("sample")),
                 QString("0:-|Äpfel 😀 0|0|-\n1:-|-|-|-\n2:|Äpfel 😀 2|20|-\n3:-|Äpfel 😀 3|30|-"));
        Sql(Path("sample"), "DROP TABLE rbox_checksums"); // as files of earlier versions are
        QCOMPARE(Describe(Path("sample")),
                 QString("0:-|Äpfel 😀 0|0|-\n1:-|-|-|-\n2:|Äpfel 😀 2|20|-\n3:-|Äpfel 😀 3|30|-"));
        rbox engine(Path("sample"));
        QVERIFY(engine.Load());
        QCOMPARE(engine.GetDataSet(7, 0)->GetItem("Other")->GetString(), QString::fromUtf8("zero\0byte", 9));
        QVERIFY(!engine.GetDataSet(1, 4) && !engine.GetDataSet(1, -1) && !engine.GetDataSet(3, 0));
        QVERIFY(!engine.GetDataSet(1, 0)->GetItem("name/string") && engine.GetDataSet(1, 2)->GetItem("Notiz")
                && engine.GetDataSet(1, 1)->GetItemCount() == 0);

        QVERIFY(engine.Save());
        QVERIFY(engine.AddHeaderItem(1, "A", RboString) && !engine.AddHeaderItem(1, "A", RboInt)
                && !engine.AddHeaderItem(1, "", RboString));
        QCOMPARE(engine.CreateDataSet(1), 0);
        engine.AddItemToDataSet(1, 0, "A", "first");
        engine.AddItemToDataSet(1, 0, "A", "second");
        engine.AddItemToDataSet(1, 0, "undeclared", "x");
        engine.AddItemToDataSet(1, 5, "A", "no such data set");
        QVERIFY(engine.SetFinished() && engine.Load());
        QCOMPARE(engine.GetDataSet(1, 0)->GetItemCount(), 1);
        QCOMPARE(engine.GetDataSet(1, 0)->GetItem("A")->GetString(), QString("second"));
        QCOMPARE(engine.GetNumberOfDataSets(7), 0);

        CrboTableWriter empty(Path("empty"), 1, {"Notiz"});
        empty.AddDataSet({""});
        QVERIFY(empty.Finish());
        QCOMPARE(Describe(Path("empty")), QString("0:|-|-|-")); // an empty value is not none

        // Enough data sets to be written in several batches, each in its place.
        const auto Value = [](int i) {
            return i % 7 == 0 ? QString() : i % 1000 == 1 ? QString(300000, QChar(u'ß')) : QString("Wert %1 ü").arg(i);
        };
        CrboTableWriter writer(Path("many"), 2, {"A", "B"});
        for (int i = 0; i < 20000; ++i)
            writer.AddDataSet({Value(i), QString::number(i)});
        QVERIFY(writer.Finish());
        int iRead = 0;
        QVERIFY(rbox(Path("many")).Load(2, {"B", "A"}, [&](int p_iId, const QStringList& p_qslValues) {
            iRead += p_iId == iRead && p_qslValues[0] == QString::number(p_iId) && p_qslValues[1] == Value(p_iId)
                && p_qslValues[1].isNull() == (p_iId % 7 == 0);
        }));
        QCOMPARE(iRead, 20000);
    }

    // A file that is not a complete record file read as one, or reading that writes beside the file.
    void unreadableFiles_data()
    {
        QTest::addColumn<QString>("kind"); // SQL is run on a sample
        for (const char* szKind :
             {"missing",
              "folder",
              "empty",
              "text",
              "write-ahead log header",
              "truncated",
              "damaged",
              "last bytes cut",
              "value byte changed",
              "DROP TABLE rbox_tables",
              "PRAGMA user_version = 2",
              "UPDATE rbox_data_1 SET id = id + 10 WHERE id = 3",
              "DELETE FROM rbox_data_1 WHERE id = 2",
              "UPDATE rbox_data_1 SET c2 = '2' WHERE id = 0",
              "UPDATE rbox_columns SET name = 'x' WHERE position = 3",
              "UPDATE rbox_tables SET tbl = 4294967297 WHERE tbl = 7",
              "DELETE FROM rbox_checksums WHERE tbl = 7",
              "DROP TABLE rbox_data_1; CREATE VIEW rbox_data_1 AS WITH RECURSIVE r(id) AS (SELECT 0 UNION ALL SELECT "
              "id + 1 FROM r) SELECT id, 'a' AS c1, 'b' AS c2, 'c' AS c3 FROM r",
              "CREATE TABLE other (x)",
              "CREATE TRIGGER t AFTER INSERT ON rbox_tables BEGIN SELECT 1; END",
              "ALTER TABLE rbox_data_7 ADD COLUMN c2 TEXT"})
            QTest::newRow(szKind) << QString(szKind);
    }
    void unreadableFiles()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString qstrFile = dir.filePath("file");
        const QMap<QString, QByteArray> qmBytes
            = {{"empty", ""},
               {"text", "[Main]\nName=Value\n"},
               {"write-ahead log header", QByteArray::fromBase64("U1FMaXRlIGZvcm1hdCAzAAIAAQI=")}};
        const bool bDamaged = kind == "truncated" || kind == "damaged" || kind.contains("byte");
        if (kind == "folder")
            QVERIFY(QDir().mkpath(qstrFile));
        else if (qmBytes.contains(kind))
            QVERIFY(Files::Write(qstrFile, qmBytes[kind]));
        else if (kind != "missing")
            QVERIFY(WriteSample(qstrFile, bDamaged ? 20000 : 4));
        if (kind.contains(' ') && !qmBytes.contains(kind) && !bDamaged)
            Sql(qstrFile, kind.toUtf8());
        QByteArray qbaFile = Files::Read(qstrFile);
        if (bDamaged) {
            if (kind == "truncated")
                qbaFile.truncate(qbaFile.size() / 2);
            else if (kind == "last bytes cut")
                qbaFile.chop(40);
            else if (kind == "value byte changed")
                ++qbaFile[qbaFile.indexOf(QString("Äpfel 😀 19876").toUtf8()) + 12];
            else
                qbaFile.replace(qbaFile.size() / 2, 8192, QByteArray(8192, '\x5a'));
            QVERIFY(Files::Write(qstrFile, qbaFile));
        }
        const QStringList qslBefore
            = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        rbox engine(qstrFile);
        QVERIFY(!engine.Load() && Describe(qstrFile).isNull());
        QVERIFY(engine.GetNumberOfDataSets(1) == 0 && !engine.GetDataSet(1, 0));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), qslBefore);
        QCOMPARE(Files::Read(qstrFile), qbaFile);
    }

    // A failed write reported as done, or leaving anything but the old file.
    void failedWritesLeaveTheOldFile()
    {
        QVERIFY(WriteSample(Path("keep")));
        const QByteArray qbaOld = Files::Read(Path("keep"));
        rbox nowhere(Path("no/such/folder/file"));
        QVERIFY(!nowhere.Save() && !nowhere.SetFinished());
        rbox onFolder(m_dir.path());
        onFolder.Save();
        QVERIFY(!onFolder.SetFinished());
        for (const QStringList& qslColumns : {QStringList {"A", "A"}, QStringList {""}})
            QVERIFY(!CrboTableWriter(Path("keep"), 1, qslColumns).Finish());
        {
            CrboTableWriter unfinished(Path("keep"), 1, {"A"});
            for (int i = 0; i < 10000; ++i)
                unfinished.AddDataSet({"dropped unfinished"});
        }
        QVERIFY(!CrboTableWriter(Path("no/such/folder/file"), 1, {"A"}).Finish());
        QCOMPARE(Files::Wait(Files::StartChild([&] { return WriteSample(Path("keep"), 20000) ? 1 : 0; }, 64 * 1024)),
                 0);
        QCOMPARE(Files::Read(Path("keep")), qbaOld);

        QCOMPARE(QDir(m_dir.path()).entryList({"keep*"}, QDir::Files), QStringList({"keep"}));
    }

    // Two writers of one file taking each other's temporary file: a Finish() true for a file that does not hold
    // what it wrote, or false for one that does.
    void twoWriters_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second"); // data sets of the writer made second, which finishes first
        for (const auto& [iFirst, iSecond] : {std::pair {10, 20000}, {20000, 10}, {10, 20}, {20000, 30000}})
            QTest::addRow("%d, then %d finishing first", iFirst, iSecond) << iFirst << iSecond;
    }
    void twoWriters()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        const QString qstrFile = Path("shared");
        CrboTableWriter a(qstrFile, 1, {"A"});
        CrboTableWriter b(qstrFile, 1, {"A"});
        for (const auto& [pWriter, iRows] : {std::pair {&a, first}, {&b, second}}) {
            for (int i = 0; i < iRows; ++i)
                pWriter->AddDataSet({QString("%1 %2").arg(iRows).arg(i)});
        }
        for (const auto& [pWriter, iRows] : {std::pair {&b, second}, {&a, first}}) {
            QVERIFY(pWriter->Finish());
            int iRead = 0;
            QVERIFY(rbox(qstrFile).Load(1, {"A"}, [&](int p_iId, const QStringList& p_qslValues) {
                iRead += p_qslValues[0] == QString("%1 %2").arg(iRows).arg(p_iId);
            }));
            QCOMPARE(iRead, iRows);
        }
        QCOMPARE(QDir(m_dir.path()).entryList({"shared*"}, QDir::Files), QStringList({"shared"}));
    }
};

QTEST_GUILESS_MAIN(TestRbox)
#include "tst_rbox.moc"
