#include "CbcTextEdit.h"
#include "PdfWords.h"
#include "StdoutCapture.h"
#include "UiDriver.h"

#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>
#include <QToolButton>

#include <memory>

class TestCbcTextEdit : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static QTextEdit* Editor(CbcTextEdit& p_window) { return qobject_cast<QTextEdit*>(p_window.centralWidget()); }

    static QAction* Action(CbcTextEdit& p_window, const char* p_szName)
    {
        return p_window.findChild<QAction*>(p_szName);
    }

    static QStringList Describe(const QList<QAction*>& p_qlActions)
    {
        QStringList qslTexts;
        for (QAction* pAction : p_qlActions) {
            if (pAction->isSeparator())
                qslTexts << "--";
            else if (!pAction->objectName().isEmpty())
                qslTexts << pAction->objectName();
        }
        return qslTexts;
    }

    // Selects the characters [p_iFrom, p_iTo) of the editor.
    static void Select(QTextEdit* p_pEditor, int p_iFrom, int p_iTo)
    {
        QTextCursor cursor = p_pEditor->textCursor();
        cursor.setPosition(p_iFrom);
        cursor.setPosition(p_iTo, QTextCursor::KeepAnchor);
        p_pEditor->setTextCursor(cursor);
    }

    static void Choose(QComboBox* p_pCombo, const QString& p_qstrText)
    {
        p_pCombo->lineEdit()->selectAll();
        QTest::keyClicks(p_pCombo->lineEdit(), p_qstrText);
        QTest::keyClick(p_pCombo->lineEdit(), Qt::Key_Return);
    }

    QString Write(const QString& p_qstrName, const QByteArray& p_qbaContent)
    {
        QFile file(m_dir.filePath(p_qstrName));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(p_qbaContent);
        return file.fileName();
    }

