// SPDX-License-Identifier: BSD-3-Clause
#include "CsfdSimpleFileDialog.h"

#include "diagnostics_p.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace
{
template <typename Widget> Widget* Named(Widget* p_pWidget, const char* p_szName)
{
    p_pWidget->setObjectName(p_szName);
    return p_pWidget;
}

QSpacerItem* VerticalSpacer()
{
    return new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Expanding);
}

template <typename Layout> Layout* Box(Layout* p_pqblLayout, int p_iSpacing)
{
    p_pqblLayout->setContentsMargins(0, 0, 0, 0);
    p_pqblLayout->setSpacing(p_iSpacing);
    return p_pqblLayout;
}
}

class Q_DECL_HIDDEN CsfdSimpleFileDialog::Private
{
};

CsfdSimpleFileDialog::CsfdSimpleFileDialog(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setObjectName(name ? name : "CsfdSimpleFileDialog");
    setModal(modal);
    resize(417, 153);
    setWindowTitle(tr("Neuer Ordner / Neuer Eintrag anlegen"));

    m_pqlName = Named(new QLabel(tr("Name"), this), "m_pqlName");
    m_pqleIconName = Named(new QLineEdit(this), "m_pqleIconName");
    m_pqlFunction = Named(new QLabel(tr("auszuführender Befehl"), this), "m_pqlFunction");
    m_pqleFunction = Named(new QLineEdit(this), "m_pqleFunction");
    qpFileSearch = Named(new QPushButton(tr("&Suchen"), this), "qpFileSearch");
    m_pqlIcon = Named(new QLabel(tr("Icon ( *.bmp )"), this), "m_pqlIcon");
    m_pqleIconFilename = Named(new QLineEdit(this), "m_pqleIconFilename");
    qpSearch = Named(new QPushButton(tr("&Suchen"), this), "qpSearch");
    qpbOK = Named(new QPushButton(tr("&OK"), this), "qpbOK");
    qpCancel = Named(new QPushButton(tr("&Abbrechen"), this), "qpCancel");
    // The fields are named by their labels; the two searches are told apart
    // by their names and their keys.
    m_pqlName->setBuddy(m_pqleIconName);
    m_pqlFunction->setBuddy(m_pqleFunction);
    m_pqlIcon->setBuddy(m_pqleIconFilename);
    qpFileSearch->setAccessibleName(tr("Befehl suchen"));
    qpSearch->setAccessibleName(tr("Icon suchen"));
    qpSearch->setShortcut(QKeySequence(Qt::ALT | Qt::Key_U));
    qpFileSearch->setToolTip(tr("Befehl suchen (%1)").arg(qpFileSearch->shortcut().toString(QKeySequence::NativeText)));
    qpSearch->setToolTip(tr("Icon suchen (%1)").arg(qpSearch->shortcut().toString(QKeySequence::NativeText)));
    // Return means OK wherever the focus is, Escape cancels.
    qpbOK->setDefault(true);
    qpFileSearch->setAutoDefault(false);
    qpSearch->setAutoDefault(false);

    CsfdSimpleFileDialogLayout = Box(new QHBoxLayout(this), 0);
    Layout1 = Box(new QVBoxLayout, 6);
    Layout2 = Box(new QHBoxLayout, 6);
    Layout3 = Box(new QHBoxLayout, 6);
    Layout4 = Box(new QVBoxLayout, 6);

    Layout1->addWidget(m_pqlName);
    Layout1->addWidget(m_pqleIconName);
    Layout1->addWidget(m_pqlFunction);
    Layout2->addWidget(m_pqleFunction);
    Layout2->addWidget(qpFileSearch);
    Layout1->addLayout(Layout2);
    Layout1->addWidget(m_pqlIcon);
    Layout3->addWidget(m_pqleIconFilename);
    Layout3->addWidget(qpSearch);
    Layout1->addLayout(Layout3);
    Layout1->addItem(VerticalSpacer());

    Layout4->addWidget(qpbOK);
    Layout4->addWidget(qpCancel);
    Layout4->addItem(VerticalSpacer());

    CsfdSimpleFileDialogLayout->addLayout(Layout1);
    CsfdSimpleFileDialogLayout->addLayout(Layout4);

    connect(qpbOK, &QPushButton::clicked, this, &CsfdSimpleFileDialog::OKClickedSlot);
    connect(qpCancel, &QPushButton::clicked, this, &CsfdSimpleFileDialog::CancelClickedSlot);
    connect(qpSearch, &QPushButton::clicked, this, &CsfdSimpleFileDialog::SearchClickedSlot);
    connect(qpFileSearch, &QPushButton::clicked, this, &CsfdSimpleFileDialog::FileSearchClickedSlot);
}

CsfdSimpleFileDialog::~CsfdSimpleFileDialog() = default;

void CsfdSimpleFileDialog::CancelClickedSlot()
{
    qCWarning(lcWorkspace, "CsfdSimpleFileDialog::CancelClickedSlot(): Not implemented yet!");
}

void CsfdSimpleFileDialog::OKClickedSlot()
{
    qCWarning(lcWorkspace, "CsfdSimpleFileDialog::OKClickedSlot(): Not implemented yet!");
}

void CsfdSimpleFileDialog::SearchClickedSlot()
{
    qCWarning(lcWorkspace, "CsfdSimpleFileDialog::SearchClickedSlot(): Not implemented yet!");
}

void CsfdSimpleFileDialog::FileSearchClickedSlot()
{
    qCWarning(lcWorkspace, "CsfdSimpleFileDialog::FileSearchClickedSlot(): Not implemented yet!");
}

#include "moc_CsfdSimpleFileDialog.cpp"
