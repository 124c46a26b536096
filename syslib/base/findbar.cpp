// SPDX-License-Identifier: BSD-3-Clause
#include "findbar_p.h"

#include "builtinicons_p.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTextEdit>

FindBar::FindBar(QMainWindow* p_pqmwWindow)
    : QToolBar(p_pqmwWindow)
    , m_pqleField(new QLineEdit(this))
    , m_pqcbCase(new QCheckBox(tr("Groß-/Kleinschreibung beachten"), this))
    , m_pqlStatus(new QLabel(this))
{
    setObjectName(QStringLiteral("findBar"));
    setWindowTitle(tr("Suchen"));
    setMovable(false);
    setFloatable(false);
    toggleViewAction()->setVisible(false);
    m_pqleField->setPlaceholderText(tr("Suchen"));
    m_pqleField->setAccessibleName(tr("Suchen nach"));
    m_pqleField->setClearButtonEnabled(true);
    m_pqleField->setMaximumWidth(320);
    m_pqleField->installEventFilter(this);
    addWidget(m_pqleField);
    using BuiltinIcons::Icon;
    QAction* pqaNext = addAction(BuiltinIcons::Get(Icon::Down), tr("Nächster Treffer"), this, [this] { Find(false); });
    pqaNext->setShortcut(QKeySequence::FindNext);
    pqaNext->setToolTip(tr("Nächster Treffer (%1)").arg(pqaNext->shortcut().toString(QKeySequence::NativeText)));
    QAction* pqaPrevious
        = addAction(BuiltinIcons::Get(Icon::Up), tr("Vorheriger Treffer"), this, [this] { Find(true); });
    pqaPrevious->setShortcut(QKeySequence::FindPrevious);
    pqaPrevious->setToolTip(
        tr("Vorheriger Treffer (%1)").arg(pqaPrevious->shortcut().toString(QKeySequence::NativeText)));
    for (QAction* pqaStep : {pqaNext, pqaPrevious})
        pqaStep->setShortcutContext(Qt::WindowShortcut);
    addWidget(m_pqcbCase);
    addWidget(m_pqlStatus);
    QWidget* pqwSpace = new QWidget(this);
    pqwSpace->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    addWidget(pqwSpace);
    addAction(BuiltinIcons::Get(Icon::Close), tr("Schließen"), this, [this] {
        hide();
        if (m_pqteText)
            m_pqteText->setFocus();
    })->setToolTip(tr("Suchleiste schließen (Esc)"));
    connect(m_pqleField, &QLineEdit::textEdited, this, [this] { Find(false, true); });
    connect(m_pqcbCase, &QCheckBox::toggled, this, [this] { Find(false, true); });
    p_pqmwWindow->addToolBar(Qt::BottomToolBarArea, this);
    hide();
}

void FindBar::SetText(QTextEdit* p_pqteText)
{
    m_pqteText = p_pqteText;
}

void FindBar::Open()
{
    if (m_pqteText && m_pqteText->textCursor().hasSelection()
        && !m_pqteText->textCursor().selectedText().contains(QChar::ParagraphSeparator))
        m_pqleField->setText(m_pqteText->textCursor().selectedText());
    m_pqlStatus->clear();
    show();
    m_pqleField->selectAll();
    m_pqleField->setFocus();
}

bool FindBar::eventFilter(QObject* p_pqoWatched, QEvent* p_pqeEvent)
{
    if (p_pqoWatched != m_pqleField || p_pqeEvent->type() != QEvent::KeyPress)
        return false;
    const auto* pqkeKey = static_cast<QKeyEvent*>(p_pqeEvent);
    switch (pqkeKey->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Find(pqkeKey->modifiers() & Qt::ShiftModifier);
        return true;
    case Qt::Key_Escape:
        hide();
        if (m_pqteText)
            m_pqteText->setFocus();
        return true;
    default:
        return false;
    }
}

void FindBar::Find(bool p_bBackward, bool p_bFromStart)
{
    m_pqlStatus->clear();
    const QString qstrText = m_pqleField->text();
    if (!m_pqteText || qstrText.isEmpty())
        return;
    QTextDocument::FindFlags eFlags;
    if (p_bBackward)
        eFlags |= QTextDocument::FindBackward;
    if (m_pqcbCase->isChecked())
        eFlags |= QTextDocument::FindCaseSensitively;
    // While typing, the match grows from where it started.
    QTextCursor qtcFrom = m_pqteText->textCursor();
    if (p_bFromStart)
        qtcFrom.setPosition(qtcFrom.selectionStart());
    QTextCursor qtcFound = m_pqteText->document()->find(qstrText, qtcFrom, eFlags);
    if (qtcFound.isNull()) { // on over the end
        QTextCursor qtcEdge(m_pqteText->document());
        qtcEdge.movePosition(p_bBackward ? QTextCursor::End : QTextCursor::Start);
        qtcFound = m_pqteText->document()->find(qstrText, qtcEdge, eFlags);
    }
    if (qtcFound.isNull()) { // no part of a match stays selected
        m_pqlStatus->setText(tr("Nicht gefunden"));
        qtcFrom.clearSelection();
        m_pqteText->setTextCursor(qtcFrom);
        return;
    }
    m_pqteText->setTextCursor(qtcFound);
    m_pqteText->ensureCursorVisible();
}
