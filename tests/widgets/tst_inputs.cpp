// SPDX-License-Identifier: BSD-3-Clause
#include "CcleCurrencyLineEdit.h"
#include "CncbNumberComboBox.h"
#include "CnleNumberLineEdit.h"
#include "RepairModel.h"
#include "textrepair_p.h"

#include "ui_form.h"

#include <QClipboard>
#include <QDataWidgetMapper>
#include <QLineEdit>
#include <QPluginLoader>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTest>
#ifdef DESIGNER_PLUGIN
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#endif

#include <memory>

class TestInputs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A repair that leaves another text than cutting one character at a time would, or is slow on a large paste.
    void repairsEqualTheCharacterAtATimeRule()
    {
        CnleNumberLineEdit number;
        CcleCurrencyLineEdit amount;
        CncbNumberComboBox combo(true);
        QStringList qslTexts
            = QString("12,|12,5|1,2|.|-|5 | 5|1e|1e5|1e-|12a|1a23| 42 |2147483648|inf|0x10|- 5|+-5|12.,|,|"
                      "1.5e3,|\t7\n|٣||2147483647|-2147483649|00000000002147483647")
                  .split('|');
        const QString qstrAlphabet = "0123456789+-.,eE a\t";
        QRandomGenerator random(2026);
        for (int i = 0; i < 4000; ++i) {
            QString qstrText;
            for (int j = random.bounded(14); j > 0; --j)
                qstrText += qstrAlphabet.at(random.bounded(int(qstrAlphabet.size())));
            qslTexts << qstrText;
        }
        qslTexts << "12345" + QString(999995, 'x') << "3.25" + QString(999996, ',');
        for (const QString& qstrText : std::as_const(qslTexts)) {
            number.setText(qstrText);
            combo.setEditText(qstrText);
            amount.setText(qstrText);
            const QString qstrCut = qstrText.left(32767); // the line edit's length limit
            QCOMPARE(number.text(), RepairModel::CutWholeNumber(qstrCut));
            QCOMPARE(combo.currentText(), RepairModel::CutWholeNumber(qstrCut));
            QCOMPARE(amount.text(), RepairModel::CutAmount(TextRepair::Notation(qstrCut)));
        }
    }

    // Typing that ends elsewhere than described, or an undo that cannot bring back what a keystroke broke.
    void typing_data()
    {
        // widget, keys (< Left, > Right, ^ Home, $ End, ~ Ctrl+Z, @ Ctrl+V), text, cursor, what is pasted
        QTest::addColumn<QStringList>("row");
        for (const char* szRow : {"amount|12,5,|12.5|4",
                                  "amount|12<,|1.2|3",
                                  "amount|.-+ ||0",
                                  "amount|15^ $<e| 1e5|3",
                                  "number|-42x^-|-42|1",
                                  "number|21474836478|2147483647|10",
                                  "number|123456^>>a~|123456|6",
                                  "number|12a~~|12|2",
                                  "amount|12,5^x~|12.5|4",
                                  "combo|7a8|78|2",
                                  "combo|99^a~|99|2",
                                  "amount|1.234,56|1234.56|7",
                                  "amount|12.345.678,9|12345678.9|10",
                                  "amount|0.10,|0.10|4",
                                  "amount|@|1234.56|7|1.234,56",
                                  "amount|@|1234.56|7|1,234.56",
                                  "amount|@|12.5|4|12,5",
                                  "amount|@|1234567|7|1,234,567",
                                  "amount|@~||0|12abc",
                                  "number|@~||0|12abc",
                                  "combo|@~||0|12abc"})
            QTest::newRow(szRow) << QString(szRow).split('|');
    }
    void typing()
    {
        QFETCH(QStringList, row);
        const QString widget = row[0];
        CnleNumberLineEdit number;
        CcleCurrencyLineEdit amount;
        CncbNumberComboBox combo(true);
        QLineEdit* pEdit = widget == "number" ? &number
            : widget == "amount"              ? static_cast<QLineEdit*>(&amount)
                                              : combo.lineEdit();
        pEdit->window()->show();
        QApplication::clipboard()->setText(row.value(4));
        for (QChar qcKey : row[1]) {
            const int iPos = QString("<>^$~@").indexOf(qcKey);
            if (iPos < 0)
                QTest::keyClicks(pEdit, QString(qcKey));
            else
                QTest::keyClick(pEdit,
                                QList<Qt::Key>({Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Z,
                                                Qt::Key_V})[iPos],
                                iPos >= 4 ? Qt::ControlModifier : Qt::NoModifier);
        }
        QCOMPARE(pEdit->text() + "|" + QString::number(pEdit->cursorPosition()), row[2] + "|" + row[3]);
    }

    // A form from Designer that leaves the combo box without parent or edit field, or a plugin Designer cannot use.
    void designer()
    {
        QStandardPaths::setTestModeEnabled(true); // where the form's workspace is kept
        QWidget form;
        Ui::Form ui;
        ui.setupUi(&form);
        QVERIFY(ui.pieces->parent() == &form && ui.pieces->lineEdit());
        QVERIFY(ui.workspace->parent() == &form);
#ifdef DESIGNER_PLUGIN
        QPluginLoader loader(DESIGNER_PLUGIN);
        auto* pCollection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
        QVERIFY2(pCollection, qPrintable(loader.errorString()));
        for (QDesignerCustomWidgetInterface* pWidget : pCollection->customWidgets()) {
            std::unique_ptr<QWidget> pMade(pWidget->createWidget(&form));
            const QString qstrClass = pMade->metaObject()->className(); // what uic writes and includes
            QVERIFY2(pWidget->name() == qstrClass && pWidget->includeFile() == qstrClass + ".h"
                         && !pWidget->icon().isNull() && !pWidget->toolTip().isEmpty(),
                     qPrintable(qstrClass));
        }
        QCOMPARE(pCollection->customWidgets().size(), 4);
#endif
    }

    // A value a form cannot bind, one that loses digits, or a change told twice or not at all.
    void boundValues()
    {
        QStandardItemModel model(1, 3);
        for (const auto& [iColumn, qvValue] : {std::pair {0, QVariant(42)}, {1, QVariant(7)}, {2, QVariant("0.10")}})
            model.setData(model.index(0, iColumn), qvValue);
        CnleNumberLineEdit number;
        CncbNumberComboBox combo;
        CcleCurrencyLineEdit amount;
        QDataWidgetMapper mapper;
        mapper.setModel(&model);
        mapper.setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
        mapper.addMapping(&number, 0);
        mapper.addMapping(&combo, 1);
        mapper.addMapping(&amount, 2);
        mapper.toFirst();
        QCOMPARE(number.text() + " " + combo.currentText() + " " + amount.text(), QString("42 7 0.10"));
        QSignalSpy numberSpy(&number, &CnleNumberLineEdit::valueChanged);
        QSignalSpy comboSpy(&combo, &CncbNumberComboBox::valueChanged);
        QSignalSpy amountSpy(&amount, &CcleCurrencyLineEdit::valueChanged);
        QTest::keyClicks(&number, "5x");
        QTest::keyClicks(combo.lineEdit(), "a1");
        QTest::keyClicks(&amount, "0,");
        number.setValue(425); // unchanged: not told
        mapper.submit();
        for (const auto& [iColumn, qvValue] : {std::pair {0, QVariant(425)}, {1, QVariant(71)}, {2, QVariant("0.100")}})
            QCOMPARE(model.data(model.index(0, iColumn)), qvValue);
        QCOMPARE(QList<qsizetype>({numberSpy.size(), comboSpy.size(), amountSpy.size()}), QList<qsizetype>({1, 1, 1}));
        amount.setValue("12,5"); // shown as the widget shows such a text
        QCOMPARE(amountSpy.last().first().toString() + amount.value(), QString("12.512.5"));
    }

    // Items of a combo box changed by the repair, or a combo box without an edit field repairing.
    void comboBoxItems()
    {
        CncbNumberComboBox combo(true);
        combo.addItem("not a number");
        QCOMPARE(combo.currentText(), QString());
        QCOMPARE(combo.itemText(0), QString("not a number"));
        CncbNumberComboBox fixed(false);
        fixed.show();
        fixed.addItems({"abc", "12"});
        QTest::keyClicks(&fixed, "x9");
        QCOMPARE(fixed.currentText(), QString("abc"));
    }
};

QTEST_MAIN(TestInputs)
#include "tst_inputs.moc"
