// SPDX-License-Identifier: BSD-3-Clause
#include "CbcTextEdit.h"
#include "CboBusinessObject.h"
#include "CcleCurrencyLineEdit.h"
#include "CfmFilemanager.h"
#include "CivIconView.h"
#include "CivcIconViewContainer.h"
#include "CivmIconViewManager.h"
#include "CncbNumberComboBox.h"
#include "CnleNumberLineEdit.h"
#include "CpmPrintManager.h"
#include "CsfdSimpleFileDialogIf.h"
#include "CsmSessionManager.h"
#include "CwsDirectoryIcon.h"
#include "Files.h"
#include "HelpWindow.h"

#include <rbox.h>

#include <QAction>
#include <QLoggingCategory>
#include <QMetaMethod>
#include <QTemporaryDir>
#include <QTest>

#include <type_traits>
#include <utility>

// The getters a host calls through const references.
static_assert(std::is_same_v<decltype(std::declval<const CsmSessionManager&>().IsKey({})), bool>);
static_assert(std::is_same_v<decltype(std::declval<const CsmSessionManager&>().GetString({}, {}, {})), QString>);
static_assert(std::is_same_v<decltype(std::declval<const CsmSessionManager&>().GetInteger({}, {}, 0)), int>);
static_assert(std::is_same_v<decltype(std::declval<const CsmSessionManager&>().GetFloat({}, {}, 0)), float>);
static_assert(std::is_same_v<decltype(std::declval<const CbcTextEdit&>().GetText()), QString>);
static_assert(std::is_same_v<decltype(std::declval<const CrboDataSet&>().GetItem({})), CrboDataSetItem*>);
static_assert(std::is_same_v<decltype(std::declval<const CivcIconViewContainer&>().GetRoot()), CwsDirectoryIcon*>);
static_assert(
    std::is_same_v<decltype(std::declval<const CivmIconViewManager&>().GetCurrentDirectory()), CwsDirectoryIcon*>);
static_assert(std::is_same_v<decltype(std::declval<const CwsDirectoryIcon&>().GetChildrenList()), QList<CwsIcon*>*>);

namespace
{
// The object's own part: the size beyond its base class.
template <typename Class> void AddClass(const char* p_szName, size_t p_iBase, QStringList p_qslSlots = {})
{
    const QMetaObject* pMeta = nullptr;
    if constexpr (std::is_base_of_v<QObject, Class>)
        pMeta = &Class::staticMetaObject;
    QTest::newRow(p_szName) << sizeof(Class) - p_iBase << pMeta << p_qslSlots;
}

// The slots a class declares itself, as the meta-object lists them.
QStringList OwnSlots(const QMetaObject* p_pMeta)
{
    QStringList qslSlots;
    for (int i = p_pMeta->methodOffset(); i < p_pMeta->methodCount(); ++i) {
        if (p_pMeta->method(i).methodType() == QMetaMethod::Slot)
            qslSlots << p_pMeta->method(i).methodSignature();
    }
    return qslSlots;
}
}

