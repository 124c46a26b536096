// SPDX-License-Identifier: BSD-3-Clause
#include "TorvasDesignerPlugin.h"

#include "TorvasWidgetPlugin.h"

#include <CcleCurrencyLineEdit.h>
#include <CivmIconViewManager.h>
#include <CncbNumberComboBox.h>
#include <CnleNumberLineEdit.h>

#include <QDir>

TorvasDesignerPlugin::TorvasDesignerPlugin(QObject* p_pqoParent)
    : QObject(p_pqoParent)
{
    m_qlWidgets << new TorvasWidgetPlugin(
        "CnleNumberLineEdit", QStringLiteral("A line edit that keeps a whole number"), "123",
        [](QWidget* p_pqwParent) { return new CnleNumberLineEdit(p_pqwParent); }, this);
    m_qlWidgets << new TorvasWidgetPlugin(
        "CncbNumberComboBox", QStringLiteral("A combo box whose edit field keeps a whole number"), "12▾",
        [](QWidget* p_pqwParent) { return new CncbNumberComboBox(p_pqwParent); }, this);
    m_qlWidgets << new TorvasWidgetPlugin(
        "CcleCurrencyLineEdit", QStringLiteral("A line edit that keeps an amount of money"), "1.50",
        [](QWidget* p_pqwParent) { return new CcleCurrencyLineEdit(p_pqwParent); }, this);
    // In the form editor the workspace keeps its tree in a scratch folder.
    m_qlWidgets << new TorvasWidgetPlugin(
        "CivmIconViewManager", QStringLiteral("The workspace: folders and entries as icons"), "▤",
        [](QWidget* p_pqwParent) {
            const QString qstrScratch = QDir::temp().filePath(QStringLiteral("torvasyslib-designer"));
            QDir().mkpath(qstrScratch);
            auto* pcivmWorkspace = new CivmIconViewManager(p_pqwParent, qstrScratch);
            pcivmWorkspace->ShowDirectory();
            return pcivmWorkspace;
        },
        this);
}

QList<QDesignerCustomWidgetInterface*> TorvasDesignerPlugin::customWidgets() const
{
    return m_qlWidgets;
}
