// SPDX-License-Identifier: BSD-3-Clause
#include "InputsDialog.h"

#include <CcleCurrencyLineEdit.h>
#include <CfmFilemanager.h>
#include <CncbNumberComboBox.h>
#include <CnleNumberLineEdit.h>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

InputsDialog::InputsDialog(const QString& p_qstrFolder, QWidget* parent)
    : QDialog(parent)
    , m_qstrFolder(p_qstrFolder)
    , m_pqpteText(new QPlainTextEdit(this))
    , m_pqlFile(new QLabel(tr("Noch keine Datei geladen."), this))
{
    setWindowTitle(tr("Eingaben"));
    auto* pqflForm = new QFormLayout;
    pqflForm->addRow(tr("Menge (ganze Zahl):"), new CnleNumberLineEdit(this, "amount"));
    auto* pcncbPieces = new CncbNumberComboBox(true, this, "pieces");
    pcncbPieces->addItems({"10", "20", "50", "100"});
    pqflForm->addRow(tr("Stückzahl:"), pcncbPieces);
    pqflForm->addRow(tr("Betrag (Komma wird Punkt):"), new CcleCurrencyLineEdit(this, "price"));

    auto* pqdbbButtons = new QDialogButtonBox(this);
    connect(pqdbbButtons->addButton(tr("&Laden..."), QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
            &InputsDialog::LoadText);
    connect(pqdbbButtons->addButton(tr("&Speichern..."), QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
            &InputsDialog::SaveText);
    connect(pqdbbButtons->addButton(tr("S&chließen"), QDialogButtonBox::RejectRole), &QPushButton::clicked, this,
            &QDialog::accept);

    // Return in a field must not press a button: the first one would open a file dialog.
    for (QAbstractButton* pqabButton : pqdbbButtons->buttons())
        static_cast<QPushButton*>(pqabButton)->setAutoDefault(false);

    auto* pqvblLayout = new QVBoxLayout(this);
    pqvblLayout->addLayout(pqflForm);
    pqvblLayout->addWidget(m_pqpteText);
    pqvblLayout->addWidget(m_pqlFile);
    pqvblLayout->addWidget(pqdbbButtons);
    m_pqpteText->setPlaceholderText(tr("Ein Text, den \"Speichern...\" in eine .txt-Datei schreibt."));
    resize(460, 360);
}

void InputsDialog::LoadText()
{
    CfmFilemanager manager;
    const QString qstrText = manager.LoadFile(true, "txt", QString(), m_qstrFolder);
    if (manager.GetFilename().isEmpty())
        return;
    m_pqpteText->setPlainText(qstrText);
    m_pqlFile->setText(tr("Geladen: %1").arg(manager.GetFilename()));
}

void InputsDialog::SaveText()
{
    const QString qstrFile
        = CfmFilemanager().SaveFile(m_pqpteText->toPlainText(), true, "txt", QString(), m_qstrFolder);
    m_pqlFile->setText(qstrFile.isNull() ? tr("Nicht gespeichert.") : tr("Gespeichert: %1").arg(qstrFile));
}
