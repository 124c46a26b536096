// SPDX-License-Identifier: BSD-3-Clause
#include "CbcTextEdit.h"
#include "CfmFilemanager.h"
#include "CivcIconViewContainer.h"
#include "CsmSessionManager.h"
#include "CwsDirectoryIcon.h"
#include "Files.h"
#include "HelpWindow.h"

#include <rbox.h>

#include <QMenuBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <sys/stat.h>

// Every saver of the library, each replacing the file (a link to it when it is to be one) with a text of its own
// in it.
class TestSavers : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static bool Save(const QString& p_qstrSaver, const QString& p_qstrFile, const QString& p_qstrText)
    {
        if (p_qstrSaver == "settings") {
            CsmSessionManager settings;
            return settings.AddKey("K") && settings.SetString("K", "text", p_qstrText) && settings.SaveAs(p_qstrFile);
        }
        if (p_qstrSaver == "records") {
            CrboTableWriter writer(p_qstrFile, 1, {"A"});
            writer.AddDataSet({p_qstrText});
            return writer.Finish();
        }
        if (p_qstrSaver == "workspace") {
            CivcIconViewContainer store(nullptr, QFileInfo(p_qstrFile).path());
            CwsDirectoryIcon* pRoot = store.GetRoot();
            return pRoot->AddChild(new CwsIcon(nullptr, p_qstrText, "", "", IconUser, 0, 0, 1, pRoot), true)
                && store.Save();
        }
        if (p_qstrSaver == "file manager")
            return !CfmFilemanager().SaveFile(p_qstrText, false, "txt", p_qstrFile, QString()).isEmpty();
        if (p_qstrSaver == "editor") {
            if (!QFile::exists(p_qstrFile))
                Files::Write(p_qstrFile, "");
            CbcTextEdit editor(p_qstrFile, nullptr, "editor", {});
            editor.findChild<QTextEdit*>()->setPlainText(p_qstrText);
            editor.findChild<QAction*>("fileSave")->trigger();
            return !editor.isWindowModified();
        }
        // The bookmarks, through the menu entry a person chooses, of a page of that name.
        const QString qstrPage = QFileInfo(FileOf("help", QString())).dir().filePath(p_qstrText + ".html");
        Files::Write(qstrPage, "<p>page</p>");
        HelpWindow help("", QUrl::fromLocalFile(qstrPage).toString());
        for (QAction* pEntry : help.menuBar()->actions().at(3)->menu()->actions()) {
            if (pEntry->text() == "Lesezeichen Hinzufügen")
                pEntry->trigger();
        }
        return true;
    }
    // The file the saver writes in the folder; the help window always writes its data folder's.
    static QString FileOf(const QString& p_qstrSaver, const QString& p_qstrFolder)
    {
        if (p_qstrSaver == "help")
            return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/.bookmarks";
        return p_qstrFolder + (p_qstrSaver == "workspace" ? "/icons" : "/file.txt");
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // A private file made readable to all, its owner lost, or a link replaced by a file.
    void keepModeOwnerAndLinks_data()
    {
        QTest::addColumn<QString>("saver");
        for (const char* szSaver : {"settings", "records", "workspace", "file manager", "editor", "help"})
            QTest::newRow(szSaver) << QString(szSaver);
    }
    void keepModeOwnerAndLinks()
    {
        QFETCH(QString, saver);
        QTemporaryDir target(m_dir.filePath("XXXXXX")), linking(m_dir.filePath("XXXXXX"));
        const QString qstrLink = FileOf(saver, linking.path());
        const QString qstrTarget = target.filePath(QFileInfo(qstrLink).fileName());
        QFile::remove(qstrLink);
        QVERIFY(Save(saver, qstrTarget, "first"));
        QVERIFY((saver != "help" || QFile::rename(qstrLink, qstrTarget)) && QFile::link(qstrTarget, qstrLink));
        QVERIFY(::chmod(QFile::encodeName(qstrTarget), 0640) == 0);
        const bool bRoot = ::geteuid() == 0; // then the file is given to another owner, who is to keep it
        QVERIFY(!bRoot || ::chown(QFile::encodeName(qstrTarget), 65534, 65534) == 0);

        QVERIFY(Save(saver, qstrLink, "second"));
        struct stat file;
        QVERIFY(::lstat(QFile::encodeName(qstrLink), &file) == 0 && S_ISLNK(file.st_mode));
        QVERIFY(::stat(QFile::encodeName(qstrTarget), &file) == 0);
        QCOMPARE(file.st_mode & 07777, mode_t(0640));
        QCOMPARE(file.st_uid, bRoot ? uid_t(65534) : ::geteuid());
        const QByteArray qbaSaved = Files::Read(qstrTarget);
        QVERIFY2(qbaSaved.contains("second") || qbaSaved.contains(QByteArray("\0s\0e\0c\0o\0n\0d", 12)), qbaSaved);
        QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        if (saver == "help")
            QFile::remove(qstrLink);
    }
};

QTEST_MAIN(TestSavers)
#include "tst_savers.moc"
