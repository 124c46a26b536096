// SPDX-License-Identifier: BSD-3-Clause
#ifndef CSFDSIMPLEFILEDIALOGIF_H
#define CSFDSIMPLEFILEDIALOGIF_H

#include "CsfdSimpleFileDialog.h"
#include "torvasyslib_export.h"

class CwsIcon;

// The entry dialog of the workspace: creates a folder (folder mode) or a user
// entry (entry mode) in the current folder of its parent, a
// CivmIconViewManager, or after FillDialog() changes an existing node.
class TORVASYSLIB_EXPORT CsfdSimpleFileDialogIf : public CsfdSimpleFileDialog
{
    Q_OBJECT

public:
    CsfdSimpleFileDialogIf(bool p_bEntryMode, QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl);
    ~CsfdSimpleFileDialogIf() override;

    void FillDialog(CwsIcon* p_pcwsIcon);

protected Q_SLOTS:
    void CancelClickedSlot() override;
    void OKClickedSlot() override;
    void SearchClickedSlot() override;
    void FileSearchClickedSlot() override;

private:
    void SetFileDialog();
    void SetDirectoryDialog();

    bool m_bEntryMode;
    CwsIcon* m_pcwsIcon = nullptr;
};

#endif
