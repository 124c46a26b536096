// SPDX-License-Identifier: BSD-3-Clause
#include "CbcTextEdit.h"
#include "Files.h"
#include "UiDriver.h"

#include <QColorDialog>
#include <QComboBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>

using UiDriver::Answer;

class TestCbcTextEdit : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static QTextEdit* Editor(CbcTextEdit& p_window) { return p_window.findChild<QTextEdit*>(); }
    static QAction* Action(CbcTextEdit& p_window, const char* p_szName)
    {
        return p_window.findChild<QAction*>(p_szName);
    }
    static QComboBox* Combo(CbcTextEdit& p_window, int p_iIndex)
    {
        return p_window.findChildren<QComboBox*>()[p_iIndex];
    }
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
    static void Show(CbcTextEdit& p_window)
    {
        p_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p_window));
    }
    // The text of the rich-text file.
    static QString PlainText(const QString& p_qstrFile)
    {
        QTextDocument qtdSaved;
        qtdSaved.setHtml(QString::fromUtf8(Files::Read(p_qstrFile)));
        return qtdSaved.toPlainText();
    }
    // What the format bar shows: size, bold, italic.
    static QString Bar(CbcTextEdit& p_window)
    {
        return QString("%1 %2%3").arg(Combo(p_window, 2)->currentText(),
                                      Action(p_window, "textBold")->isChecked() ? "B" : "-",
                                      Action(p_window, "textItalic")->isChecked() ? "I" : "-");
    }

