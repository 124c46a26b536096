// SPDX-License-Identifier: BSD-3-Clause
#ifndef CBCTEXTEDIT_H
#define CBCTEXTEDIT_H

#include "torvasyslib_export.h"

#include <QMainWindow>

#include <memory>

class QAction;

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
///
/// \code
/// auto* editor = new CbcTextEdit("notes.html", nullptr, "editor", {});
/// editor->show();                           // "Speichern" writes notes.html
///
/// CbcTextEdit letter;                       // or a text of the host's
/// letter.SetText(record.body);
/// letter.show();
/// // ... later: record.body = letter.GetText();
/// \endcode
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
    QString GetText() const;

protected:
    /// Closing a document of its own with unsaved changes asks first:
    /// "&Speichern" (the window stays open if that fails), "&Verwerfen" (the
    /// window shows the file again) or "&Abbrechen" (the window stays open).
    void closeEvent(QCloseEvent* event) override;
    /// Builds the "&Datei" menu and tool bar: "&Speichern..." (Ctrl+S),
    /// "&Drucken..." (Ctrl+P), "Editor Beenden". Called by the constructors.
    virtual void SetupFileActions();
    /// Builds the "&Bearbeiten" menu and tool bar: undo, redo, copy, cut,
    /// paste and "&Tabellen Zelle Editieren" (Ctrl+T, which prints the
    /// cursor's place on standard output, logging category
    /// "torvasyslib.editor"). Called by the constructors.
    virtual void SetupEditActions();
    /// Builds the "F&ormat" menu and tool bar: paragraph style, font family
    /// and size, bold, italic, underline, the four alignments and the
    /// colour. Called by the constructors.
    virtual void SetupTextActions();

private:
    class Private;
    std::unique_ptr<Private> d;

    Q_PRIVATE_SLOT(d, void FileSave())
    Q_PRIVATE_SLOT(d, void FilePrint())
    Q_PRIVATE_SLOT(d, void FileExit())
    Q_PRIVATE_SLOT(d, void EditUndo())
    Q_PRIVATE_SLOT(d, void EditRedo())
    Q_PRIVATE_SLOT(d, void EditCut())
    Q_PRIVATE_SLOT(d, void EditCopy())
    Q_PRIVATE_SLOT(d, void EditPaste())
    Q_PRIVATE_SLOT(d, void TextBold())
    Q_PRIVATE_SLOT(d, void TextUnderline())
    Q_PRIVATE_SLOT(d, void TextItalic())
    Q_PRIVATE_SLOT(d, void TextFamily(const QString&))
    Q_PRIVATE_SLOT(d, void TextSize(const QString&))
    Q_PRIVATE_SLOT(d, void TextStyle(int))
    Q_PRIVATE_SLOT(d, void TextColor())
    Q_PRIVATE_SLOT(d, void TextAlign(QAction*))
    Q_PRIVATE_SLOT(d, void FontChanged(const QFont&))
    Q_PRIVATE_SLOT(d, void ColorChanged(const QColor&))
    Q_PRIVATE_SLOT(d, void AlignmentChanged(int))
    Q_PRIVATE_SLOT(d, void TableCellEdit())
};

#endif
