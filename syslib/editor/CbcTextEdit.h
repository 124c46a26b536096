// SPDX-License-Identifier: BSD-3-Clause
#ifndef CBCTEXTEDIT_H
#define CBCTEXTEDIT_H

#include "torvasyslib_export.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QKeySequence;
class QMenu;
class QIcon;
class QToolBar;
class QComboBox;
class QTextCharFormat;
class QTextEdit;

/// A rich-text editor window with file, edit and format actions in three
/// tool bars and menus, and printing with page numbers.
///
/// It either loads a file, which "Speichern" writes back atomically, or
/// takes a text from the host (SetText()) and gives the edited text back
/// (GetText()). A file that another program changed since the window loaded
/// or saved it is written over only after a question. The format bar follows the text at the cursor. Leaving a
/// document of its own with unsaved changes asks whether to save them,
/// drop them or go on editing; the window's title names the document and
/// marks unsaved changes. See the README's "The editor window".
class TORVASYSLIB_EXPORT CbcTextEdit : public QMainWindow
{
    Q_OBJECT

public:
    /// A window without a document: menus and tool bars, no editor yet.
    /// \param parent the parent widget.
    /// \param name the object name.
    /// \param f the window flags.
    explicit CbcTextEdit(QWidget* parent = nullptr, const char* name = nullptr, Qt::WindowFlags f = {});
    /// A window on the file: loads it (see Load()); "Speichern" writes to it.
    /// A missing file gives a window without an editor.
    CbcTextEdit(QString fileName, QWidget* parent, const char* name, Qt::WindowFlags f);
    ~CbcTextEdit() override;

    /// Replaces the editor by a new one holding the file's rich text; an
    /// empty or missing name changes nothing. "Speichern" still writes to
    /// the file given to the constructor.
    void Load(const QString& p_qstrFileName);
    /// Shows the rich text in the editor (made if needed); "Speichern" and
    /// "Editor beenden" are switched off for good, and leaving asks nothing.
    void SetText(QString p_qstrText);
    /// The edited text as rich-text markup (what "Speichern" writes); null
    /// without an editor.
    QString GetText();

protected:
    /// Closing a document of its own with unsaved changes asks first:
    /// "&Speichern" (the window stays open if that fails), "&Verwerfen" (the
    /// window shows the file again) or "&Abbrechen" (the window stays open).
    void closeEvent(QCloseEvent* event) override;
    /// Builds the "&Datei" menu and tool bar: "&Speichern..." (Ctrl+S),
    /// "&Drucken..." (Ctrl+P), "Editor Beenden". Called by the constructors.
    virtual void SetupFileActions();
    /// Builds the "&Bearbeiten" menu and tool bar: undo, redo, copy, cut,
    /// paste and "&Tabellen Zelle Editieren" (Ctrl+T). Called by the constructors.
    virtual void SetupEditActions();
    /// Builds the "F&ormat" menu and tool bar: paragraph style, font family
    /// and size, bold, italic, underline, the four alignments and the
    /// colour. Called by the constructors.
    virtual void SetupTextActions();

private Q_SLOTS:
    void FileSave();
    void FilePrint();
    void FileExit();
    void EditUndo();
    void EditRedo();
    void EditCut();
    void EditCopy();
    void EditPaste();
    void TextBold();
    void TextUnderline();
    void TextItalic();
    void TextFamily(const QString& p_qstrFamily);
    void TextSize(const QString& p_qstrSize);
    void TextStyle(int p_iStyle);
    void TextColor();
    void TextAlign(QAction* p_pqaAction);
    void FontChanged(const QFont& p_qfFont);
    void ColorChanged(const QColor& p_qcColor);
    void AlignmentChanged(int p_iAlignment);
    void TableCellEdit();

private:
    void DoConnections(QTextEdit* p_pqteEditor);
    // The format bar shows the format at the cursor.
    void ShowFormatAtCursor();
    void ShowFormat(const QTextCharFormat& p_qtcfFormat);
    // Writes the text to the window's file; tells the user when it could not.
    bool SaveToFile();
    // Runs the editor's operation when there is an editor.
    void ForwardToEditor(void (QTextEdit::*p_pmOperation)());
    void CreateEditor();
    // An action built the window's way, added to the tool bar and the menu
    // where given.
    QAction* MakeAction(const QString& p_qstrShortText, const QIcon& p_qiIcon, const QString& p_qstrMenuText,
                        const QKeySequence& p_qksKey, QObject* p_pqoParent, const char* p_szName,
                        QToolBar* p_pqtbToolBar, QMenu* p_pqmMenu);

    QAction* m_pqaTextBold = nullptr;
    QAction* m_pqaTextUnderline = nullptr;
    QAction* m_pqaTextItalic = nullptr;
    QAction* m_pqaTextColor = nullptr;
    QAction* m_pqaTextLeft = nullptr;
    QAction* m_pqaTextCenter = nullptr;
    QAction* m_pqaTextRight = nullptr;
    QAction* m_pqaFileSave = nullptr;
    QAction* m_pqaFileExit = nullptr;
    QAction* m_pqaTextJustify = nullptr;
    QComboBox* m_pqcbStyle = nullptr;
    QComboBox* m_pqcbFamily = nullptr;
    QComboBox* m_pqcbSize = nullptr;
    QString m_qstrFilename;
    QTextEdit* m_pqteEditor = nullptr;
    class Private;
    std::unique_ptr<Private> d;
};

#endif
