// SPDX-License-Identifier: BSD-3-Clause
#ifndef FINDBAR_P_H
#define FINDBAR_P_H

#include <QPointer>
#include <QToolBar>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QTextEdit;

// The find bar of a window's text, as Kate's and Qt Assistant's: a field
// whose text is looked for as it is typed, next (Return, F3) and previous
// (Shift+Return, Shift+F3) match, match case; Escape or its button closes
// it. A match is selected in the text; a search runs on over the end.
class FindBar : public QToolBar
{
    Q_OBJECT

public:
    // A hidden bar at the bottom of the window.
    explicit FindBar(QMainWindow* p_pqmwWindow);

    // The text looked in; the bar does nothing while there is none.
    void SetText(QTextEdit* p_pqteText);
    // Shows the bar with the field's text selected and the keys in the field
    // (Ctrl+F); a selection in the text becomes the text looked for.
    void Open();

protected:
    bool eventFilter(QObject* p_pqoWatched, QEvent* p_pqeEvent) override;

private:
    // Looks for the field's text from the selection on (or from its start,
    // while typing); tells when there is none.
    void Find(bool p_bBackward, bool p_bFromStart = false);

    QPointer<QTextEdit> m_pqteText;
    QLineEdit* m_pqleField;
    QCheckBox* m_pqcbCase;
    QLabel* m_pqlStatus;
};

#endif