class TestInterface : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    // A data member in a public header (a fix that adds one breaks every program built against it), or a
    // QObject subclass without its own meta-object, or private slots hosts connect to by name gone.
    void privateDataBehindOnePointer_data()
    {
        QTest::addColumn<size_t>("ownSize");
        QTest::addColumn<const QMetaObject*>("meta");
        QTest::addColumn<QStringList>("slotList");
        constexpr size_t Pointer = sizeof(void*);
        AddClass<CboBusinessObject>("CboBusinessObject", sizeof(QObject));
        AddClass<CsmSessionManager>("CsmSessionManager", Pointer); // and its virtual table
        AddClass<CwsIcon>("CwsIcon", sizeof(CboBusinessObject));
        AddClass<CwsDirectoryIcon>("CwsDirectoryIcon", sizeof(CwsIcon));
        AddClass<CivIconView>("CivIconView", sizeof(QListWidget));
        AddClass<CivcIconViewContainer>("CivcIconViewContainer", Pointer);
        AddClass<CivmIconViewManager>("CivmIconViewManager", sizeof(CivIconView),
                                      {"RightMouseButtonClickedSlot(QListWidgetItem*,QPoint)",
                                       "DoubleClickedSlot(QListWidgetItem*)",
                                       "IconRenamedSlot(QListWidgetItem*,QString)"});
        AddClass<CsfdSimpleFileDialogIf>("CsfdSimpleFileDialogIf", sizeof(CsfdSimpleFileDialog));
        AddClass<CcleCurrencyLineEdit>("CcleCurrencyLineEdit", sizeof(QLineEdit), {"LineEditTextChangedSlot(QString)"});
        AddClass<CnleNumberLineEdit>("CnleNumberLineEdit", sizeof(QLineEdit), {"LineEditTextChangedSlot(QString)"});
        AddClass<CncbNumberComboBox>("CncbNumberComboBox", sizeof(QComboBox), {"LineEditTextChangedSlot(QString)"});
        AddClass<CfmFilemanager>("CfmFilemanager", 0);
        AddClass<CpmPrintManager>("CpmPrintManager", 0);
        AddClass<HelpWindow>("HelpWindow", sizeof(QMainWindow),
                             {"setBackwardAvailable(bool)", "setForwardAvailable(bool)", "End()", "textChanged()",
                              "about()", "aboutQt()", "openFile()", "newWindow()", "print()", "pathSelected(QString)",
                              "histChosen(int)", "bookmChosen(int)", "addBookmark()"});
        AddClass<CbcTextEdit>("CbcTextEdit", sizeof(QMainWindow),
                              {"FileSave()",
                               "FilePrint()",
                               "FileExit()",
                               "EditUndo()",
                               "EditRedo()",
                               "EditCut()",
                               "EditCopy()",
                               "EditPaste()",
                               "TextBold()",
                               "TextUnderline()",
                               "TextItalic()",
                               "TextFamily(QString)",
                               "TextSize(QString)",
                               "TextStyle(int)",
                               "TextColor()",
                               "TextAlign(QAction*)",
                               "FontChanged(QFont)",
                               "ColorChanged(QColor)",
                               "AlignmentChanged(int)",
                               "TableCellEdit()"});
        AddClass<rbox>("rbox", Pointer); // and its virtual table
        AddClass<CrboDataSet>("CrboDataSet", 0);
        AddClass<CrboDataSetItem>("CrboDataSetItem", 0);
        AddClass<CrboTableWriter>("CrboTableWriter", 0);
    }
    void privateDataBehindOnePointer()
    {
        QFETCH(size_t, ownSize);
        QFETCH(const QMetaObject*, meta);
        QFETCH(QStringList, slotList);
        QCOMPARE(ownSize, sizeof(void*));
        if (!meta)
            return;
        QCOMPARE(meta->className(), QTest::currentDataTag());
        if (!slotList.isEmpty())
            QCOMPARE(OwnSlots(meta), slotList);
    }

    // A node that qobject_cast cannot find, or that names its base class as its own.
    void nodesAreTheirOwnClasses()
    {
        CwsDirectoryIcon folder(nullptr, "Ordner", nullptr, 0, 0, 0);
        QObject* pqoFolder = &folder;
        QCOMPARE(qobject_cast<CwsIcon*>(pqoFolder), &folder);
        QCOMPARE(qobject_cast<CwsDirectoryIcon*>(folder.GetChildrenList()->first()), nullptr);
        QCOMPARE(pqoFolder->metaObject()->className(), "CwsDirectoryIcon");
    }

    // Diagnostic lines that cannot be switched off, or that went elsewhere than standard output.
    void diagnosticLines_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<std::function<void()>>("run");
        QTest::addColumn<QByteArray>("line");
        const QString qstrFile = m_dir.filePath("text");
        const std::function<void()> fnSave = [qstrFile] { CfmFilemanager().SaveFile("x", false, "txt", qstrFile, {}); };
        const std::function<void()> fnCell = [] {
            CbcTextEdit editor;
            editor.SetText("<p>ab</p>");
            editor.findChild<QAction*>("editTableCell")->trigger();
        };
        const std::function<void()> fnStore = [this] {
            Files::Write(m_dir.filePath("icons"), "no records");
            CivcIconViewContainer(nullptr, m_dir.path()); // kept aside, with a line telling so
        };
        const QByteArray qbaSaved = "Filename: " + QFile::encodeName(qstrFile) + "\n"; // as given
        QTest::newRow("file saved") << QString() << fnSave << qbaSaved;
        QTest::newRow("file saved, files off") << "torvasyslib.files=false" << fnSave << QByteArray();
        QTest::newRow("file saved, editor off") << "torvasyslib.editor=false" << fnSave << qbaSaved;
        QTest::newRow("table cell") << QString() << fnCell << QByteArray("Cursor in paragraph 0 at index 0\n");
        QTest::newRow("table cell, all off") << "torvasyslib.*=false" << fnCell << QByteArray();
        QTest::newRow("damaged workspace, all off") << "torvasyslib.*=false" << fnStore << QByteArray();
    }
    void diagnosticLines()
    {
        QFETCH(QString, rule);
        QFETCH(std::function<void()>, run);
        QFETCH(QByteArray, line);
        QLoggingCategory::setFilterRules(rule);
        const QByteArray qbaPrinted = Files::Stdout(run);
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(qbaPrinted, line);
    }
};

QTEST_MAIN(TestInterface)
#include "tst_interface.moc"
