#include "CivIconView.h"
#include "CwsDirectoryIcon.h"
#include "UiDriver.h"

#include <QDir>
#include <QImage>
#include <QTest>

#include <memory>

class TestCwsIconTree : public QObject
{
    Q_OBJECT

    // Texts of the shown items, in view order.
    static QStringList Shown(const CivIconView& p_view)
    {
        QStringList qslTexts;
        for (int i = 0; i < p_view.count(); ++i)
            qslTexts << p_view.item(i)->text();
        return qslTexts;
    }

    static CwsIcon* Entry(CivIconView* p_pView, const QString& p_qstrName, int p_iDepth, CwsDirectoryIcon* p_pParent,
                          EIconType p_eType = IconUser)
    {
        return new CwsIcon(p_pView, p_qstrName, "run " + p_qstrName, "", p_eType, 0, 0, p_iDepth, p_pParent);
    }

private Q_SLOTS:
    void init()
    {
        // Picture files are looked up in the working directory.
        QFile::remove("directory.bmp");
        QFile::remove("up.bmp");
    }

    void newFoldersAndTheirUpLink()
    {
        CivIconView view;
        CwsDirectoryIcon root(&view, "root", nullptr, 0, 0, 0);
        QCOMPARE(root.GetChildCount(), 0);
        QCOMPARE(root.GetType(), IconDirectory);
        QCOMPARE(root.GetIconFilename(), QString("directory.bmp"));

        auto* pFolder = new CwsDirectoryIcon(&view, "A", &root, 0, 0, 1);
        QVERIFY(root.AddChild(pFolder, true));
        QCOMPARE(pFolder->GetChildCount(), 1);
        CwsIcon* pUp = pFolder->GetChildrenList()->first();
        QCOMPARE(pUp->GetName(), QString(".."));
        QCOMPARE(pUp->GetType(), IconUp);
        QCOMPARE(pUp->GetDepth(), 0);
        QCOMPARE(pUp->GetIconFilename(), QString("up.bmp"));
        QVERIFY(pUp->GetFunctionality().isEmpty());
        QCOMPARE(pUp->GetParent(), pFolder);
        pFolder->AddChild(Entry(&view, "x", 1, pFolder), true);
        pFolder->AddChild(Entry(&view, "y", 2, pFolder), true);
        QCOMPARE(pFolder->GetChildCount(), 3);
        QCOMPARE(view.count(), 0); // quiet additions show nothing
    }

    void showHideLifecycle()
    {
        CivIconView view;
        CwsDirectoryIcon root(&view, "root", nullptr, 0, 0, 0);
        CwsIcon* pEntry = Entry(&view, "e", 1, &root);
        root.AddChild(pEntry, true);

        pEntry->Show();
        pEntry->Show();
        QCOMPARE(view.count(), 1);
        QListWidgetItem* pItem = pEntry->GetIcon();
        QVERIFY(pItem);
        QCOMPARE(pItem->text(), QString("e"));
        QVERIFY(pItem->flags() & Qt::ItemIsEditable);

        pEntry->SetName("renamed");
        QCOMPARE(pItem->text(), QString("e")); // the shown text stays

        pEntry->Hide();
        pEntry->Hide();
        QVERIFY(!pEntry->GetIcon());
        QCOMPARE(view.count(), 0);

        // A node whose view is already gone does not touch it.
        auto pView = std::make_unique<CivIconView>();
        auto pLonely = std::make_unique<CwsIcon>(pView.get(), "l", "", "", IconUser, 0, 0, 1, nullptr);
        pLonely->Show();
        pView.reset();
        pLonely->Hide();
        QVERIFY(!pLonely->GetIcon());
    }

