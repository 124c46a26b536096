// SPDX-License-Identifier: BSD-3-Clause
#ifndef CSFDSIMPLEFILEDIALOGIF_H
#define CSFDSIMPLEFILEDIALOGIF_H

#include "CsfdSimpleFileDialog.h"
#include "torvasyslib_export.h"

#include <memory>

class CwsIcon;

/// The entry dialog of the workspace: it creates a folder (folder mode) or
/// a user entry (entry mode) in the current folder of its parent, a
/// CivmIconViewManager, or after FillDialog() changes an existing node.
///
/// A name that would clash, or an empty one, is refused with a "Fehler" box
/// and the dialog stays open as typed. A command without "&" gets " &"
/// appended, so that it runs in the background. OK makes the change on the
/// workspace as its file holds it then, and saves it at once; a node that
/// another window deleted meanwhile is told in a "Fehler" box.
///
/// \code
/// // A new entry in the current folder of a workspace widget:
/// CsfdSimpleFileDialogIf dialog(true, workspace, "DirectoryDialog", true, {});
/// dialog.exec();
/// // The properties of an existing one:
/// CsfdSimpleFileDialogIf properties(true, workspace, "FileDialog", true, {});
/// properties.FillDialog(node);
/// properties.exec();
/// \endcode
class TORVASYSLIB_EXPORT CsfdSimpleFileDialogIf : public CsfdSimpleFileDialog
{
    Q_OBJECT

public:
    /// Builds the dialog: in entry mode captioned "Neuer Eintrag anlegen"; in
    /// folder mode captioned "Neuer Ordner", with only the name field and
    /// the two buttons visible.
    /// \param p_bEntryMode true for an entry, false for a folder.
    /// \param parent the workspace widget whose current folder gets the new node.
    /// \param name, modal, fl as for CsfdSimpleFileDialog.
    CsfdSimpleFileDialogIf(bool p_bEntryMode, QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl);
    ~CsfdSimpleFileDialogIf() override;

    /// Edits the node instead of creating one: captioned "Eigenschaften", the
    /// fields filled from the node (in folder mode only its name).
    void FillDialog(CwsIcon* p_pcwsIcon);

protected Q_SLOTS:
    /// Closes the dialog; nothing changes.
    void CancelClickedSlot() override;
    /// Creates or changes the node and closes the dialog, or refuses the name.
    void OKClickedSlot() override;
    /// Chooses the picture file in a file dialog; cancelled, the field keeps its text.
    void SearchClickedSlot() override;
    /// Chooses the command in a file dialog; cancelled, the field keeps its text.
    void FileSearchClickedSlot() override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

#endif
