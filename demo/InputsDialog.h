// SPDX-License-Identifier: BSD-3-Clause
#ifndef INPUTSDIALOG_H
#define INPUTSDIALOG_H

#include <QDialog>

class QLabel;
class QPlainTextEdit;

// The demo's form: the whole-number and currency inputs, and a text loaded
// and saved through the file manager.
class InputsDialog : public QDialog
{
    Q_OBJECT

public:
    InputsDialog(const QString& p_qstrFolder, QWidget* parent = nullptr);

private:
    void LoadText();
    void SaveText();

    QString m_qstrFolder;
    QPlainTextEdit* m_pqpteText;
    QLabel* m_pqlFile;
};

#endif