    void userPositionIsRecordedAndRestored()
    {
        CivIconView view;
        view.resize(500, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        CwsDirectoryIcon root(&view, "root", nullptr, 0, 0, 0);
        auto* pFolder = new CwsDirectoryIcon(&view, "F", &root, 0, 0, 1);
        root.AddChild(pFolder, true);
        for (int i = 1; i <= 3; ++i)
            root.AddChild(Entry(&view, QString("e%1").arg(i), i + 1, &root), true);
        root.ShowDirectory();
        CwsIcon* pE2 = root.GetChildrenList()->at(2);

        view.MoveItem(pE2->GetIcon(), QPoint(160, 75)); // as the user's drag does
        new QListWidgetItem("stranger", &view); // insertions ...
        delete view.item(view.count() - 1); // ... and removals forget nothing
        pE2->Hide();
        QCOMPARE(pE2->GetX(), 160);
        QCOMPARE(pE2->GetY(), 75);
        pE2->Show();
        QCOMPARE(view.ItemPos(pE2->GetIcon()), QPoint(160, 75));

        // Enter the folder and come back: every icon stands where it stood,
        // also those the user never moved, and no two share a spot.
        QHash<QString, QPoint> before;
        for (CwsIcon* pChild : *root.GetChildrenList())
            before[pChild->GetName()] = view.ItemPos(pChild->GetIcon());
        pFolder->ShowDirectory();
        QCOMPARE(Shown(view), QStringList({".."}));
        pFolder->HideDirectory(); // leaving by the up link
        root.ShowDirectory();
        QSet<QPoint> spots;
        for (CwsIcon* pChild : *root.GetChildrenList()) {
            const QPoint qpPos = view.ItemPos(pChild->GetIcon());
            QCOMPARE(qpPos, before[pChild->GetName()]);
            spots.insert(qpPos);
        }
        QCOMPARE(spots.size(), 4);

        // A node created with a position is put there; one with (0, 0) is
        // placed by the view.
        auto* pPlaced = new CwsIcon(&view, "placed", "", "", IconUser, 300, 200, 9, &root);
        QVERIFY(root.AddChild(pPlaced, false));
        QCOMPARE(view.ItemPos(pPlaced->GetIcon()), QPoint(300, 200));
    }

    void depthOrderWithGapsAndRepeats()
    {
        CivIconView view;
        CwsDirectoryIcon root(&view, "root", nullptr, 0, 0, 0);
        root.AddChild(Entry(&view, "d7", 7, &root), true);
        root.AddChild(Entry(&view, "d2a", 2, &root), true);
        root.AddChild(Entry(&view, "d1", 1, &root), true);
        root.AddChild(Entry(&view, "d2b", 2, &root), true);
        root.AddChild(Entry(&view, "d0", 0, &root), true);
        root.ShowDirectory();
        QCOMPARE(Shown(view), QStringList({"d0", "d1", "d2a", "d2b", "d7"}));

        auto* pFolder = new CwsDirectoryIcon(&view, "F", &root, 0, 0, 9);
        root.AddChild(pFolder, true);
        pFolder->AddChild(Entry(&view, "f3", 3, pFolder), true);
        pFolder->AddChild(Entry(&view, "f1", 1, pFolder), true);
        pFolder->ShowDirectory();
        QCOMPARE(Shown(view), QStringList({"..", "f1", "f3"}));
        QVERIFY(!root.GetChildrenList()->first()->GetIcon()); // the parent's icons are hidden
    }

    void duplicateNamesAreRefused()
    {
        CivIconView view;
        CwsDirectoryIcon root(&view, "root", nullptr, 0, 0, 0);
        root.AddChild(Entry(&view, "same", 1, &root), true);
        for (bool bQuiet : {true, false}) {
            std::unique_ptr<CwsIcon> pTwin(Entry(&view, "same", 2, &root));
            QVERIFY(!root.AddChild(pTwin.get(), bQuiet));
            QCOMPARE(root.GetChildCount(), 1);
            QCOMPARE(view.count(), 0); // not shown again either
        }
        std::unique_ptr<CwsIcon> pOtherCase(Entry(&view, "Same", 2, &root));
        QVERIFY(root.AddChild(pOtherCase.release(), false));
        QCOMPARE(root.GetChildCount(), 2);
        QCOMPARE(view.count(), 2);
    }

    void programEntriesAndUpLinksAreProtected()
    {
        CivIconView view;
        CwsDirectoryIcon root(&view, "root", nullptr, 0, 0, 0);
        auto* pFolder = new CwsDirectoryIcon(&view, "F", &root, 0, 0, 1);
        root.AddChild(pFolder, true);
        CwsIcon* pProgram = Entry(&view, "prog", 1, pFolder, IconSystem);
        pFolder->AddChild(pProgram, true);
        pFolder->AddChild(Entry(&view, "user", 2, pFolder), true);

        auto box = UiDriver::CloseNextMessageBox();
        pFolder->RemoveChild("..", false);
        QVERIFY(box->m_bShown);
        QCOMPARE(box->m_qstrCaption, QString("Fehler"));
        QCOMPARE(box->m_qstrText, QString("Dies ist ein Programm Icon, diese können Sie nicht löschen\n"));
        QCOMPARE(box->m_iButtons, 1);

        box = UiDriver::CloseNextMessageBox();
        pFolder->RemoveChild(pProgram, false);
        QVERIFY(box->m_bShown);
        QCOMPARE(pFolder->GetChildCount(), 4 - 1);

        pFolder->RemoveChild("user", false); // no box for a user entry
        QCOMPARE(pFolder->GetChildCount(), 2);
        pFolder->RemoveChild(pProgram, true);
        pFolder->RemoveChild("..", true);
        QCOMPARE(pFolder->GetChildCount(), 0);

        CwsIcon stranger(&view, "stranger", "", "", IconUser, 0, 0, 1, pFolder);
        pFolder->RemoveChild(&stranger, true); // not a child: left alone
        pFolder->RemoveChild("nobody", true);
        QCOMPARE(stranger.GetName(), QString("stranger"));
    }

    void deletingAFolderTakesItsShownDescendants()
    {
        CivIconView view;
        CwsDirectoryIcon root(&view, "root", nullptr, 0, 0, 0);
        auto* pOuter = new CwsDirectoryIcon(&view, "outer", &root, 0, 0, 1);
        root.AddChild(pOuter, true);
        auto* pInner = new CwsDirectoryIcon(&view, "inner", pOuter, 0, 0, 1);
        pOuter->AddChild(pInner, true);
        pInner->AddChild(Entry(&view, "deep", 1, pInner), true);
        pInner->ShowDirectory();
        QCOMPARE(view.count(), 2);
        // Another folder's item is not this folder's.
        QVERIFY(!root.GetWsIcon(view.item(1)));
        QVERIFY(!root.GetWsIcon(nullptr));
        QCOMPARE(pInner->GetWsIcon(view.item(1))->GetName(), QString("deep"));

        root.RemoveChild(pOuter, false);
        QCOMPARE(view.count(), 0);
        QCOMPARE(root.GetChildCount(), 0);
    }

    void pictures()
    {
        CivIconView view;
        CwsDirectoryIcon root(&view, "root", nullptr, 0, 0, 0);
        auto* pFolder = new CwsDirectoryIcon(&view, "F", &root, 0, 0, 1);
        root.AddChild(pFolder, true);
        root.AddChild(new CwsIcon(&view, "nopic", "", "missing.png", IconUser, 0, 0, 2, &root), true);

        // Without picture files the library's own folder picture is shown.
        root.ShowDirectory();
        QVERIFY(!pFolder->GetIcon()->icon().isNull());
        QVERIFY(root.GetChildrenList()->at(1)->GetIcon()->icon().isNull());
        pFolder->ShowDirectory();
        QVERIFY(!pFolder->GetChildrenList()->first()->GetIcon()->icon().isNull());

        // A picture file in the working directory takes precedence.
        QImage qiRed(8, 8, QImage::Format_RGB32);
        qiRed.fill(Qt::red);
        QVERIFY(qiRed.save("directory.bmp"));
        root.ShowDirectory();
        const QImage qiShown = pFolder->GetIcon()->icon().pixmap(8, 8).toImage();
        QCOMPARE(qiShown.pixelColor(4, 4), QColor(Qt::red));
        QCOMPARE(pFolder->GetIconFilename(), QString("directory.bmp"));

        // SetPixmap with a picture changes only the shown item.
        CwsIcon* pNoPic = root.GetChildrenList()->at(1);
        pNoPic->SetPixmap(QPixmap::fromImage(qiRed));
        QVERIFY(!pNoPic->GetIcon()->icon().isNull());
        QCOMPARE(pNoPic->GetIconFilename(), QString("missing.png"));
        pNoPic->SetPixmap(QString("directory.bmp"));
        QCOMPARE(pNoPic->GetIconFilename(), QString("directory.bmp"));
    }
};

QTEST_MAIN(TestCwsIconTree)
#include "tst_cwsIconTree.moc"
