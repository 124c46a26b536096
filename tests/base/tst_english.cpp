// SPDX-License-Identifier: BSD-3-Clause
#include "CbcTextEdit.h"
#include "CfmFilemanager.h"
#include "CivmIconViewManager.h"
#include "CsfdSimpleFileDialog.h"
#include "CwsDirectoryIcon.h"
#include "HelpWindow.h"
#include "InstallTranslator.h"
#include "StdoutCapture.h"
#include "UiDriver.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QXmlStreamReader>

class TestEnglish : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QList<QRegularExpression> m_qlEnglish; // the catalogue's translations, arguments as wildcards
    QStringList m_qslUntranslated;

    static QString Plain(QString p_qstrText) { return p_qstrText.remove('&').remove("...").remove("[*]").trimmed(); }
    void Check(const QString& p_qstrText)
    {
        const QString qstrText = Plain(p_qstrText);
        if (!qstrText.isEmpty()
            && std::none_of(m_qlEnglish.cbegin(), m_qlEnglish.cend(), [&](const QRegularExpression& p_qreEnglish) {
                   return p_qreEnglish.match(qstrText).hasMatch();
               }))
            m_qslUntranslated << qstrText;
    }
    // Every text a person sees in the widget and its children (item data such as names and titles aside).
    void Walk(QWidget* p_pqwWidget)
    {
        if (p_pqwWidget->isWindow() && !qobject_cast<QMainWindow*>(p_pqwWidget))
            Check(p_pqwWidget->windowTitle());
        for (QMenu* pqmMenu : p_pqwWidget->findChildren<QMenu*>()) {
            Check(pqmMenu->title());
            for (QAction* pqaAction : pqmMenu->actions())
                Check(pqaAction->text());
        }
        for (QToolBar* pqtbBar : p_pqwWidget->findChildren<QToolBar*>()) {
            Check(pqtbBar->windowTitle());
            for (QAction* pqaAction : pqtbBar->actions())
                for (const QString& qstrText : {pqaAction->iconText(), pqaAction->toolTip()})
                    Check(qstrText);
        }
        for (QAbstractButton* pqabButton : p_pqwWidget->findChildren<QAbstractButton*>())
            for (const QString& qstrText : {pqabButton->text(), pqabButton->toolTip(), pqabButton->accessibleName()})
                Check(qstrText);
        for (QLabel* pqlLabel : p_pqwWidget->findChildren<QLabel*>())
            Check(pqlLabel->text());
        for (QComboBox* pqcbBox : p_pqwWidget->findChildren<QComboBox*>()) {
            Check(pqcbBox->accessibleName());
            for (int i = 0; !pqcbBox->isEditable() && i < pqcbBox->count(); ++i)
                Check(pqcbBox->itemText(i));
        }
    }
    // Walks the next modal widget, then closes it.
    void WalkNextModal()
    {
        UiDriver::OnNextModal([this](QWidget* p_pModal) {
            Walk(p_pModal);
            if (auto* pBox = qobject_cast<QMessageBox*>(p_pModal))
                Check(pBox->text());
            QTest::keyClick(p_pModal, Qt::Key_Escape);
        });
    }
    void ChooseFromMenu(CivmIconViewManager& p_manager, const QString& p_qstrItem, const QString& p_qstrEntry)
    {
        UiDriver::OnNextPopup([&](QMenu* p_pMenu) { UiDriver::TriggerMenuEntry(p_pMenu, p_qstrEntry); });
        const QList<QListWidgetItem*> qlItems = p_manager.findItems(p_qstrItem, Qt::MatchExactly);
        const QPoint qpAt = qlItems.isEmpty() ? QPoint(380, 280) : p_manager.visualItemRect(qlItems.first()).center();
        QTest::mouseClick(p_manager.windowHandle(), Qt::RightButton, {}, p_manager.viewport()->mapTo(&p_manager, qpAt));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QFile qfCatalogue(CATALOGUE);
        QVERIFY(qfCatalogue.open(QIODevice::ReadOnly));
        for (QXmlStreamReader reader(&qfCatalogue); !reader.atEnd();) {
            if (reader.readNext() == QXmlStreamReader::StartElement
                && (reader.name() == u"translation" || reader.name() == u"numerusform")) {
                const QString qstrText = Plain(reader.readElementText(QXmlStreamReader::SkipChildElements));
                QStringList qslParts = qstrText.split(QRegularExpression("%[1-9n]"));
                for (QString& qstrPart : qslParts)
                    qstrPart = QRegularExpression::escape(qstrPart);
                m_qlEnglish << QRegularExpression("^" + qslParts.join(".*") + "$",
                                                  QRegularExpression::DotMatchesEverythingOption);
            }
        }
        QVERIFY(!TORVASyslib::InstallTranslator(QLocale(QLocale::German))); // the source language needs none
        QVERIFY(TORVASyslib::InstallTranslator(QLocale(QLocale::English, QLocale::UnitedKingdom)));
        QStandardPaths::setTestModeEnabled(true);
        QDir::setCurrent(m_dir.path());
    }

    // A text of the library that a person sees in German (or at all untranslated) in an English host.
    void everyTextIsEnglish()
    {
        {
            CivmIconViewManager manager(nullptr, m_dir.path());
            manager.resize(400, 300);
            manager.show();
            QVERIFY(QTest::qWaitForWindowExposed(&manager));
            CwsDirectoryIcon* pRoot = manager.GetCurrentDirectory();
            auto* pFolder = new CwsDirectoryIcon(&manager, "F", pRoot, 0, 0, 1);
            pRoot->AddChild(pFolder, true);
            pFolder->AddChild(new CwsDirectoryIcon(&manager, "G", pFolder, 0, 0, 1), true);
            pRoot->AddChild(new CwsIcon(&manager, "P", "p", "", IconSystem, 0, 0, 2, pRoot), true);
            manager.ShowDirectory();
            Walk(&manager);
            for (const char* szEntry : {"Rename", "Properties", "Delete Entry"}) {
                WalkNextModal();
                ChooseFromMenu(manager, "P", szEntry);
            }
            WalkNextModal();
            ChooseFromMenu(manager, "F", "Delete Entry");
            for (const char* szName : {"", "P", "root", "G"}) {
                UiDriver::OnNextModal([&](QWidget* p_pDialog) {
                    Walk(p_pDialog);
                    for (QPushButton* pSearch : p_pDialog->findChildren<QPushButton*>(QRegularExpression("Search$"))) {
                        UiDriver::OnNextModal([&](QWidget* p_pFiles) {
                            Check(p_pFiles->windowTitle());
                            QTest::keyClick(p_pFiles, Qt::Key_Escape);
                        });
                        QTest::mouseClick(pSearch, Qt::LeftButton);
                    }
                    p_pDialog->findChild<QLineEdit*>("m_pqleIconName")->setText(szName);
                    WalkNextModal();
                    QTest::mouseClick(p_pDialog->findChild<QPushButton*>("qpbOK"), Qt::LeftButton);
                    QTest::keyClick(p_pDialog, Qt::Key_Escape);
                });
                ChooseFromMenu(manager, QString(), QString(szName) == "P" ? "New Entry" : "New Folder");
            }
            UiDriver::OnNextModal([&](QWidget* p_pDialog) {
                Walk(p_pDialog);
                QTest::keyClick(p_pDialog, Qt::Key_Escape);
            });
            ChooseFromMenu(manager, "F", "Properties");
        }
        {
            QFile::remove(m_dir.filePath("icons"));
            QVERIFY(QFile(m_dir.filePath("taken.txt")).open(QIODevice::WriteOnly));
            UiDriver::OnNextModal([&](QWidget* p_pDialog) {
                UiDriver::OnNextModal([&](QWidget* p_pBox) {
                    Walk(p_pBox);
                    Check(qobject_cast<QMessageBox*>(p_pBox)->text());
                    UiDriver::OnNextModal([](QWidget* p_pAgain) { QTest::keyClick(p_pAgain, Qt::Key_Escape); });
                    QTest::keyClick(p_pBox, Qt::Key_Escape);
                });
                p_pDialog->findChild<QLineEdit*>("fileNameEdit")->setText("taken");
                QMetaObject::invokeMethod(p_pDialog, "accept");
            });
            StdoutCapture output;
            CfmFilemanager().SaveFile("x", true, "txt", QString(), m_dir.path());
        }
        {
            HelpWindow help("", "");
            Walk(&help);
            WalkNextModal();
            QMetaObject::invokeMethod(&help, "about");
        }
        CbcTextEdit host;
        host.SetText("<p>x</p>");
        Check(host.windowTitle());
        Walk(&host);
        CbcTextEdit editor(m_dir.filePath("gone/note.html"), nullptr, "e", {});
        QVERIFY(QFile(m_dir.filePath("note.html")).open(QIODevice::WriteOnly));
        editor.Load(m_dir.filePath("note.html"));
        editor.show();
        Check(editor.windowTitle());
        Check(CsfdSimpleFileDialog().windowTitle());
        QTest::keyClicks(editor.findChild<QTextEdit*>(), "changed");
        WalkNextModal(); // the question; cancelled
        editor.close();
        WalkNextModal(); // the failed save
        QTest::keyClick(&editor, Qt::Key_S, Qt::ControlModifier);
        QVERIFY2(m_qslUntranslated.isEmpty(), qPrintable(m_qslUntranslated.join(" | ")));
    }
};

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
