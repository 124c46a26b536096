#include "CfmFilemanager.h"
#include "StdoutCapture.h"
#include "UiDriver.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

class TestCfmFilemanager : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Write(const QString& p_qstrName, const QByteArray& p_qbaContent)
    {
        QFile file(m_dir.filePath(p_qstrName));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(p_qbaContent);
        return file.fileName();
    }

    static QByteArray Read(const QString& p_qstrPath)
    {
        QFile file(p_qstrPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    // Answers the next file dialog with the file name (null: cancel) and
    // records its filter and start folder.
    static std::shared_ptr<QStringList> Answer(const QString& p_qstrFileName)
    {
        auto pSeen = std::make_shared<QStringList>();
        UiDriver::OnNextModal([pSeen, p_qstrFileName](QWidget* p_pModal) {
            auto* pDialog = qobject_cast<QFileDialog*>(p_pModal);
            if (!pDialog) {
                static_cast<QDialog*>(p_pModal)->reject();
                return;
            }
            *pSeen << pDialog->nameFilters().join(';') << pDialog->directory().absolutePath()
                   << (pDialog->acceptMode() == QFileDialog::AcceptSave ? "save" : "open");
            if (p_qstrFileName.isNull()) {
                pDialog->reject();
                return;
            }
            pDialog->findChild<QLineEdit*>("fileNameEdit")->setText(p_qstrFileName);
            QMetaObject::invokeMethod(pDialog, "accept");
        });
        return pSeen;
    }

private Q_SLOTS:
    void loadingLineEnds()
    {
        const QString qstrFile = Write("mixed.txt", "eins\r\nzwei\rdrei\n\nvier");
        CfmFilemanager manager;
        QVERIFY(manager.GetFilename().isNull());
        QCOMPARE(manager.LoadFile(false, "txt", qstrFile, QString()), QString("eins\nzwei\ndrei\n\nvier\n"));
        QCOMPARE(manager.GetFilename(), qstrFile);
        QVERIFY(manager.LoadFile(false, QString(), Write("empty.txt", ""), QString()).isNull());
        QCOMPARE(manager.LoadFile(false, QString(), Write("cr.txt", "\r"), QString()), QString("\n"));
        QVERIFY(manager.LoadFile(false, QString(), m_dir.filePath("missing.txt"), QString()).isNull());
        QCOMPARE(manager.GetFilename(), m_dir.filePath("missing.txt"));
        QVERIFY(manager.LoadFile(false, QString(), QString(""), QString()).isNull()); // empty: no dialog
        QCOMPARE(manager.GetFilename(), QString(""));
    }

    void dialogsFiltersAndExtensions()
    {
        const QString qstrFile = Write("chosen.txt", "Inhalt");
        CfmFilemanager manager;
        auto pSeen = Answer(qstrFile);
        QCOMPARE(manager.LoadFile(true, "*.txt", "ignored.txt", m_dir.path()), QString("Inhalt\n"));
        QCOMPARE(*pSeen, QStringList({"*.txt", m_dir.path(), "open"}));
        QCOMPARE(manager.GetFilename(), qstrFile);

        pSeen = Answer(QString());
        QVERIFY(manager.LoadFile(false, "txt", QString(), m_dir.path()).isNull());
        QCOMPARE(pSeen->value(0), QString("*.txt"));
        QVERIFY(manager.GetFilename().isEmpty()); // cancelled: the empty name is recorded

        // Saving: the extension goes to a name without any "." in its path.
        QByteArray qbaPrinted;
        const auto save = [&](const QString& p_qstrText, bool p_bAsk, const QString& p_qstrType,
                              const QString& p_qstrName, const QString& p_qstrFolder) {
            StdoutCapture output;
            const QString qstrSaved = manager.SaveFile(p_qstrText, p_bAsk, p_qstrType, p_qstrName, p_qstrFolder);
            // The test framework's own lines about warnings land here too.
            for (const QByteArray& qbaLine : output.Take().split('\n'))
                if (qbaLine.startsWith("Filename: "))
                    qbaPrinted += qbaLine + '\n';
            return qstrSaved;
        };
        pSeen = Answer(m_dir.filePath("brief"));
        QCOMPARE(save("a\nb", true, "txt", "given", m_dir.path()), m_dir.filePath("brief.txt"));
        QCOMPARE(*pSeen, QStringList({"*.txt", m_dir.path(), "save"}));
        QCOMPARE(Read(m_dir.filePath("brief.txt")), QByteArray("a\nb"));
        QCOMPARE(save("x", false, QString(), m_dir.filePath("bare"), QString()), m_dir.filePath("bare."));
        QVERIFY(QDir().mkpath(m_dir.filePath("with.dot")));
        QCOMPARE(save("y", false, "*.log", m_dir.filePath("with.dot/name"), QString()),
                 m_dir.filePath("with.dot/name"));
        pSeen = Answer(QString());
        QVERIFY(save("z", false, QString(), QString(), QString()).isNull());
        QCOMPARE(pSeen->value(0), QString("*.*"));
        QCOMPARE(qbaPrinted,
                 "Filename: given\nFilename: " + QFile::encodeName(m_dir.filePath("bare"))
                     + "\nFilename: " + QFile::encodeName(m_dir.filePath("with.dot/name")) + "\nFilename: (null)\n");
        QCOMPARE(manager.GetFilename(), QString()); // saving leaves the loaded name
    }

    void textRoundTrip()
    {
        CfmFilemanager manager;
        const QString qstrText = "Grüße aus Köln – 😀 ✓\r\nzweite Zeile\n";
        const QString qstrFile = [&] {
            StdoutCapture output;
            return manager.SaveFile(qstrText, false, "txt", m_dir.filePath("round.txt"), QString());
        }();
        QCOMPARE(qstrFile, m_dir.filePath("round.txt"));
        QCOMPARE(Read(qstrFile), qstrText.toUtf8());
        QCOMPARE(manager.LoadFile(false, "txt", qstrFile, QString()), QString("Grüße aus Köln – 😀 ✓\nzweite Zeile\n"));
    }

    void failedSavesKeepTheOldFile()
    {
        CfmFilemanager manager;
        StdoutCapture output; // the "Filename:" lines; no check fails while it runs
        const bool bMissingFolderRefused
            = manager.SaveFile("x", false, "txt", m_dir.filePath("no/such/dir/f.txt"), QString()).isNull();

        const QString qstrFile = Write("keep.txt", "old content");
        const QString qstrLarge(500000, 'L');
        const pid_t pid = fork();
        if (pid == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit {64 * 1024, 64 * 1024};
            setrlimit(RLIMIT_FSIZE, &limit);
            _exit(manager.SaveFile(qstrLarge, false, "txt", qstrFile, QString()).isNull() ? 0 : 1);
        }
        int iStatus = 0;
        waitpid(pid, &iStatus, 0);
        const bool bLockedOut = geteuid() != 0 && [&] {
            QDir().mkpath(m_dir.filePath("locked"));
            const QString qstrLocked = Write("locked/f.txt", "old");
            QFile::setPermissions(m_dir.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner);
            const bool bRefused = manager.SaveFile("new", false, "txt", qstrLocked, QString()).isNull();
            QFile::setPermissions(m_dir.filePath("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            return bRefused && Read(qstrLocked) == "old";
        }();
        output.Take();
        QVERIFY(bMissingFolderRefused);
        QVERIFY(WIFEXITED(iStatus));
        QCOMPARE(WEXITSTATUS(iStatus), 0);
        QCOMPARE(Read(qstrFile), QByteArray("old content"));
        if (geteuid() == 0)
            QSKIP("file permissions do not bind root");
        QVERIFY(bLockedOut);
    }
};

QTEST_MAIN(TestCfmFilemanager)
#include "tst_cfmFilemanager.moc"
