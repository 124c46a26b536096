// SPDX-License-Identifier: BSD-3-Clause
#ifndef CSFDSIMPLEFILEDIALOG_H
#define CSFDSIMPLEFILEDIALOG_H

#include "torvasyslib_export.h"

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// The form of the entry dialog: name, command and picture fields with their
// search buttons, OK and Cancel. Its slots only report that they are not
// implemented; CsfdSimpleFileDialogIf gives them their behaviour.
class TORVASYSLIB_EXPORT CsfdSimpleFileDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CsfdSimpleFileDialog(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                                  Qt::WindowFlags fl = {});
    ~CsfdSimpleFileDialog() override;

    QLabel* m_pqlName;
    QLineEdit* m_pqleIconName;
    QLabel* m_pqlFunction;
    QLineEdit* m_pqleFunction;
    QPushButton* qpFileSearch;
    QLabel* m_pqlIcon;
    QLineEdit* m_pqleIconFilename;
    QPushButton* qpSearch;
    QPushButton* qpbOK;
    QPushButton* qpCancel;

protected:
    QHBoxLayout* CsfdSimpleFileDialogLayout;
    QVBoxLayout* Layout1;
    QHBoxLayout* Layout2;
    QHBoxLayout* Layout3;
    QVBoxLayout* Layout4;

protected Q_SLOTS:
    virtual void CancelClickedSlot();
    virtual void OKClickedSlot();
    virtual void SearchClickedSlot();
    virtual void FileSearchClickedSlot();
};

#endif
