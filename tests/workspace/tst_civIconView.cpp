#include "CivIconView.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class TestCivIconView : public QObject
{
    Q_OBJECT

    static QListWidgetItem* Add(CivIconView& p_view, const QString& p_qstrText)
    {
        auto* pItem = new QListWidgetItem(p_qstrText, &p_view);
        p_view.SetRenameEnabled(pItem, true);
        return pItem;
    }

    static bool Renaming(const CivIconView& p_view)
    {
        const auto editors = p_view.viewport()->findChildren<QLineEdit*>();
        return std::any_of(editors.begin(), editors.end(), [](QLineEdit* p) { return p->isVisible(); });
    }

private Q_SLOTS:
    void positionsSurviveInsertionsAndRemovals()
    {
        CivIconView view;
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QList<QListWidgetItem*> items;
        for (int i = 0; i < 4; ++i)
            items << Add(view, QString("item %1").arg(i));

        view.MoveItem(items[1], QPoint(160, 75));
        view.MoveItem(items[2], QPoint(250, 140));
        QCOMPARE(view.ItemPos(items[1]), QPoint(160, 75));
        QCOMPARE(view.ItemPos(items[2]), QPoint(250, 140));

        Add(view, "late");
        QCOMPARE(view.ItemPos(items[1]), QPoint(160, 75));
        QCOMPARE(view.ItemPos(items[2]), QPoint(250, 140));

        delete items[0];
        delete items[3];
        QCOMPARE(view.ItemPos(items[1]), QPoint(160, 75));
        QCOMPARE(view.ItemPos(items[2]), QPoint(250, 140));

        view.resize(250, 400);
        QTest::qWait(20);
        view.doItemsLayout();
        QCOMPARE(view.ItemPos(items[2]), QPoint(250, 140));

        // A removed item leaves nothing behind for a new one.
        delete items[2];
        QListWidgetItem* pNew = Add(view, "new");
        QVERIFY(view.ItemPos(pNew) != QPoint(250, 140));
        view.clear();
        QCOMPARE(view.count(), 0);
    }

    void signalsOfTheClassicIconView()
    {
        CivIconView view;
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QListWidgetItem* pItem = Add(view, "Editor");
        view.MoveItem(pItem, QPoint(20, 20));
        const QPoint qpCentre = view.visualItemRect(pItem).center();

        QSignalSpy doubleClicked(&view, &CivIconView::doubleClicked);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, qpCentre);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, qpCentre);
        QCOMPARE(doubleClicked.count(), 1);
        QCOMPARE(doubleClicked.at(0).at(0).value<QListWidgetItem*>(), pItem);
        QVERIFY(!Renaming(view)); // a double-click does not rename

        QSignalSpy returnPressed(&view, &CivIconView::returnPressed);
        view.setCurrentItem(pItem);
        QTest::keyClick(&view, Qt::Key_Return);
        QTest::keyClick(&view, Qt::Key_Enter);
        QCOMPARE(returnPressed.count(), 2);
        QCOMPARE(returnPressed.at(0).at(0).value<QListWidgetItem*>(), pItem);

        QSignalSpy rightPressed(&view, &CivIconView::rightButtonPressed);
        QWindow* pWindow = view.windowHandle();
        const QPoint qpEmpty(350, 250);
        QTest::mouseClick(pWindow, Qt::RightButton, {}, view.viewport()->mapTo(&view, qpCentre));
        QTest::mouseClick(pWindow, Qt::RightButton, {}, view.viewport()->mapTo(&view, qpEmpty));
        QCOMPARE(rightPressed.count(), 2);
        QCOMPARE(rightPressed.at(0).at(0).value<QListWidgetItem*>(), pItem);
        QCOMPARE(rightPressed.at(0).at(1).toPoint(), view.viewport()->mapToGlobal(qpCentre));
        QCOMPARE(rightPressed.at(1).at(0).value<QListWidgetItem*>(), nullptr);
    }

    void renamingInPlace()
    {
        CivIconView view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QListWidgetItem* pItem = Add(view, "Alt");
        QListWidgetItem* pFixed = new QListWidgetItem("Fest", &view);
        QSignalSpy renamed(&view, &CivIconView::itemRenamed);

        pItem->setText("by program");
        QCOMPARE(renamed.count(), 0);

        view.setCurrentItem(pItem);
        QTest::keyClick(&view, Qt::Key_F2);
        auto* pEditor = view.viewport()->findChild<QLineEdit*>();
        QVERIFY(pEditor);
        pEditor->selectAll();
        QTest::keyClicks(pEditor, "Neu");
        QTest::keyClick(pEditor, Qt::Key_Return); // the delegate commits from the event loop
        QTRY_COMPARE(renamed.count(), 1);
        QCOMPARE(renamed.at(0).at(0).value<QListWidgetItem*>(), pItem);
        QCOMPARE(renamed.at(0).at(1).toString(), QString("Neu"));

        // Confirming an unchanged text is no renaming.
        view.RenameItem(pItem);
        QVERIFY(Renaming(view));
        pEditor = view.viewport()->findChild<QLineEdit*>();
        QTest::keyClick(pEditor, Qt::Key_Return);
        QTRY_VERIFY(!Renaming(view));
        QCOMPARE(renamed.count(), 1);

        // Renaming switched off: neither F2 nor RenameItem opens an editor.
        view.SetRenameEnabled(pItem, false);
        view.RenameItem(pItem);
        view.setCurrentItem(pFixed);
        QTest::keyClick(&view, Qt::Key_F2);
        QVERIFY(!Renaming(view));
    }
};

QTEST_MAIN(TestCivIconView)
#include "tst_civIconView.moc"
