// SPDX-License-Identifier: BSD-3-Clause
#ifndef CSFDSIMPLEFILEDIALOG_H
#define CSFDSIMPLEFILEDIALOG_H

#include "torvasyslib_export.h"

#include <QDialog>

#include <memory>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

/// The form of the entry dialog, as a form editor would generate it: a
/// name field, a command field and a picture field with their search
/// buttons, "&OK" and "&Abbrechen".
///
/// Its slots only write a warning that they are not implemented (logging
/// category "torvasyslib.workspace");
/// CsfdSimpleFileDialogIf gives them their behaviour. Each field is named by
/// its label for assistive technology; Return presses "&OK", Escape cancels.
///
/// \code
/// CsfdSimpleFileDialog form(this, "form", true);
/// form.m_pqleIconName->setText("Archiv");   // the form's widgets are public
/// form.exec();                              // its buttons only warn: see CsfdSimpleFileDialogIf
/// \endcode
class TORVASYSLIB_EXPORT CsfdSimpleFileDialog : public QDialog
{
    Q_OBJECT

public:
    /// Builds the form, 417 × 153 pixels, captioned "Neuer Ordner / Neuer
    /// Eintrag anlegen".
    /// \param parent the parent widget.
    /// \param name the object name; "CsfdSimpleFileDialog" when none is given.
    /// \param modal whether the dialog is modal.
    /// \param fl the window flags.
    explicit CsfdSimpleFileDialog(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                                  Qt::WindowFlags fl = {});
    ~CsfdSimpleFileDialog() override;

    QLabel* m_pqlName; ///< "Name"
    QLineEdit* m_pqleIconName; ///< the name of the folder or entry
    QLabel* m_pqlFunction; ///< "auszuführender Befehl"
    QLineEdit* m_pqleFunction; ///< the entry's command
    QPushButton* qpFileSearch; ///< "&Suchen" for the command (Alt+S)
    QLabel* m_pqlIcon; ///< "Icon ( *.bmp )"
    QLineEdit* m_pqleIconFilename; ///< the entry's picture file
    QPushButton* qpSearch; ///< "&Suchen" for the picture (Alt+U)
    QPushButton* qpbOK; ///< "&OK", the default button
    QPushButton* qpCancel; ///< "&Abbrechen"

protected:
    QHBoxLayout* CsfdSimpleFileDialogLayout; ///< the two columns
    QVBoxLayout* Layout1; ///< the fields' column
    QHBoxLayout* Layout2; ///< the command row
    QHBoxLayout* Layout3; ///< the picture row
    QVBoxLayout* Layout4; ///< the buttons' column

protected Q_SLOTS:
    /// Connected to "&Abbrechen"; writes "CsfdSimpleFileDialog::CancelClickedSlot(): Not implemented yet!".
    virtual void CancelClickedSlot();
    /// Connected to "&OK"; writes "CsfdSimpleFileDialog::OKClickedSlot(): Not implemented yet!".
    virtual void OKClickedSlot();
    /// Connected to the picture's "&Suchen"; writes "CsfdSimpleFileDialog::SearchClickedSlot(): Not implemented yet!".
    virtual void SearchClickedSlot();
    /// Connected to the command's "&Suchen"; writes "CsfdSimpleFileDialog::FileSearchClickedSlot(): Not implemented
    /// yet!".
    virtual void FileSearchClickedSlot();

private:
    // Room for the data of later versions without changing the object's
    // size; the form keeps its widgets in the members above, so it stays null.
    class Private;
    std::unique_ptr<Private> d;
};

#endif
