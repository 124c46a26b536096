#include "CivmIconViewManager.h"
#include "CsfdSimpleFileDialogIf.h"
#include "CwsDirectoryIcon.h"
#include "UiDriver.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

class TestCivmIconViewManager : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<CivmIconViewManager> m_pManager;

    CivmIconViewManager& Open()
    {
        m_pManager = std::make_unique<CivmIconViewManager>(nullptr, m_dir.path());
        m_pManager->resize(500, 400);
        m_pManager->show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(m_pManager.get())); }();
        return *m_pManager;
    }

    // Destroys the view manager (which saves) and opens the workspace again.
    CivmIconViewManager& Reopen()
    {
        m_pManager.reset();
        CivmIconViewManager& manager = Open();
        manager.ShowDirectory();
        return manager;
    }

    QStringList Shown() const
    {
        QStringList texts;
        for (int i = 0; i < m_pManager->count(); ++i)
            texts << m_pManager->item(i)->text();
        return texts;
    }

    QListWidgetItem* Item(const QString& p_qstrText) const
    {
        const auto items = m_pManager->findItems(p_qstrText, Qt::MatchExactly);
        return items.value(0);
    }

    QPoint WindowPos(QListWidgetItem* p_pItem) const
    {
        const QPoint qpInViewport = p_pItem ? m_pManager->visualItemRect(p_pItem).center() : QPoint(480, 380);
        return m_pManager->viewport()->mapTo(m_pManager.get(), qpInViewport);
    }

    void DoubleClick(const QString& p_qstrText)
    {
        QTest::mouseDClick(m_pManager->windowHandle(), Qt::LeftButton, {}, WindowPos(Item(p_qstrText)));
    }

    // Right-clicks the item (or beside the icons), lets p_fnMenu look at the
    // menu, chooses the entry, and hands the modal widget it opens, if any,
    // to p_fnModal.
    void ChooseFromMenu(const QString& p_qstrItem, const QString& p_qstrEntry,
                        std::function<void(QWidget*)> p_fnModal = {}, std::function<void(QMenu*)> p_fnMenu = {})
    {
        ChooseFromMenu(p_qstrItem.isEmpty() ? nullptr : Item(p_qstrItem), p_qstrEntry, p_fnModal, p_fnMenu);
    }

    void ChooseFromMenu(QListWidgetItem* pItem, const QString& p_qstrEntry, std::function<void(QWidget*)> p_fnModal,
                        std::function<void(QMenu*)> p_fnMenu = {})
    {
        bool bChosen = false;
        UiDriver::OnNextPopup([&, p_fnModal, p_fnMenu](QMenu* p_pMenu) {
            if (p_fnMenu)
                p_fnMenu(p_pMenu);
            if (p_fnModal)
                UiDriver::OnNextModal(p_fnModal);
            bChosen = !p_qstrEntry.isEmpty() && UiDriver::TriggerMenuEntry(p_pMenu, p_qstrEntry);
            if (!bChosen)
                p_pMenu->close();
        });
        QTest::mouseClick(m_pManager->windowHandle(), Qt::RightButton, {}, WindowPos(pItem));
        QCOMPARE(bChosen, !p_qstrEntry.isEmpty());
    }

    // Fills the entry dialog as typed and presses OK.
    static void Fill(QWidget* p_pDialog, const QString& p_qstrName, const QString& p_qstrCommand = QString(),
                     const QString& p_qstrPicture = QString(), bool p_bPressOk = true)
    {
        const auto type = [&](const char* p_szField, const QString& p_qstrText) {
            auto* pEdit = p_pDialog->findChild<QLineEdit*>(p_szField);
            pEdit->selectAll();
            QTest::keyClick(pEdit, Qt::Key_Delete);
            QTest::keyClicks(pEdit, p_qstrText);
        };
        type("m_pqleIconName", p_qstrName);
        if (!p_qstrCommand.isNull())
            type("m_pqleFunction", p_qstrCommand);
        if (!p_qstrPicture.isNull())
            type("m_pqleIconFilename", p_qstrPicture);
        if (p_bPressOk)
            QTest::mouseClick(p_pDialog->findChild<QPushButton*>("qpbOK"), Qt::LeftButton);
    }

    CwsIcon* Node(const QString& p_qstrName) const
    {
        for (CwsIcon* pChild : *m_pManager->GetCurrentDirectory()->GetChildrenList()) {
            if (pChild->GetName() == p_qstrName)
                return pChild;
        }
        return nullptr;
    }

    // Builds: root { Programme (folder) { .., Rechner (program) }, Notiz (user), Editor (program) }.
    void BuildSample()
    {
        CivmIconViewManager& manager = Open();
        CwsDirectoryIcon* pRoot = manager.GetCurrentDirectory();
        auto* pFolder = new CwsDirectoryIcon(&manager, "Programme", pRoot, 0, 0, 1);
        pRoot->AddChild(pFolder, true);
        pFolder->AddChild(new CwsIcon(&manager, "Rechner", "calc --fast", "", IconSystem, 0, 0, 1, pFolder), true);
        pRoot->AddChild(
            new CwsIcon(&manager, "Notiz", "touch '" + m_dir.filePath("lief Ω") + "' &", "", IconUser, 0, 0, 3, pRoot),
            true);
        pRoot->AddChild(new CwsIcon(&manager, "Editor", "editor \"a b\" & c", "", IconSystem, 0, 0, 2, pRoot), true);
        Reopen();
    }

