// SPDX-License-Identifier: BSD-3-Clause
#include "CsfdSimpleFileDialogIf.h"

#include "CivmIconViewManager.h"
#include "CivmIconViewManager_p.h"
#include "CwsDirectoryIcon.h"
#include "workspacenames_p.h"

#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidgetItem>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

class Q_DECL_HIDDEN CsfdSimpleFileDialogIf::Private
{
public:
    bool m_bEntryMode;
    // The node edited; it may go while the dialog is open (another window
    // deleted it).
    QPointer<CwsIcon> m_pcwsIcon;
    bool m_bEditing = false;
};

CsfdSimpleFileDialogIf::CsfdSimpleFileDialogIf(bool p_bEntryMode, QWidget* parent, const char* name, bool modal,
                                               Qt::WindowFlags fl)
    : CsfdSimpleFileDialog(parent, name, modal, fl)
    , d(new Private {p_bEntryMode, {}})
{
    if (d->m_bEntryMode) {
        setWindowTitle(tr("Neuer Eintrag anlegen"));
        return;
    }
    setWindowTitle(tr("Neuer Ordner"));
    for (QWidget* pqwWidget : std::initializer_list<QWidget*> {m_pqlFunction, m_pqleFunction, m_pqlIcon,
                                                               m_pqleIconFilename, qpSearch, qpFileSearch})
        pqwWidget->hide();
}

CsfdSimpleFileDialogIf::~CsfdSimpleFileDialogIf() = default;

void CsfdSimpleFileDialogIf::FillDialog(CwsIcon* p_pcwsIcon)
{
    d->m_pcwsIcon = p_pcwsIcon;
    d->m_bEditing = true;
    setWindowTitle(tr("Eigenschaften"));
    m_pqleIconName->setText(p_pcwsIcon->GetName());
    if (d->m_bEntryMode) {
        m_pqleFunction->setText(p_pcwsIcon->GetFunctionality());
        m_pqleIconFilename->setText(p_pcwsIcon->GetIconFilename());
    }
}

void CsfdSimpleFileDialogIf::CancelClickedSlot()
{
    hide();
}

void CsfdSimpleFileDialogIf::OKClickedSlot()
{
    auto* pcivmManager = qobject_cast<CivmIconViewManager*>(parentWidget());
    if (!pcivmManager) {
        CancelClickedSlot();
        return;
    }
    // On the tree as the file holds it now; the node may have gone.
    pcivmManager->d->TakeInOthers();
    if (d->m_bEditing && !d->m_pcwsIcon) {
        pcivmManager->d->ShowNodeGone();
        CancelClickedSlot();
        return;
    }
    CwsDirectoryIcon* pcwsFolder = d->m_pcwsIcon ? d->m_pcwsIcon->GetParent() : pcivmManager->GetCurrentDirectory();

    QString qstrFunction = m_pqleFunction->text();
    if (!qstrFunction.contains(QLatin1Char('&')))
        qstrFunction += QLatin1String(" &");
    const int iDepth = pcwsFolder->GetChildCount() + (pcwsFolder->GetName() == QLatin1String("root") ? 1 : 0);
    const QString qstrName = m_pqleIconName->text();

    // A name that would clash is refused; the dialog stays open as typed.
    const bool bFolder = d->m_pcwsIcon ? d->m_pcwsIcon->GetType() == IconDirectory : !d->m_bEntryMode;
    const QString qstrRefusal = WorkspaceNames::Refusal(pcwsFolder, d->m_pcwsIcon, qstrName, bFolder);
    if (!qstrRefusal.isEmpty()) {
        QMessageBox::information(this, tr("Fehler"), qstrRefusal);
        return;
    }

    if (!d->m_pcwsIcon) {
        CwsIcon* pcwsNew = nullptr;
        if (d->m_bEntryMode)
            pcwsNew = new CwsIcon(pcivmManager, qstrName, qstrFunction, m_pqleIconFilename->text(), IconUser, 0, 0,
                                  iDepth, pcwsFolder);
        else
            pcwsNew = new CwsDirectoryIcon(pcivmManager, qstrName, pcwsFolder, 0, 0, iDepth);
        if (!pcwsFolder->AddChild(pcwsNew, false))
            delete pcwsNew;
    } else {
        d->m_pcwsIcon->SetName(qstrName);
        if (d->m_bEntryMode) {
            d->m_pcwsIcon->SetPixmap(m_pqleIconFilename->text());
            d->m_pcwsIcon->SetFunctionality(qstrFunction);
        }
        // The shown icon follows at once.
        if (QListWidgetItem* pqiviItem = d->m_pcwsIcon->GetIcon())
            pqiviItem->setText(qstrName);
    }
    pcivmManager->d->Commit();
    CancelClickedSlot();
}

namespace
{
QString SearchFile(QWidget* p_pqwParent, const char* p_szName, const QString& p_qstrCaption,
                   const QString& p_qstrFilter)
{
    QFileDialog qfdDialog(p_pqwParent, p_qstrCaption, QString(), p_qstrFilter);
    qfdDialog.setObjectName(p_szName);
    qfdDialog.setFileMode(QFileDialog::ExistingFile);
    qfdDialog.setAcceptMode(QFileDialog::AcceptOpen);
    return qfdDialog.exec() == QDialog::Accepted ? qfdDialog.selectedFiles().value(0) : QString();
}
}

// A cancelled search leaves the field as the user typed it.
void CsfdSimpleFileDialogIf::SearchClickedSlot()
{
    // Every kind of picture that Qt reads here (PNG, SVG, XPM, BMP, JPEG, …).
    QStringList qslPatterns;
    for (const QByteArray& qbaFormat : QImageReader::supportedImageFormats())
        qslPatterns << QLatin1String("*.") + QString::fromLatin1(qbaFormat);
    const QString qstrFile = SearchFile(this, "BMP File Dialog", tr("Icon Datei Namen suchen"),
                                        tr("Bilder (%1)").arg(qslPatterns.join(QLatin1Char(' '))) + QLatin1String(";;")
                                            + tr("Alle Dateien (*)"));
    if (!qstrFile.isNull())
        m_pqleIconFilename->setText(qstrFile);
}

void CsfdSimpleFileDialogIf::FileSearchClickedSlot()
{
    const QString qstrFile = SearchFile(this, "File Dialog", tr("Datei Namen suchen"), QString());
    if (!qstrFile.isNull())
        m_pqleFunction->setText(qstrFile);
}

#include "moc_CsfdSimpleFileDialogIf.cpp"
