#include "CcleCurrencyLineEdit.h"
#include "CncbNumberComboBox.h"
#include "CnleNumberLineEdit.h"

#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

namespace
{
// The rules as written, checked by regular expressions.
bool IsWholeNumber(const QString& p_qstrText)
{
    static const QRegularExpression rule("^[ \\t\\n\\v\\f\\r]*([+-]?)0*([0-9]+)[ \\t\\n\\v\\f\\r]*\\z");
    const QRegularExpressionMatch match = rule.match(p_qstrText);
    if (!match.hasMatch())
        return false;
    const QString qstrDigits = match.captured(2);
    if (qstrDigits.size() > 10)
        return false;
    const qint64 iValue = qstrDigits.toLongLong() * (match.captured(1) == "-" ? -1 : 1);
    return iValue >= -2147483648LL && iValue <= 2147483647LL;
}

bool IsAmount(const QString& p_qstrText)
{
    static const QRegularExpression rule("^[ \\t\\n\\v\\f\\r]*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?\\z");
    return rule.match(p_qstrText).hasMatch();
}

// The repairs one character at a time, as the inputs are described.
QString CutWholeNumber(QString p_qstrText)
{
    while (!p_qstrText.isEmpty() && !IsWholeNumber(p_qstrText))
        p_qstrText.chop(1);
    return p_qstrText;
}

QString CutAmount(QString p_qstrText)
{
    while (!p_qstrText.isEmpty() && !IsAmount(p_qstrText)) {
        if (p_qstrText.endsWith(','))
            p_qstrText.back() = '.';
        else
            p_qstrText.chop(1);
    }
    return p_qstrText;
}

const QStringList EdgeTexts
    = {"12,",  "12,5",        "12.5,",      "1,2",         ".",           "-",
       "+",    "5 ",          " 5",         "1e",          "1e5",         "1E+5",
       "1e-",  "0.123456789", "",           "12a",         "1a23",        "123abc",
       " 42 ", "2147483647",  "2147483648", "-2147483648", "-2147483649", "00000000002147483647",
       "inf",  "nan",         "0x10",       "1,5",         "- 5",         "+-5",
       "12..", "12.,",        ",",          "1.5e3,",      "\t7\n",       "٣"};
}

