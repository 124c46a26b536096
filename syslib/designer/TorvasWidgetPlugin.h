// SPDX-License-Identifier: BSD-3-Clause
#ifndef TORVASWIDGETPLUGIN_H
#define TORVASWIDGETPLUGIN_H

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>

// One of the library's widgets as Qt Designer offers it in its widget box.
class TorvasWidgetPlugin : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    TorvasWidgetPlugin(QString p_qstrClass, QString p_qstrToolTip, QString p_qstrPicture,
                       std::function<QWidget*(QWidget*)> p_fnCreate, QObject* p_pqoParent);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* p_pqwParent) override;

private:
    QString m_qstrClass;
    QString m_qstrToolTip;
    QString m_qstrPicture; // drawn as the widget box's icon
    std::function<QWidget*(QWidget*)> m_fnCreate;
};

#endif
