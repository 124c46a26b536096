// SPDX-License-Identifier: BSD-3-Clause
#include "CbcTextEdit.h"
#include "CfmFilemanager.h"
#include "CivmIconViewManager.h"
#include "CwsDirectoryIcon.h"
#include "HelpWindow.h"
#include "InstallTranslator.h"
#include "UiDriver.h"

#include <QTest>

#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>
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
            && std::none_of(m_qlEnglish.cbegin(), m_qlEnglish.cend(),
                            [&](const auto& p_qreEnglish) { return p_qreEnglish.match(qstrText).hasMatch(); }))
            m_qslUntranslated << qstrText;
    }
    // Every text a person sees in the widget and its children (item data such as names and titles aside).
    void Walk(QWidget* p_pqwWidget)
    {
        if (p_pqwWidget->isWindow() && !qobject_cast<QMainWindow*>(p_pqwWidget))
            Check(p_pqwWidget->windowTitle());
        if (auto* pBox = qobject_cast<QMessageBox*>(p_pqwWidget))
            Check(pBox->text());
        // Menus and tool bars show their titles through actions of their own.
        for (QAction* pqaAction : p_pqwWidget->findChildren<QAction*>())
            for (const QString& qstrText : {pqaAction->text(), pqaAction->toolTip()})
                Check(qstrText);
        for (QAbstractButton* pqabButton : p_pqwWidget->findChildren<QAbstractButton*>())
            for (const QString& qstrText : {pqabButton->text(), pqabButton->toolTip(), pqabButton->accessibleName()})
                if (!pqabButton->objectName().startsWith("qt_")) // Qt's own, such as a dock's "Float"
                    Check(qstrText);
        for (QLabel* pqlLabel : p_pqwWidget->findChildren<QLabel*>())
            Check(pqlLabel->text());
        for (QComboBox* pqcbBox : p_pqwWidget->findChildren<QComboBox*>()) {
            Check(pqcbBox->accessibleName());
            for (int i = 0; !pqcbBox->isEditable() && i < pqcbBox->count(); ++i)
                Check(pqcbBox->itemText(i));
        }
    }
    // Walks the next modal widget, then closes it; with a name, types it
    // into the entry dialog first and walks the refusal that OK brings.
    void WalkNextModal(const char* p_szName = nullptr)
    {
        UiDriver::OnNextModal([this, p_szName](QWidget* p_pModal) {
            Walk(p_pModal);
            if (p_szName) {
                p_pModal->findChild<QLineEdit*>("m_pqleIconName")->setText(p_szName);
                WalkNextModal();
                QTest::mouseClick(p_pModal->findChild<QPushButton*>("qpbOK"), Qt::LeftButton);
            }
            QTest::keyClick(p_pModal, Qt::Key_Escape);
        });
    }

private Q_SLOTS:
    // A text of the library that a person sees in German (or at all untranslated) in an English host.
    void everyTextIsEnglish()
    {
        QFile qfCatalogue(CATALOGUE);
        QVERIFY(qfCatalogue.open(QIODevice::ReadOnly));
        for (QXmlStreamReader reader(&qfCatalogue); !reader.atEnd();) {
            if (reader.readNext() == QXmlStreamReader::StartElement
                && (reader.name() == u"translation" || reader.name() == u"numerusform")) {
                QStringList qslParts = Plain(reader.readElementText(QXmlStreamReader::SkipChildElements))
                                           .split(QRegularExpression("%[1-9n]"));
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
        // The menus of an entry, of a folder and of the empty area, and what each entry opens.
        for (const auto& [szItem, szEntry, szName] :
             {std::tuple<const char*, const char*, const char*> {"P", "Rename", nullptr},
              {"P", "Properties", nullptr},
              {"P", "Delete Entry", nullptr},
              {"F", "Delete Entry", nullptr},
              {"F", "Properties", nullptr},
              {"", "New Entry", ""},
              {"", "New Entry", "P"},
              {"", "New Folder", "root"},
              {"F", "New Folder", "G"}}) {
            UiDriver::OnNextPopup([&](QMenu* p_pMenu) {
                Walk(p_pMenu);
                WalkNextModal(szName);
                UiDriver::TriggerMenuEntry(p_pMenu, szEntry);
            });
            const QList<QListWidgetItem*> qlItems = manager.findItems(szItem, Qt::MatchExactly);
            const QPoint qpAt = qlItems.isEmpty() ? QPoint(380, 280) : manager.visualItemRect(qlItems.first()).center();
            QTest::mouseClick(manager.windowHandle(), Qt::RightButton, {}, manager.viewport()->mapTo(&manager, qpAt));
        }
        QVERIFY(QFile(m_dir.filePath("taken.txt")).open(QIODevice::WriteOnly));
        UiDriver::OnNextModal([&](QWidget* p_pDialog) { // the question before replacing a file
            WalkNextModal();
            UiDriver::OnNextModal([](QWidget* p_pAgain) { QTest::keyClick(p_pAgain, Qt::Key_Escape); });
            p_pDialog->findChild<QLineEdit*>("fileNameEdit")->setText("taken");
            QMetaObject::invokeMethod(p_pDialog, "accept");
        });
        CfmFilemanager().SaveFile("x", true, "txt", QString(), m_dir.path());
        HelpWindow help("", "");
        Walk(&help);
        WalkNextModal();
        QMetaObject::invokeMethod(&help, "about");

        CbcTextEdit editor(m_dir.filePath("gone/note.html"), nullptr, "e", {});
        QVERIFY(QFile(m_dir.filePath("note.html")).open(QIODevice::WriteOnly));
        editor.Load(m_dir.filePath("note.html"));
        editor.show();
        Walk(&editor);
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
