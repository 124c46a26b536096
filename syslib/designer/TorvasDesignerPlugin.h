// SPDX-License-Identifier: BSD-3-Clause
#ifndef TORVASDESIGNERPLUGIN_H
#define TORVASDESIGNERPLUGIN_H

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

// The library's widgets for Qt Designer: the number and currency inputs and
// the workspace, in a group "TORVASyslib" of the widget box.
class TorvasDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit TorvasDesignerPlugin(QObject* p_pqoParent = nullptr);

    QList<QDesignerCustomWidgetInterface*> customWidgets() const override;

private:
    QList<QDesignerCustomWidgetInterface*> m_qlWidgets;
};

#endif