private Q_SLOTS:
    // A command with no editor crashing or doing something.
    void commandsWithoutAnEditor()
    {
        CbcTextEdit window(m_dir.filePath("missing.html"), nullptr, "m", {});
        Show(window);
        const QByteArray qbaOutput = Files::Stdout([&] {
            for (Qt::Key eKey : {Qt::Key_S, Qt::Key_P, Qt::Key_Z, Qt::Key_Y, Qt::Key_C, Qt::Key_X, Qt::Key_V, Qt::Key_T,
                                 Qt::Key_B, Qt::Key_I, Qt::Key_U, Qt::Key_L, Qt::Key_E, Qt::Key_R, Qt::Key_J})
                QTest::keyClick(&window, eKey, Qt::ControlModifier);
        });
        QVERIFY(!window.centralWidget() && window.GetText().isNull());
        QVERIFY(qbaOutput.isEmpty() && !QFile::exists(m_dir.filePath("missing.html")));
    }

    // Formatting that misses the selection, a bar that does not follow the cursor, sizes of 0 making text invisible.
    void formatting()
    {
        CbcTextEdit window;
        Show(window);
        window.SetText("<p>hello world</p><p>second</p>");
        QTextEdit* pEditor = Editor(window);
        Select(pEditor, 0, 5);
        QAction* pBold = Action(window, "textBold");
        for (QToolBar* pBar : window.findChildren<QToolBar*>())
            if (pBar->widgetForAction(pBold))
                QTest::mouseClick(pBar->widgetForAction(pBold), Qt::LeftButton);
        QTest::keyClick(pEditor, Qt::Key_I, Qt::ControlModifier);
        Select(pEditor, 6, 11);
        Choose(Combo(window, 2), "14");
        for (const char* szSize : {"abc", "0"})
            Choose(Combo(window, 2), szSize);
        Choose(Combo(window, 1), "DejaVu Serif");
        Select(pEditor, 6, 11);
        const QTextCharFormat qtcfWorld = pEditor->textCursor().charFormat();
        QCOMPARE(qtcfWorld.fontPointSize(), 14.0);
        QCOMPARE(qtcfWorld.fontFamilies().toStringList().value(0), QString("DejaVu Serif"));
        pEditor->moveCursor(QTextCursor::Start);
        pEditor->moveCursor(QTextCursor::Right);
        QCOMPARE(Bar(window), QString("9 BI"));
        pEditor->moveCursor(QTextCursor::EndOfBlock);
        QCOMPARE(Bar(window), QString("14 --"));

        QTest::keyClick(pEditor, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(Action(window, "textCenter")->isChecked() && !Action(window, "textLeft")->isChecked());
        pEditor->moveCursor(QTextCursor::NextBlock);
        QVERIFY(Action(window, "textLeft")->isChecked());
        for (const bool bAccept : {true, false}) {
            UiDriver::OnNextModal([bAccept](QWidget* p_pDialog) {
                auto* pColours = qobject_cast<QColorDialog*>(p_pDialog);
                pColours->setCurrentColor(bAccept ? Qt::red : Qt::green);
                bAccept ? pColours->accept() : pColours->reject();
            });
            Select(pEditor, 12, 18);
            Action(window, "textColor")->trigger();
            Select(pEditor, 12, 18);
            QCOMPARE(pEditor->textCursor().charFormat().foreground().color(), QColor(Qt::red));
        }
        QCOMPARE(Action(window, "textColor")->icon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));

        QComboBox* pStyle = Combo(window, 0);
        for (int i : {4, 1, 0, 9}) {
            pStyle->setCurrentIndex(i);
            Q_EMIT pStyle->activated(i);
            QTextList* pList = pEditor->textCursor().currentList();
            QCOMPARE(pList ? pList->format().style() : QTextListFormat::Style(0),
                     i == 4       ? QTextListFormat::ListDecimal
                         : i == 1 ? QTextListFormat::ListDisc
                                  : QTextListFormat::Style(0));
        }
        QCOMPARE(pEditor->textCursor().blockFormat().indent(), 0);
        QCOMPARE(Files::Stdout([&] { Action(window, "editTableCell")->trigger(); }),
                 QByteArray("Cursor in paragraph 1 at index 6\n"));
    }

    // Ctrl+F or the print preview missing in the editor, or finding in the wrong text.
    void findAndPreview()
    {
        CbcTextEdit window;
        Show(window);
        window.SetText("<p>one two</p><p>two three</p>");
        QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
        auto* pField = window.findChild<QToolBar*>("findBar")->findChild<QLineEdit*>();
        QTest::keyClicks(pField, "two");
        QTest::keyClick(pField, Qt::Key_Return);
        QCOMPARE(Editor(window)->textCursor().selectionStart(), 8);
        const auto piPages = UiDriver::CountPreviewPages();
        Action(window, "filePrintPreview")->trigger();
        QTRY_COMPARE(*piPages, 1);
    }

    // The bar showing a stale format at the start, the wrong file written, the host's text treated as a file.
    void loadingAndSaving()
    {
        const QString qstrFirst = m_dir.filePath("first.html");
        QVERIFY(Files::Write(qstrFirst, "<h2>Kopf</h2><p>first <i>file</i></p>"));
        QVERIFY(Files::Write(m_dir.filePath("second.html"), "<p><b>second</b> note</p>"));
        CbcTextEdit window(qstrFirst, nullptr, "editor", {});
        Show(window);
        QCOMPARE(Bar(window), QString("14 B-"));
        QCOMPARE(window.windowTitle() + QString::number(window.isWindowModified()), QString("first.html[*] – Editor0"));
        QStringList qslNames;
        for (int i = 0; i < 3; ++i)
            qslNames << Combo(window, i)->accessibleName();
        QCOMPARE(qslNames, QStringList({"Absatzformat", "Schriftart", "Schriftgröße"}));
        QVERIFY(Editor(window)->hasFocus());
        window.Load(m_dir.filePath("second.html"));
        QCOMPARE(Bar(window), QString("9 B-"));
        QTest::keyClick(Editor(window), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(Bar(window), QString("9 --"));
        QTest::keyClicks(Editor(window), " edited");
        QVERIFY(window.isWindowModified());
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!window.isWindowModified());
        QCOMPARE(QString::fromUtf8(Files::Read(qstrFirst)), window.GetText()); // the file named at construction
        QVERIFY(window.GetText().contains("note edited"));

        CbcTextEdit host;
        host.SetText("<h1>Titel</h1>");
        QCOMPARE(Bar(host), QString("18 B-"));
        QTextEdit* pEditor = Editor(host);
        host.SetText("<p>again</p>");
        QVERIFY(Editor(host) == pEditor && !Action(host, "fileSave")->isEnabled()
                && !Action(host, "fileExit")->isEnabled());
        Show(host);
        QTest::keyClicks(pEditor, "typed");
        host.close(); // the host reads the text back: no question
        QVERIFY(!host.isVisible());
    }

    // Umlauts of an older program's Latin-1 page turned into replacement characters, or lost when saved back.
    void encodings_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("Latin-1") << QByteArray("<p>Gr\xfc\xdf"
                                               "e</p>");
        QTest::newRow("declared Latin-1") << QByteArray("<meta charset=iso-8859-1><p>Gr\xfc\xdf"
                                                        "e</p>");
        QTest::newRow("UTF-8") << QString("<p>Grüße</p>").toUtf8();
    }
    void encodings()
    {
        QFETCH(QByteArray, file);
        const QString qstrFile = m_dir.filePath("old.html");
        QVERIFY(Files::Write(qstrFile, file));
        CbcTextEdit window(qstrFile, nullptr, "editor", {});
        QCOMPARE(Editor(window)->toPlainText(), QString("Grüße"));
        QTest::keyClicks(Editor(window), "!");
        Action(window, "fileSave")->trigger();
        QCOMPARE(PlainText(qstrFile), QString("!Grüße"));
    }

    // Unsaved typing lost without a question when the editor is left.
    void leavingWithChanges_data()
    {
        QTest::addColumn<QStringList>("row"); // button (none: Escape), left by the menu, closed, the file's text
        for (const char* szRow :
             {"&Speichern|menu|closed|neu alt", "&Verwerfen||closed|alt", "&Abbrechen|menu||alt", "|||alt"})
            QTest::newRow(szRow) << QString(szRow).split('|');
    }
    void leavingWithChanges()
    {
        QFETCH(QStringList, row);
        const QString qstrFile = m_dir.filePath("note.html");
        QVERIFY(Files::Write(qstrFile, "<p>alt</p>"));
        CbcTextEdit window(qstrFile, nullptr, "editor", {});
        Show(window);
        window.close(); // unchanged: no question
        Show(window);
        QTest::keyClicks(Editor(window), "neu ");
        auto pBox = UiDriver::CloseNextMessageBox(row[0].isEmpty() ? Answer::Escape : Answer::Click, row[0]);
        row[1].isEmpty() ? (void)window.close() : Action(window, "fileExit")->trigger();
        QCOMPARE(pBox->m_qstrText,
                 QString("Das Dokument \"note.html\" wurde geändert.\nSollen die Änderungen gespeichert werden?"));
        QCOMPARE(pBox->m_qslButtons,
                 QStringList({"&Abbrechen=RejectRole", "&Speichern=AcceptRole", "&Verwerfen=DestructiveRole"}));
        QCOMPARE(!window.isVisible(), !row[2].isEmpty());
        QCOMPARE(PlainText(qstrFile), row[3]);
    }

    // A file that another program changed since it was loaded written over without a question.
    void fileChangedElsewhere_data()
    {
        QTest::addColumn<QString>("button"); // none: Escape
        QTest::addColumn<QString>("saved");
        for (const auto& [szButton, szSaved] : {std::pair {"&Ja", "neu alt"}, {"&Nein", "anders"}, {"", "anders"}})
            QTest::newRow(szButton) << QString(szButton) << QString(szSaved);
    }
    void fileChangedElsewhere()
    {
        QFETCH(QString, button);
        const QString qstrFile = m_dir.filePath("shared.html");
        QVERIFY(Files::Write(qstrFile, "<p>alt</p>"));
        CbcTextEdit window(qstrFile, nullptr, "editor", {});
        Show(window);
        QTest::keyClicks(Editor(window), "neu ");
        QVERIFY(Files::Write(qstrFile, "<p>anders</p>"));
        auto pBox = UiDriver::CloseNextMessageBox(button.isEmpty() ? Answer::Escape : Answer::Click, button);
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(pBox->m_qstrText,
                 "Die Datei \"" + qstrFile
                     + "\" wurde inzwischen von einem anderen Programm geändert.\nSoll sie trotzdem "
                       "mit diesem Text überschrieben werden?");
        QTEST(PlainText(qstrFile), "saved");
        QCOMPARE(window.isWindowModified(), button != "&Ja");
    }
};

QTEST_MAIN(TestCbcTextEdit)
#include "tst_cbcTextEdit.moc"
