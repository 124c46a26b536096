// SPDX-License-Identifier: BSD-3-Clause
#include "CcleCurrencyLineEdit.h"
#include "CncbNumberComboBox.h"
#include "CnleNumberLineEdit.h"
#include "RepairModel.h"

#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>

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
        QStringList qslTexts = {"12,",        "12,5",        "1,2",
                                ".",          "-",           "5 ",
                                " 5",         "1e",          "1e5",
                                "1e-",        "12a",         "1a23",
                                " 42 ",       "2147483648",  "inf",
                                "0x10",       "- 5",         "+-5",
                                "12.,",       ",",           "1.5e3,",
                                "\t7\n",      "٣",           "",
                                "2147483647", "-2147483649", "00000000002147483647"};
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
            QCOMPARE(amount.text(), RepairModel::CutAmount(qstrCut));
        }
    }

    // Typing that ends elsewhere than described, or an undo that cannot bring back what a keystroke broke.
    void typing_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("keys"); // < Left, > Right, ^ Home, $ End, ~ Ctrl+Z
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");
        QTest::newRow("comma at the end") << "amount"
                                          << "12,5,"
                                          << "12.5" << 4;
        QTest::newRow("comma between digits") << "amount"
                                              << "12<,"
                                              << "1." << 2;
        QTest::newRow("lone signs and points") << "amount"
                                               << ".-+ "
                                               << "" << 0;
        QTest::newRow("exponent inserted") << "amount"
                                           << "15^ $<e"
                                           << " 1e5" << 3;
        QTest::newRow("sign in front") << "number"
                                       << "-42x^-"
                                       << "-42" << 1;
        QTest::newRow("beyond 32 bits") << "number"
                                        << "21474836478"
                                        << "2147483647" << 10;
        QTest::newRow("undo a letter") << "number"
                                       << "123456^>>a~"
                                       << "123456" << 6;
        QTest::newRow("undo twice") << "number"
                                    << "12a~~"
                                    << "12" << 2;
        QTest::newRow("undo in an amount") << "amount"
                                           << "12,5^x~"
                                           << "12.5" << 4;
        QTest::newRow("combo box") << "combo"
                                   << "7a8"
                                   << "78" << 2;
        QTest::newRow("undo in a combo box") << "combo"
                                             << "99^a~"
                                             << "99" << 2;
    }
    void typing()
    {
        QFETCH(QString, widget);
        QFETCH(QString, keys);
        CnleNumberLineEdit number;
        CcleCurrencyLineEdit amount;
        CncbNumberComboBox combo(true);
        QLineEdit* pEdit = widget == "number" ? &number
            : widget == "amount"              ? static_cast<QLineEdit*>(&amount)
                                              : combo.lineEdit();
        pEdit->window()->show();
        for (QChar qcKey : keys) {
            const int iPos = QString("<>^$~").indexOf(qcKey);
            if (iPos < 0)
                QTest::keyClicks(pEdit, QString(qcKey));
            else
                QTest::keyClick(
                    pEdit, QList<Qt::Key>({Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Z})[iPos],
                    qcKey == '~' ? Qt::ControlModifier : Qt::NoModifier);
        }
        QTEST(pEdit->text(), "text");
        QTEST(pEdit->cursorPosition(), "cursor");
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