class TestInputs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void repairsEqualTheCharacterAtATimeRule()
    {
        CnleNumberLineEdit number;
        CcleCurrencyLineEdit amount;
        CncbNumberComboBox combo(true);
        QStringList texts = EdgeTexts;
        const QString qstrAlphabet = "0123456789+-.,eE a\t";
        QRandomGenerator random(2026);
        for (int i = 0; i < 4000; ++i) {
            QString qstrText;
            const int iLength = random.bounded(14);
            for (int j = 0; j < iLength; ++j)
                qstrText += qstrAlphabet.at(random.bounded(int(qstrAlphabet.size())));
            texts << qstrText;
        }
        for (const QString& qstrText : std::as_const(texts)) {
            number.setText(qstrText);
            QCOMPARE(number.text(), CutWholeNumber(qstrText));
            combo.setEditText(qstrText);
            QCOMPARE(combo.currentText(), CutWholeNumber(qstrText));
            amount.setText(qstrText);
            QCOMPARE(amount.text(), CutAmount(qstrText));
        }
    }

    void typingFeelsAsDescribed()
    {
        CcleCurrencyLineEdit amount;
        amount.show();
        QTest::keyClicks(&amount, "12,");
        QCOMPARE(amount.text(), QString("12."));
        QTest::keyClicks(&amount, "5,");
        QCOMPARE(amount.text(), QString("12.5"));
        QTest::keyClicks(&amount, "0000001 e");
        QCOMPARE(amount.text(), QString("12.50000001"));

        amount.clear();
        QTest::keyClicks(&amount, "12");
        QTest::keyClick(&amount, Qt::Key_Left);
        QTest::keyClicks(&amount, ",");
        QCOMPARE(amount.text(), QString("1."));
        QCOMPARE(amount.cursorPosition(), 2);

        amount.clear();
        for (const char* szLone : {".", "-", "+"}) {
            QTest::keyClicks(&amount, szLone);
            QCOMPARE(amount.text(), QString());
        }
        QTest::keyClicks(&amount, " "); // a space alone is no number
        QCOMPARE(amount.text(), QString());
        QTest::keyClicks(&amount, "15");
        QTest::keyClick(&amount, Qt::Key_Home);
        QTest::keyClicks(&amount, " ");
        QTest::keyClick(&amount, Qt::Key_End);
        QTest::keyClick(&amount, Qt::Key_Left);
        QTest::keyClicks(&amount, "e");
        QCOMPARE(amount.text(), QString(" 1e5"));
        QTest::keyClick(&amount, Qt::Key_Home);
        QTest::keyClick(&amount, Qt::Key_Right);
        QTest::keyClicks(&amount, "-");
        QCOMPARE(amount.text(), QString(" -1e5"));

        CnleNumberLineEdit number;
        number.show();
        QTest::keyClicks(&number, "-");
        QCOMPARE(number.text(), QString());
        QTest::keyClicks(&number, "42x");
        QCOMPARE(number.text(), QString("42"));
        QTest::keyClick(&number, Qt::Key_Home);
        QTest::keyClicks(&number, "-");
        QCOMPARE(number.text(), QString("-42"));
        number.setText("123");
        number.setCursorPosition(1);
        QTest::keyClicks(&number, "a");
        QCOMPARE(number.text(), QString("1"));
        QCOMPARE(number.cursorPosition(), 1);
        number.setText("214748364");
        QTest::keyClicks(&number, "8");
        QCOMPARE(number.text(), QString("214748364"));
        QTest::keyClicks(&number, "7");
        QCOMPARE(number.text(), QString("2147483647"));
        number.clear();
        QCOMPARE(number.text(), QString());

        CncbNumberComboBox combo(true);
        combo.show();
        QTest::keyClicks(combo.lineEdit(), "7a8");
        QCOMPARE(combo.currentText(), QString("78"));
        combo.addItem("not a number");
        combo.setCurrentIndex(combo.count() - 1);
        QCOMPARE(combo.itemText(combo.count() - 1), QString("not a number")); // the items stay
        QCOMPARE(combo.currentText(), QString());

        CncbNumberComboBox fixed(false);
        fixed.show();
        QVERIFY(!fixed.lineEdit());
        fixed.addItems({"abc", "12"});
        QTest::keyClicks(&fixed, "x9");
        QCOMPARE(fixed.currentText(), QString("abc"));
        QCOMPARE(fixed.itemText(0), QString("abc"));
    }

    void millionCharacterPaste()
    {
        const QString qstrNumber = "12345" + QString(999995, 'x');
        const QString qstrAmount = "3.25" + QString(999996, ',');
        CnleNumberLineEdit number;
        number.setText(qstrNumber);
        QCOMPARE(number.text(), QString("12345"));
        CncbNumberComboBox combo(true);
        combo.setEditText(qstrNumber);
        QCOMPARE(combo.currentText(), QString("12345"));
        CcleCurrencyLineEdit amount;
        amount.setText(qstrAmount);
        QCOMPARE(amount.text(), QString("3.25"));

        // Without the line edit's length limit the whole text is repaired.
        amount.setMaxLength(std::numeric_limits<int>::max());
        amount.setText("7" + QString(999999, ','));
        QCOMPARE(amount.text(), QString("7."));
        number.setMaxLength(std::numeric_limits<int>::max());
        number.setText(QString(999999, ' ') + "-5");
        QCOMPARE(number.text(), QString(999999, ' ') + "-5");
    }
};

QTEST_MAIN(TestInputs)
#include "tst_inputs.moc"