private Q_SLOTS:
    void actionsMenusAndToolBars()
    {
        CbcTextEdit window;
        QStringList qslMenus;
        for (QAction* pMenu : window.menuBar()->actions())
            qslMenus << pMenu->text();
        QCOMPARE(qslMenus, QStringList({"&Datei", "&Bearbeiten", "F&ormat"}));
        const QList<QAction*> menus = window.menuBar()->actions();
        QCOMPARE(Describe(menus[0]->menu()->actions()), QStringList({"fileSave", "filePrint", "fileExit"}));
        QCOMPARE(Describe(menus[1]->menu()->actions()),
                 QStringList({"editUndo", "editRedo", "--", "editCopy", "editCut", "editPaste", "editTableCell"}));
        QCOMPARE(Describe(menus[2]->menu()->actions()),
                 QStringList({"textBold", "textItalic", "textUnderline", "--", "textLeft", "textCenter", "textRight",
                              "textjustify", "--", "textColor"}));

        const QList<QToolBar*> bars = window.findChildren<QToolBar*>();
        QStringList qslLabels;
        for (QToolBar* pBar : bars)
            qslLabels << pBar->windowTitle();
        QCOMPARE(qslLabels, QStringList({"File Actions", "Edit Actions", "Format Actions"}));
        QCOMPARE(Describe(bars[0]->actions()), QStringList({"fileSave", "filePrint"}));
        QCOMPARE(Describe(bars[1]->actions()),
                 QStringList({"editUndo", "editRedo", "editCopy", "editCut", "editPaste"}));
        QStringList qslFormat;
        for (QAction* pAction : bars[2]->actions())
            qslFormat << (pAction->objectName().isEmpty() ? bars[2]->widgetForAction(pAction)->metaObject()->className()
                                                          : pAction->objectName());
        QCOMPARE(qslFormat,
                 QStringList({"QComboBox", "QComboBox", "QComboBox", "textBold", "textItalic", "textUnderline",
                              "textLeft", "textCenter", "textRight", "textjustify", "textColor"}));

        // Short text, menu text, accelerator and toggle of each action.
        const QList<std::tuple<const char*, QString, QString, QString, bool>> expected
            = {{"fileSave", "Speichern", "&Speichern...", "Ctrl+S", false},
               {"filePrint", "Drucken", "&Drucken...", "Ctrl+P", false},
               {"fileExit", "Editor beenden", "Editor Beenden", "", false},
               {"editUndo", "Rückgängig", "&Rückgängig", "Ctrl+Z", false},
               {"editRedo", "Wiederholen", "&Wiederholen", "Ctrl+Y", false},
               {"editCopy", "Kopieren", "&Kopieren", "Ctrl+C", false},
               {"editCut", "Ausschneiden", "&Ausschneiden", "Ctrl+X", false},
               {"editPaste", "Einfügen", "&Einfügen", "Ctrl+V", false},
               {"editTableCell", "Tabellen Zelle Editieren", "&Tabellen Zelle Editieren", "Ctrl+T", false},
               {"textBold", "Fett", "&Fett", "Ctrl+B", true},
               {"textItalic", "Kursiv", "&Kursiv", "Ctrl+I", true},
               {"textUnderline", "Unterstrichen", "&Unterstrichen", "Ctrl+U", true},
               {"textLeft", "Links", "&Links", "Ctrl+L", true},
               {"textCenter", "Zentriert", "&Zentriert", "Ctrl+E", true},
               {"textRight", "Rechts", "&Rechts", "Ctrl+R", true},
               {"textjustify", "Blocksatz", "&Blocksatz", "Ctrl+J", true},
               {"textColor", "Farbe", "&Farbe...", "", false}};
        for (const auto& [name, shortText, menuText, key, toggle] : expected) {
            QAction* pAction = Action(window, name);
            QVERIFY2(pAction, name);
            QCOMPARE(pAction->iconText(), shortText);
            QCOMPARE(pAction->text(), menuText);
            QCOMPARE(pAction->shortcut().toString(), key);
            QCOMPARE(pAction->isCheckable(), toggle);
            QVERIFY(!pAction->isChecked());
            QCOMPARE(pAction->icon().isNull(), QByteArray(name) == "fileExit" || QByteArray(name) == "editTableCell");
        }
        QCOMPARE(Action(window, "textColor")->icon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::black));

        // The meta-object: twenty private slots.
        const QMetaObject* pMeta = window.metaObject();
        QStringList qslSlots;
        for (int i = pMeta->methodOffset(); i < pMeta->methodCount(); ++i) {
            QCOMPARE(pMeta->method(i).access(), QMetaMethod::Private);
            qslSlots << pMeta->method(i).methodSignature();
        }
        QCOMPARE(qslSlots,
                 QStringList({"FileSave()",
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
                              "TableCellEdit()"}));
    }

    void shortcutsWithoutAnEditor()
    {
        CbcTextEdit window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setFocus();
        const QList<std::pair<const char*, Qt::Key>> keys
            = {{"fileSave", Qt::Key_S},   {"filePrint", Qt::Key_P},     {"editUndo", Qt::Key_Z},
               {"editRedo", Qt::Key_Y},   {"editCopy", Qt::Key_C},      {"editCut", Qt::Key_X},
               {"editPaste", Qt::Key_V},  {"editTableCell", Qt::Key_T}, {"textBold", Qt::Key_B},
               {"textItalic", Qt::Key_I}, {"textUnderline", Qt::Key_U}, {"textLeft", Qt::Key_L},
               {"textCenter", Qt::Key_E}, {"textRight", Qt::Key_R},     {"textjustify", Qt::Key_J}};
        StdoutCapture output;
        for (const auto& [name, key] : keys) {
            QSignalSpy triggered(Action(window, name), &QAction::triggered);
            QTest::keyClick(&window, key, Qt::ControlModifier);
            QCOMPARE(triggered.count(), 1);
        }
        // Nothing happened: no editor, nothing printed, no text.
        QVERIFY(!window.centralWidget());
        QVERIFY(window.GetText().isNull());
        QCOMPARE(output.Take(), QByteArray());
        QVERIFY(window.isVisible());
        Action(window, "fileExit")->trigger();
        QVERIFY(!window.isVisible());
    }

    void formattingLandsInTheDocument()
    {
        CbcTextEdit window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.SetText("<p>hello world</p><p>second</p><p>third</p>");
        QTextEdit* pEditor = Editor(window);
        QVERIFY(pEditor);

        Select(pEditor, 0, 5);
        QTest::mouseClick(window.findChildren<QToolBar*>()[2]->widgetForAction(Action(window, "textBold")),
                          Qt::LeftButton);
        QTest::keyClick(pEditor, Qt::Key_I, Qt::ControlModifier);
        Action(window, "textUnderline")->trigger(); // the menu entry
        Select(pEditor, 0, 5);
        QTextCharFormat format = pEditor->textCursor().charFormat();
        QCOMPARE(format.fontWeight(), int(QFont::Bold));
        QVERIFY(format.fontItalic());
        QVERIFY(format.fontUnderline());
        QVERIFY(window.GetText().contains("font-weight:700"));

        QComboBox* pFamily = window.findChildren<QComboBox*>()[1];
        QComboBox* pSize = window.findChildren<QComboBox*>()[2];
        Select(pEditor, 6, 11);
        Choose(pSize, "14");
        Select(pEditor, 6, 11);
        QCOMPARE(pEditor->textCursor().charFormat().fontPointSize(), 14.0);
        Choose(pSize, "abc"); // no size: nothing changes
        Choose(pSize, "0");
        Select(pEditor, 6, 11);
        QCOMPARE(pEditor->textCursor().charFormat().fontPointSize(), 14.0);
        Choose(pFamily, "DejaVu Serif");
        Select(pEditor, 6, 11);
        QCOMPARE(pEditor->textCursor().charFormat().fontFamilies().toStringList().value(0), QString("DejaVu Serif"));

        // Moving into the bold italic word: the toggles and fields follow.
        QTextCursor cursor = pEditor->textCursor();
        cursor.setPosition(8);
        pEditor->setTextCursor(cursor);
        QVERIFY(!Action(window, "textBold")->isChecked());
        QCOMPARE(pSize->currentText(), QString("14"));
        QCOMPARE(pFamily->currentText(), QString("DejaVu Serif"));
        cursor.setPosition(2);
        pEditor->setTextCursor(cursor);
        QVERIFY(Action(window, "textBold")->isChecked());
        QVERIFY(Action(window, "textItalic")->isChecked());
        QVERIFY(Action(window, "textUnderline")->isChecked());

        // Alignment: automatic shows left; centred shows centre only.
        QVERIFY(Action(window, "textLeft")->isChecked());
        QTest::keyClick(pEditor, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(pEditor->alignment(), Qt::AlignHCenter);
        QVERIFY(Action(window, "textCenter")->isChecked() && !Action(window, "textLeft")->isChecked());
        cursor.movePosition(QTextCursor::NextBlock);
        pEditor->setTextCursor(cursor);
        QVERIFY(Action(window, "textLeft")->isChecked() && !Action(window, "textCenter")->isChecked());

        // Colour: picked from the dialog, or cancelled.
        for (const bool bAccept : {true, false}) {
            UiDriver::OnNextModal([bAccept](QWidget* p_pDialog) {
                auto* pColours = qobject_cast<QColorDialog*>(p_pDialog);
                if (bAccept) {
                    pColours->setCurrentColor(bAccept ? Qt::red : Qt::green);
                    pColours->accept();
                } else {
                    pColours->setCurrentColor(Qt::green);
                    pColours->reject();
                }
            });
            Select(pEditor, 12, 18);
            Action(window, "textColor")->trigger();
            Select(pEditor, 12, 18);
            QCOMPARE(pEditor->textCursor().charFormat().foreground().color(), QColor(Qt::red));
            QCOMPARE(Action(window, "textColor")->icon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));
        }
    }

    void paragraphStyles()
    {
        CbcTextEdit window;
        window.SetText("<p>one</p><p>two</p>");
        QTextEdit* pEditor = Editor(window);
        QComboBox* pStyle = window.findChildren<QComboBox*>()[0];
        const QTextListFormat::Style styles[]
            = {QTextListFormat::ListDisc,    QTextListFormat::ListCircle,     QTextListFormat::ListSquare,
               QTextListFormat::ListDecimal, QTextListFormat::ListLowerAlpha, QTextListFormat::ListUpperAlpha};
        for (int i = 1; i <= 6; ++i) {
            pStyle->setCurrentIndex(i);
            Q_EMIT pStyle->activated(i);
            QTextList* pList = pEditor->textCursor().currentList();
            QVERIFY(pList);
            QCOMPARE(pList->format().style(), styles[i - 1]);
        }
        QVERIFY(window.GetText().contains("<ol"));
        Q_EMIT pStyle->activated(0);
        QVERIFY(!pEditor->textCursor().currentList());
        QCOMPARE(pEditor->textCursor().blockFormat().indent(), 0);
        QVERIFY(!window.GetText().contains("<li"));
        Q_EMIT pStyle->activated(9); // no such style
        QVERIFY(!pEditor->textCursor().currentList());
    }

    void loadSetTextAndSave()
    {
        const QString qstrFirst = Write("first.html", "<p>first <b>file</b></p>");
        const QString qstrSecond = Write("second.html", "<p>second file</p>");
        {
            CbcTextEdit missing(m_dir.filePath("missing.html"), nullptr, "m", {});
            QVERIFY(!missing.centralWidget());
            QVERIFY(missing.GetText().isNull());
            Action(missing, "fileSave")->trigger();
            QVERIFY(!QFile::exists(m_dir.filePath("missing.html")));
        }

        CbcTextEdit window(qstrFirst, nullptr, "editor", {});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTextEdit* pFirstEditor = Editor(window);
        QVERIFY(pFirstEditor);
        QCOMPARE(pFirstEditor->toPlainText(), QString("first file"));
        QCOMPARE(pFirstEditor->lineWrapMode(), QTextEdit::WidgetWidth);
        QVERIFY(pFirstEditor->hasFocus());

        window.Load(qstrSecond);
        QTextEdit* pSecondEditor = Editor(window);
        QVERIFY(pSecondEditor && pSecondEditor != pFirstEditor);
        window.Load(m_dir.filePath("missing.html"));
        QCOMPARE(Editor(window), pSecondEditor);
        QTest::keyClick(pSecondEditor, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(pSecondEditor, " edited");
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QFile saved(qstrFirst); // still the file named at construction
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(saved.readAll()), window.GetText());
        QVERIFY(window.GetText().contains("second file edited"));

        // The caller's text: the same editor each time, no saving or leaving.
        CbcTextEdit host;
        host.SetText("<p>Grüße</p>");
        QTextEdit* pEditor = Editor(host);
        QVERIFY(pEditor && pEditor->isVisible() == host.isVisible());
        host.SetText("<p>again</p>");
        QCOMPARE(Editor(host), pEditor);
        QCOMPARE(pEditor->toPlainText(), QString("again"));
        QVERIFY(!Action(host, "fileSave")->isEnabled());
        QVERIFY(!Action(host, "fileExit")->isEnabled());
        QVERIFY(Action(host, "filePrint")->isEnabled());
    }

    void tableCellLine()
    {
        CbcTextEdit window;
        window.SetText("<p>a</p><p>b</p><p>third</p>");
        QTextEdit* pEditor = Editor(window);
        QTextCursor cursor(pEditor->document()->findBlockByNumber(2));
        cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 3);
        pEditor->setTextCursor(cursor);
        QByteArray qbaLine;
        {
            StdoutCapture output;
            Action(window, "editTableCell")->trigger();
            qbaLine = output.Take();
        }
        QCOMPARE(qbaLine, QByteArray("Cursor in paragraph 2 at index 3\n"));
        QCOMPARE(pEditor->toPlainText(), QString("a\nb\nthird"));
    }

    void printing()
    {
        CbcTextEdit window;
        QString qstrText;
        for (int i = 0; i < 150; ++i)
            qstrText += QString("<p>paragraph%1 with some words to fill the page</p>").arg(i, 3, 10, QChar('0'));
        window.SetText(qstrText);
        const QString qstrPdf = m_dir.filePath("editor.pdf");
        UiDriver::AnswerPrintDialog(qstrPdf);
        Action(window, "filePrint")->trigger();
        const PdfContent content = ReadPdf(qstrPdf, PDFTOTEXT);
        QVERIFY(content.m_qlPages.size() >= 3);
        QStringList qslParagraphs;
        for (int iPage = 1; iPage <= content.m_qlPages.size(); ++iPage) {
            QStringList qslWords = content.Words(iPage);
            QCOMPARE(qslWords.takeLast(), QString::number(iPage));
            qslParagraphs += qslWords.filter(QRegularExpression("^paragraph"));
        }
        QCOMPARE(qslParagraphs.size(), 150);
        QCOMPARE(qslParagraphs.last(), QString("paragraph149"));
        QVERIFY(std::abs(content.m_qlWords.first().m_qrBox.left() - 72) < 1.5);
    }
};

QTEST_MAIN(TestCbcTextEdit)
#include "tst_cbcTextEdit.moc"
