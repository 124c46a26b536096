// SPDX-License-Identifier: BSD-3-Clause
#include "CivIconView.h"
#include "CwsDirectoryIcon.h"
#include "Files.h"
#include "UiDriver.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

class TestCwsIconTree : public QObject
{
    Q_OBJECT

    std::unique_ptr<CivIconView> m_pView;
    std::unique_ptr<CwsDirectoryIcon> m_pRoot;

    QStringList Shown() const { return UiDriver::ItemTexts(m_pView.get()); }
    // A child of the folder, a folder of its own for IconDirectory; null when refused.
    CwsIcon* Add(CwsDirectoryIcon* p_pFolder, const QString& p_qstrName, int p_iDepth, EIconType p_eType = IconUser)
    {
        CwsIcon* pNode = p_eType == IconDirectory
            ? new CwsDirectoryIcon(m_pView.get(), p_qstrName, p_pFolder, 0, 0, p_iDepth)
            : new CwsIcon(m_pView.get(), p_qstrName, "", "", p_eType, 0, 0, p_iDepth, p_pFolder);
        return p_pFolder->AddChild(pNode, true) ? pNode : nullptr;
    }
    CwsDirectoryIcon* AddFolder(CwsDirectoryIcon* p_pFolder, const QString& p_qstrName)
    {
        return static_cast<CwsDirectoryIcon*>(Add(p_pFolder, p_qstrName, 1, IconDirectory));
    }
    bool Renaming() const
    {
        const auto qlEditors = m_pView->viewport()->findChildren<QLineEdit*>();
        return std::any_of(qlEditors.begin(), qlEditors.end(), [](QLineEdit* p) { return p->isVisible(); });
    }

private Q_SLOTS:
    void init()
    {
        QFile::remove("directory.bmp");
        m_pView = std::make_unique<CivIconView>();
        m_pView->resize(500, 400);
        m_pView->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pView.get()));
        m_pRoot = std::make_unique<CwsDirectoryIcon>(m_pView.get(), "root", nullptr, 0, 0, 0);
    }
    void cleanup()
    {
        m_pRoot.reset();
        m_pView.reset();
    }

    // A folder without its up link, a second child of one name, or a twice-shown node.
    void foldersAndNames()
    {
        CwsDirectoryIcon* pFolder = AddFolder(m_pRoot.get(), "A");
        QCOMPARE(pFolder->GetChildrenList()->first()->GetType(), IconUp);
        Add(m_pRoot.get(), "same", 2);
        for (bool bQuiet : {true, false}) {
            std::unique_ptr<CwsIcon> pTwin(
                new CwsIcon(m_pView.get(), "same", "", "", IconUser, 0, 0, 3, m_pRoot.get()));
            QVERIFY(!m_pRoot->AddChild(pTwin.get(), bQuiet));
        }
        QCOMPARE(m_pView->count(), 0); // refused, and not shown again
        QVERIFY(Add(m_pRoot.get(), "Same", 3));
        m_pRoot->ShowDirectory();
        m_pRoot->GetChildrenList()->at(1)->Show();
        QCOMPARE(Shown(), QStringList({"A", "same", "Same"}));
    }

    // Children behind a gap or sharing a depth left unshown, or shown out of order.
    void depthOrder_data()
    {
        QTest::addColumn<QList<int>>("depths");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("in order") << QList<int> {1, 2, 3} << QStringList({"n0", "n1", "n2"});
        QTest::newRow("gaps and repeats") << QList<int> {7, 2, 1, 2, 0} << QStringList({"n4", "n2", "n1", "n3", "n0"});
    }
    void depthOrder()
    {
        QFETCH(QList<int>, depths);
        for (int i = 0; i < depths.size(); ++i)
            Add(m_pRoot.get(), QString("n%1").arg(i), depths[i]);
        m_pRoot->ShowDirectory();
        QTEST(Shown(), "shown");
    }

    // The wrong node removed by name or found for an item; dangling items after a folder or view goes.
    void removal()
    {
        CwsDirectoryIcon* pOuter = AddFolder(m_pRoot.get(), "outer");
        CwsDirectoryIcon* pInner = AddFolder(pOuter, "inner");
        CwsIcon* pProgram = Add(pInner, "prog", 1, IconSystem);
        Add(pInner, "user", 2);
        pInner->RemoveChild("user", false);
        QCOMPARE(pInner->GetChildCount(), 2);
        pInner->ShowDirectory();
        QVERIFY(!m_pRoot->GetWsIcon(m_pView->item(1)));
        QCOMPARE(pInner->GetWsIcon(m_pView->item(1)), pProgram);
        m_pRoot->RemoveChild(pOuter, false);
        QCOMPARE(m_pView->count(), 0);

        CwsIcon* pLast = Add(m_pRoot.get(), "last", 1);
        pLast->Show();
        m_pView.reset();
        pLast->Hide(); // the view took the item with it
        QVERIFY(!pLast->GetIcon());
    }

    // The library's own folder picture missing, an entry without a picture file invisible, or either winning over a
    // picture file.
    void pictures()
    {
        CwsDirectoryIcon* pFolder = AddFolder(m_pRoot.get(), "F");
        CwsIcon* pEntry = Add(m_pRoot.get(), "nopic", 2);
        QVERIFY(Files::Write("broken.png", "no picture"));
        CwsIcon* pBroken = new CwsIcon(m_pView.get(), "broken", "", "broken.png", IconSystem, 0, 0, 3, m_pRoot.get());
        m_pRoot->AddChild(pBroken, true);
        m_pRoot->ShowDirectory();
        for (CwsIcon* pNode : {static_cast<CwsIcon*>(pFolder), pEntry, pBroken})
            QVERIFY(!pNode->GetIcon()->icon().pixmap(16, 16).toImage().isNull());
        QImage qiRed(8, 8, QImage::Format_RGB32);
        qiRed.fill(Qt::red);
        QVERIFY(qiRed.save("directory.bmp"));
        m_pRoot->ShowDirectory();
        pEntry->SetPixmap(QString("directory.bmp"));
        for (CwsIcon* pNode : {static_cast<CwsIcon*>(pFolder), pEntry})
            QCOMPARE(pNode->GetIcon()->icon().pixmap(8, 8).toImage().pixelColor(4, 4), QColor(Qt::red));
    }

    // Signals of the classic icon view missing, doubled, or sent while the rename editor still exists.
    void viewSignals()
    {
        CwsIcon* pNode = Add(m_pRoot.get(), "Ein sehr langer Name, der abgeschnitten wird", 1);
        m_pRoot->ShowDirectory();
        QListWidgetItem* pItem = pNode->GetIcon();
        const QPoint qpCentre = m_pView->visualItemRect(pItem).center();
        QSignalSpy doubleClicked(m_pView.get(), &CivIconView::doubleClicked);
        QSignalSpy returnPressed(m_pView.get(), &CivIconView::returnPressed);
        QSignalSpy rightPressed(m_pView.get(), &CivIconView::rightButtonPressed);
        QSignalSpy renamed(m_pView.get(), &CivIconView::itemRenamed);
        QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, qpCentre);
        QTest::mouseDClick(m_pView->viewport(), Qt::LeftButton, {}, qpCentre);
        QTest::keyClick(m_pView.get(), Qt::Key_Return);
        QTest::keyClick(m_pView.get(), Qt::Key_Enter);
        for (const QPoint& qpAt : {qpCentre, QPoint(450, 350)})
            QTest::mouseClick(m_pView->windowHandle(), Qt::RightButton, {},
                              m_pView->viewport()->mapTo(m_pView.get(), qpAt));
        QCOMPARE(QList<qsizetype>({doubleClicked.size(), returnPressed.size(), rightPressed.size()}),
                 QList<qsizetype>({1, 2, 2}));
        QVERIFY(rightPressed.at(0).at(0).value<QListWidgetItem*>() == pItem
                && !rightPressed.at(1).at(0).value<QListWidgetItem*>());
        QCOMPARE(rightPressed.at(0).at(1).toPoint(), m_pView->viewport()->mapToGlobal(qpCentre));
        QVERIFY(!Renaming());

        QHelpEvent qheTip(QEvent::ToolTip, qpCentre, m_pView->viewport()->mapToGlobal(qpCentre));
        QApplication::sendEvent(m_pView->viewport(), &qheTip);
        QTRY_COMPARE(QToolTip::text(), pNode->GetName());

        pItem->setText("by program");
        QTest::keyClick(m_pView.get(), Qt::Key_F2);
        auto* pEditor = m_pView->viewport()->findChild<QLineEdit*>();
        pEditor->selectAll();
        QTest::keyClicks(pEditor, "Neu");
        QTest::keyClick(pEditor, Qt::Key_Return);
        QTRY_COMPARE(renamed.size(), 1);
        QCOMPARE(renamed.at(0).at(1).toString(), QString("Neu"));
        m_pView->RenameItem(pItem);
        QTest::keyClick(m_pView->viewport()->findChild<QLineEdit*>(), Qt::Key_Return);
        QTRY_VERIFY(!Renaming());
        m_pView->SetRenameEnabled(pItem, false);
        m_pView->RenameItem(pItem);
        QTest::qWait(10);
        QVERIFY(!Renaming());
        QCOMPARE(renamed.size(), 1); // the program's change and the unchanged text are no renaming
    }
};

QTEST_MAIN(TestCwsIconTree)
#include "tst_cwsIconTree.moc"
