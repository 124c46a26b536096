// SPDX-License-Identifier: BSD-3-Clause
#include "CfmFilemanager.h"
#include "Files.h"
#include "UiDriver.h"

#include <QTest>

#include <QFileDialog>
#include <QTemporaryDir>

class TestCfmFilemanager : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    CfmFilemanager m_manager;
    QList<QByteArray> m_qslPrinted;

    QString Path(const QString& p_qstrName) const { return m_dir.filePath(p_qstrName); }

    // Answers the modal widgets that open one after the other: a file dialog
    // with a name typed (null: cancelled), a message box with a button's
    // text; records what each showed.
    static void Answer(const QStringList& p_qslAnswers, const std::shared_ptr<QStringList>& p_pSeen)
    {
        if (p_qslAnswers.isEmpty())
            return;
        UiDriver::OnNextModal([=](QWidget* p_pModal) {
            Answer(p_qslAnswers.mid(1), p_pSeen);
            if (auto* pBox = qobject_cast<QMessageBox*>(p_pModal)) {
                *p_pSeen << pBox->windowTitle() + ": " + pBox->text();
                for (QAbstractButton* pButton : pBox->buttons())
                    if (pButton->text() == p_qslAnswers.first())
                        QTest::mouseClick(pButton, Qt::LeftButton);
                return;
            }
            auto* pDialog = qobject_cast<QFileDialog*>(p_pModal);
            *p_pSeen << QString("%1 %2 in %3")
                            .arg(pDialog->acceptMode() == QFileDialog::AcceptSave ? "save" : "open",
                                 pDialog->nameFilters().join(';'), pDialog->directory().dirName());
            if (p_qslAnswers.first().isNull())
                return pDialog->reject();
            pDialog->findChild<QLineEdit*>("fileNameEdit")->setText(p_qslAnswers.first());
            QMetaObject::invokeMethod(pDialog, "accept");
        });
    }
    QString Save(const QString& p_qstrText, bool p_bAsk, const QString& p_qstrType, const QString& p_qstrName,
                 const QStringList& p_qslAnswers = {}, const std::shared_ptr<QStringList>& p_pSeen = {})
    {
        Answer(p_qslAnswers, p_pSeen ? p_pSeen : std::make_shared<QStringList>());
        QString qstrSaved;
        for (const QByteArray& qbaLine : Files::Stdout([&] {
                                             qstrSaved = m_manager.SaveFile(p_qstrText, p_bAsk, p_qstrType, p_qstrName,
                                                                            m_dir.path());
                                         }).split('\n'))
            if (qbaLine.startsWith("Filename: "))
                m_qslPrinted << qbaLine;
        return qstrSaved;
    }

private Q_SLOTS:
    // Line ends read wrongly, or the chosen name not recorded.
    void loading()
    {
        QVERIFY(Files::Write(Path("mixed.txt"), "eins\r\nzwei\rdrei\n\nGrüße 😀"));
        QCOMPARE(m_manager.LoadFile(false, "txt", Path("mixed.txt"), QString()),
                 QString("eins\nzwei\ndrei\n\nGrüße 😀\n"));
        QVERIFY(Files::Write(Path("empty.txt"), ""));
        QVERIFY(m_manager.LoadFile(false, QString(), Path("empty.txt"), QString()).isNull());
        QVERIFY(m_manager.LoadFile(false, QString(), Path("missing.txt"), QString()).isNull());
        QCOMPARE(m_manager.GetFilename(), Path("missing.txt"));
        auto pSeen = std::make_shared<QStringList>();
        Answer({Path("mixed.txt"), QString()}, pSeen);
        QCOMPARE(m_manager.LoadFile(true, "*.txt", "ignored", m_dir.path()).left(5), QString("eins\n"));
        QVERIFY(m_manager.LoadFile(false, "txt", QString(), m_dir.path()).isNull());
        QCOMPARE(*pSeen,
                 QStringList({"open *.txt in " + m_dir.path().section('/', -1),
                              "open *.txt in " + m_dir.path().section('/', -1)}));
        QCOMPARE(m_manager.GetFilename(), QString(""));
    }

    // An older program's Latin-1 file read with replacement characters, or its characters destroyed when saved back.
    void encodings_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("saved"); // the text saved back over the file
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("Latin-1 stays") << QByteArray("Gr\xfc\xdf"
                                                     "e")
                                       << "Grüße\n"
                                       << QByteArray("Gr\xfc\xdf"
                                                     "e\n");
        QTest::newRow("Latin-1 with a euro") << QByteArray("Gr\xfc\xdf"
                                                           "e")
                                             << "Grüße €\n"
                                             << QString("Grüße €\n").toUtf8();
        QTest::newRow("UTF-8 stays") << QString("Grüße").toUtf8() << "Grüße\n" << QString("Grüße\n").toUtf8();
    }
    void encodings()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, saved);
        QVERIFY(Files::Write(Path("old.txt"), file));
        QCOMPARE(m_manager.LoadFile(false, "txt", Path("old.txt"), QString()), QString("Grüße\n"));
        QCOMPARE(Save(saved, false, "txt", Path("old.txt")), Path("old.txt"));
        QTEST(Files::Read(Path("old.txt")), "written");
    }

    // The extension added to the wrong names, or an existing file replaced without the user's consent.
    void saving()
    {
        QVERIFY(QDir().mkpath(Path("sub.dir")));
        QCOMPARE(Save("a", false, "txt", Path("sub.dir/datei")), Path("sub.dir/datei.txt"));
        QCOMPARE(Save("b", false, QString(), Path("bare")), Path("bare."));
        QCOMPARE(Save("c", false, "*.log", Path("name.x")), Path("name.x"));
        QCOMPARE(Files::Read(Path("sub.dir/datei.txt")), QByteArray("a"));

        auto pSeen = std::make_shared<QStringList>();
        const QString qstrQuestion = "Datei speichern: Die Datei \"" + Path("sub.dir/datei.txt")
            + "\" gibt es schon.\n"
              "Soll sie ersetzt werden?";
        QVERIFY(Save("new", true, "txt", QString(), {Path("sub.dir/datei"), "&Nein", QString()}, pSeen).isNull());
        QCOMPARE(pSeen->mid(1), QStringList({qstrQuestion, "save *.txt in sub.dir"}));
        QCOMPARE(Files::Read(Path("sub.dir/datei.txt")), QByteArray("a"));
        QCOMPARE(Save("new", true, "txt", "given", {Path("sub.dir/datei"), "&Ja"}), Path("sub.dir/datei.txt"));
        QCOMPARE(Files::Read(Path("sub.dir/datei.txt")), QByteArray("new"));
        QCOMPARE(m_qslPrinted.mid(m_qslPrinted.size() - 2), QList<QByteArray>({"Filename: (null)", "Filename: given"}));
    }

    // A failed save reported as done, or leaving anything beside the file.
    void failedSaveIsReported()
    {
        QVERIFY(Save("x", false, "txt", Path("no/such/dir/f.txt")).isNull());
        QVERIFY(Files::Write(Path("keep.txt"), "old content"));
        QCOMPARE(Files::Wait(Files::StartChild(
                     [&] { return Save(QString(500000, 'L'), false, "txt", Path("keep.txt")).isNull() ? 0 : 1; },
                     64 * 1024)),
                 0);
        QCOMPARE(QDir(m_dir.path()).entryList({"keep.txt*"}, QDir::Files | QDir::Hidden), QStringList({"keep.txt"}));
    }
};

QTEST_MAIN(TestCfmFilemanager)
#include "tst_cfmFilemanager.moc"