private Q_SLOTS:
    void init()
    {
        m_pManager.reset();
        QFile::remove(m_dir.filePath("icons"));
    }

    void cleanup() { m_pManager.reset(); }

    void navigation()
    {
        BuildSample();
        m_pManager.reset();
        CivmIconViewManager& manager = Open();
        QCOMPARE(manager.count(), 0); // nothing before ShowDirectory()
        manager.ShowDirectory();
        QCOMPARE(Shown(), QStringList({"Programme", "Editor", "Notiz"}));
        CwsDirectoryIcon* pRoot = manager.GetCurrentDirectory();

        DoubleClick("Programme");
        QCOMPARE(Shown(), QStringList({"..", "Rechner"}));
        QCOMPARE(manager.GetCurrentDirectory()->GetName(), QString("Programme"));

        DoubleClick("..");
        QCOMPARE(Shown(), QStringList({"Programme", "Editor", "Notiz"}));
        QCOMPARE(manager.GetCurrentDirectory(), pRoot);

        manager.setCurrentItem(Item("Programme"));
        QTest::keyClick(&manager, Qt::Key_Return);
        QCOMPARE(manager.GetCurrentDirectory()->GetName(), QString("Programme"));
        ChooseFromMenu("..", "Öffnen");
        QCOMPARE(manager.GetCurrentDirectory(), pRoot);

        manager.RemoveAllItems();
        QCOMPARE(manager.count(), 0);
        manager.ShowDirectory();
        QCOMPARE(Shown(), QStringList({"Programme", "Editor", "Notiz"}));
    }

    void entriesRunOrGoToTheHost()
    {
        BuildSample();
        QSignalSpy systemCall(m_pManager.get(), &CivmIconViewManager::SystemCall);
        DoubleClick("Editor");
        QCOMPARE(systemCall.count(), 1);
        QCOMPARE(systemCall.at(0).at(0).toString(), QString("editor \"a b\" & c"));

        // The user entry's command runs through the shell, in the local
        // encoding (its file name is not Latin-1).
        DoubleClick("Notiz");
        QTRY_VERIFY(QFile::exists(m_dir.filePath("lief Ω")));
        QCOMPARE(systemCall.count(), 1);
    }

    void menus()
    {
        BuildSample();
        QStringList itemMenu, emptyMenu;
        const auto texts = [](QStringList& p_list) {
            return [&p_list](QMenu* p_pMenu) {
                for (QAction* pAction : p_pMenu->actions())
                    p_list << p_pMenu->objectName() + ": " + pAction->text();
            };
        };
        ChooseFromMenu("Notiz", QString(), {}, texts(itemMenu));
        QCOMPARE(itemMenu,
                 QStringList({"Right Button Popup: Öffnen", "Right Button Popup: Neuer Ordner",
                              "Right Button Popup: Neuer Eintrag", "Right Button Popup: Eintrag löschen",
                              "Right Button Popup: Umbenennen", "Right Button Popup: Eigenschaften"}));
        ChooseFromMenu(QString(), QString(), {}, texts(emptyMenu));
        QCOMPARE(emptyMenu,
                 QStringList({"No Selection Right Button Popup: Neuer Ordner",
                              "No Selection Right Button Popup: Neuer Eintrag"}));
    }

    void createRenameDeleteEditAndReload()
    {
        BuildSample();
        // A new folder and a new entry beside the icons.
        ChooseFromMenu(QString(), "Neuer Ordner", [&](QWidget* p_pDialog) {
            QCOMPARE(p_pDialog->objectName(), QString("FileDialog"));
            QCOMPARE(p_pDialog->windowTitle(), QString("Neuer Ordner"));
            Fill(p_pDialog, "Archiv");
        });
        ChooseFromMenu(QString(), "Neuer Eintrag", [&](QWidget* p_pDialog) {
            QCOMPARE(p_pDialog->objectName(), QString("DirectoryDialog"));
            QCOMPARE(p_pDialog->windowTitle(), QString("Neuer Eintrag anlegen"));
            Fill(p_pDialog, "Liste", "ls -l", "liste.bmp");
        });
        QCOMPARE(Shown(), QStringList({"Programme", "Editor", "Notiz", "Archiv", "Liste"}));
        QCOMPARE(Node("Archiv")->GetDepth(), 4);
        QCOMPARE(Node("Liste")->GetDepth(), 5);
        QCOMPARE(Node("Liste")->GetFunctionality(), QString("ls -l &"));
        QCOMPARE(Node("Liste")->GetType(), IconUser);

        // Inside a folder the depth counts the up link.
        DoubleClick("Archiv");
        ChooseFromMenu("..", "Neuer Eintrag", [&](QWidget* p_pDialog) { Fill(p_pDialog, "Leer", ""); });
        ChooseFromMenu("..", "Neuer Eintrag", [&](QWidget* p_pDialog) { Fill(p_pDialog, "Und", "a && b"); });
        QCOMPARE(Node("Leer")->GetDepth(), 1);
        QCOMPARE(Node("Leer")->GetFunctionality(), QString(" &"));
        QCOMPARE(Node("Und")->GetDepth(), 2);
        QCOMPARE(Node("Und")->GetFunctionality(), QString("a && b"));
        DoubleClick("..");

        // Rename in place, then delete.
        ChooseFromMenu("Notiz", "Umbenennen");
        auto* pEditor = m_pManager->viewport()->findChild<QLineEdit*>();
        QVERIFY(pEditor);
        pEditor->selectAll();
        QTest::keyClicks(pEditor, "Notizen");
        QTest::keyClick(pEditor, Qt::Key_Return);
        QTRY_VERIFY(Node("Notizen"));
        ChooseFromMenu("Editor", "Eintrag löschen", // a program entry stays
                       [](QWidget* p_pBox) { static_cast<QDialog*>(p_pBox)->accept(); });
        QVERIFY(Node("Editor"));
        ChooseFromMenu("Liste", "Eintrag löschen");
        QVERIFY(!Node("Liste"));

        // Properties of an entry: the icon shows the new name and picture at once.
        QImage qiPicture(16, 16, QImage::Format_RGB32);
        qiPicture.fill(Qt::blue);
        QVERIFY(qiPicture.save(m_dir.filePath("blau.bmp")));
        ChooseFromMenu("Notizen", "Eigenschaften", [&](QWidget* p_pDialog) {
            QCOMPARE(p_pDialog->objectName(), QString("FileDialog"));
            QCOMPARE(p_pDialog->windowTitle(), QString("Eigenschaften"));
            QCOMPARE(p_pDialog->findChild<QLineEdit*>("m_pqleFunction")->text(),
                     "touch '" + m_dir.filePath("lief Ω") + "' &");
            Fill(p_pDialog, "Notizblock", QString(), m_dir.filePath("blau.bmp"));
        });
        QVERIFY(Item("Notizblock"));
        QVERIFY(!Item("Notizen"));
        QCOMPARE(Item("Notizblock")->icon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::blue));
        QCOMPARE(Node("Notizblock")->GetFunctionality(), "touch '" + m_dir.filePath("lief Ω") + "' &");

        // Properties of a folder change only its name.
        ChooseFromMenu("Archiv", "Eigenschaften", [&](QWidget* p_pDialog) {
            QVERIFY(!p_pDialog->findChild<QLineEdit*>("m_pqleFunction")->isVisible());
            Fill(p_pDialog, "Ablage");
        });
        QCOMPARE(Node("Ablage")->GetType(), IconDirectory);
        QCOMPARE(Node("Ablage")->GetFunctionality(), QString());

        // Cancel changes nothing.
        ChooseFromMenu("Notizblock", "Eigenschaften", [&](QWidget* p_pDialog) {
            Fill(p_pDialog, "Verworfen", "rm -rf /", QString(), false);
            QTest::mouseClick(p_pDialog->findChild<QPushButton*>("qpCancel"), Qt::LeftButton);
        });
        QVERIFY(Node("Notizblock"));

        const QStringList qslBefore = Shown();
        CivmIconViewManager& reopened = Reopen();
        QCOMPARE(Shown(), qslBefore);
        QCOMPARE(Node("Notizblock")->GetIconFilename(), m_dir.filePath("blau.bmp"));
        DoubleClick("Ablage");
        QCOMPARE(Shown(), QStringList({"..", "Leer", "Und"}));
        QCOMPARE(reopened.GetCurrentDirectory()->GetName(), QString("Ablage"));
    }

    void programEntriesAndUpLinksAreProtected()
    {
        BuildSample();
        DoubleClick("Programme");
        const QString qstrProgram = "Dies ist ein Programm Icon, diese ";
        for (const auto& [entry, text] : QList<QPair<QString, QString>> {
                 {"Umbenennen", qstrProgram + "können Sie nicht umbenannt werden\n"},
                 {"Eigenschaften", qstrProgram + "Icon haben keine sichtbaren Eigenschaften\n"},
                 {"Eintrag löschen", qstrProgram + "können Sie nicht löschen\n"}}) {
            for (const QString& qstrItem : {QString(".."), QString("Rechner")}) {
                auto pBox = std::make_shared<UiDriver::SeenBox>();
                ChooseFromMenu(qstrItem, entry, [pBox](QWidget* p_pModal) {
                    auto* pMessageBox = qobject_cast<QMessageBox*>(p_pModal);
                    QVERIFY(pMessageBox);
                    *pBox = {true, pMessageBox->windowTitle(), pMessageBox->text(), int(pMessageBox->buttons().size())};
                    pMessageBox->accept();
                });
                QVERIFY(pBox->m_bShown);
                QCOMPARE(pBox->m_qstrCaption, QString("Fehler"));
                QCOMPARE(pBox->m_qstrText, text);
                QCOMPARE(pBox->m_iButtons, 1);
            }
        }
        QCOMPARE(Shown(), QStringList({"..", "Rechner"}));
    }

    void clashingNamesAreRefused()
    {
        BuildSample();
        // A taken name in the folder: the dialog stays open as typed.
        ChooseFromMenu(QString(), "Neuer Eintrag", [&](QWidget* p_pDialog) {
            auto pBox = UiDriver::CloseNextMessageBox();
            Fill(p_pDialog, "Notiz", "echo", "x.bmp");
            QVERIFY(pBox->m_bShown);
            QCOMPARE(pBox->m_qstrCaption, QString("Fehler"));
            QVERIFY(pBox->m_qstrText.contains("\"Notiz\""));
            QVERIFY(p_pDialog->isVisible());
            QCOMPARE(p_pDialog->findChild<QLineEdit*>("m_pqleFunction")->text(), QString("echo"));
            QCOMPARE(p_pDialog->findChild<QLineEdit*>("m_pqleIconFilename")->text(), QString("x.bmp"));
            QTest::mouseClick(p_pDialog->findChild<QPushButton*>("qpCancel"), Qt::LeftButton);
        });
        QCOMPARE(Shown(), QStringList({"Programme", "Editor", "Notiz"}));

        // Keeping one's own name is fine; taking a sibling's is not.
        ChooseFromMenu("Notiz", "Eigenschaften", [&](QWidget* p_pDialog) { Fill(p_pDialog, "Notiz", "true"); });
        QCOMPARE(Node("Notiz")->GetFunctionality(), QString("true &"));
        ChooseFromMenu("Notiz", "Eigenschaften", [&](QWidget* p_pDialog) {
            auto pBox = UiDriver::CloseNextMessageBox();
            Fill(p_pDialog, "Editor");
            QVERIFY(pBox->m_bShown);
            QTest::mouseClick(p_pDialog->findChild<QPushButton*>("qpCancel"), Qt::LeftButton);
        });
        QVERIFY(Node("Notiz"));

        // Folder names are unique in the whole tree, and "root" is the root's.
        DoubleClick("Programme");
        for (const QString& qstrName : {QString("Programme"), QString("root")}) {
            ChooseFromMenu("..", "Neuer Ordner", [&](QWidget* p_pDialog) {
                auto pBox = UiDriver::CloseNextMessageBox();
                Fill(p_pDialog, qstrName);
                QVERIFY(pBox->m_bShown);
                QCOMPARE(pBox->m_qstrCaption, QString("Fehler"));
                QTest::mouseClick(p_pDialog->findChild<QPushButton*>("qpCancel"), Qt::LeftButton);
            });
        }
        ChooseFromMenu("..", "Neuer Ordner", [&](QWidget* p_pDialog) { Fill(p_pDialog, "Unter"); });
        DoubleClick("..");
        ChooseFromMenu("Programme", "Eigenschaften", [&](QWidget* p_pDialog) {
            auto pBox = UiDriver::CloseNextMessageBox();
            Fill(p_pDialog, "Unter");
            QVERIFY(pBox->m_bShown);
            QTest::mouseClick(p_pDialog->findChild<QPushButton*>("qpCancel"), Qt::LeftButton);
        });
        QVERIFY(Node("Programme"));

        // In place: a sibling's name, or another folder's for a folder; the
        // text goes back.
        for (const auto& [item, name] : QList<QPair<QString, QString>> {{"Notiz", "Editor"}, {"Programme", "Unter"}}) {
            ChooseFromMenu(item, "Umbenennen");
            auto* pEditor = m_pManager->viewport()->findChild<QLineEdit*>();
            QVERIFY(pEditor);
            pEditor->selectAll();
            QTest::keyClicks(pEditor, name);
            auto pBox = UiDriver::CloseNextMessageBox();
            QTest::keyClick(pEditor, Qt::Key_Return);
            QTRY_VERIFY(pBox->m_bShown);
            QCOMPARE(pBox->m_qstrCaption, QString("Fehler"));
            QTRY_VERIFY(Item(item));
            QVERIFY(Node(item));
        }
    }

    void deletionTakesTheClickedNode()
    {
        BuildSample();
        // Two children that came to share a name through the program.
        CwsIcon* pFirst = Node("Notiz");
        auto* pSecond = new CwsIcon(m_pManager.get(), "Zweite", "", "", IconUser, 0, 0, 4, pFirst->GetParent());
        QVERIFY(m_pManager->InsertItem(pSecond));
        pSecond->SetName("Notiz");
        m_pManager->RemoveAllItems();
        m_pManager->ShowDirectory();
        const auto items = m_pManager->findItems("Notiz", Qt::MatchExactly);
        QCOMPARE(items.size(), 2);
        QCOMPARE(items.at(1), pSecond->GetIcon());

        ChooseFromMenu(items.at(1), "Eintrag löschen", {});
        QCOMPARE(m_pManager->GetCurrentDirectory()->GetChildCount(), 3);
        QCOMPARE(Node("Notiz"), pFirst);
        QCOMPARE(m_pManager->findItems("Notiz", Qt::MatchExactly).size(), 1);
    }

    void theFormAlone()
    {
        CsfdSimpleFileDialog form;
        form.show();
        const char* const szSlots[]
            = {"OKClickedSlot", "CancelClickedSlot", "SearchClickedSlot", "FileSearchClickedSlot"};
        const char* const szButtons[] = {"qpbOK", "qpCancel", "qpSearch", "qpFileSearch"};
        for (int i = 0; i < 4; ++i) {
            QTest::ignoreMessage(
                QtWarningMsg, qPrintable(QString("CsfdSimpleFileDialog::%1(): Not implemented yet!").arg(szSlots[i])));
            QTest::mouseClick(form.findChild<QPushButton*>(szButtons[i]), Qt::LeftButton);
            QVERIFY(form.isVisible());
        }
        QCOMPARE(form.objectName(), QString("CsfdSimpleFileDialog"));
        QCOMPARE(form.windowTitle(), QString("Neuer Ordner / Neuer Eintrag anlegen"));
        QCOMPARE(form.size(), QSize(417, 153));

        // Folder mode shows only the name and the buttons; cancelled file
        // searches empty their field.
        CsfdSimpleFileDialogIf folder(false, nullptr, "x", true, {});
        folder.show();
        QStringList visible;
        for (QWidget* pChild : folder.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (pChild->isVisible())
                visible << pChild->objectName();
        visible.sort();
        QCOMPARE(visible, QStringList({"m_pqlName", "m_pqleIconName", "qpCancel", "qpbOK"}));

        CsfdSimpleFileDialogIf entry(true, nullptr, "y", true, {});
        entry.show();
        for (const char* szButton : {"qpSearch", "qpFileSearch"}) {
            entry.findChild<QLineEdit*>("m_pqleIconFilename")->setText("alt.bmp");
            entry.findChild<QLineEdit*>("m_pqleFunction")->setText("alt");
            QString qstrCaption;
            UiDriver::OnNextModal([&](QWidget* p_pModal) {
                qstrCaption = p_pModal->objectName() + ": " + p_pModal->windowTitle();
                static_cast<QDialog*>(p_pModal)->reject();
            });
            QTest::mouseClick(entry.findChild<QPushButton*>(szButton), Qt::LeftButton);
            const bool bPicture = QByteArray(szButton) == "qpSearch";
            QCOMPARE(qstrCaption,
                     bPicture ? QString("BMP File Dialog: Icon Datei Namen suchen")
                              : QString("File Dialog: Datei Namen suchen"));
            QCOMPARE(entry.findChild<QLineEdit*>(bPicture ? "m_pqleIconFilename" : "m_pqleFunction")->text(),
                     QString());
        }
    }
};

QTEST_MAIN(TestCivmIconViewManager)
#include "tst_civmIconViewManager.moc"
