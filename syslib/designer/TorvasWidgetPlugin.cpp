// SPDX-License-Identifier: BSD-3-Clause
#include "TorvasWidgetPlugin.h"

#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include <utility>

TorvasWidgetPlugin::TorvasWidgetPlugin(QString p_qstrClass, QString p_qstrToolTip, QString p_qstrPicture,
                                       std::function<QWidget*(QWidget*)> p_fnCreate, QObject* p_pqoParent)
    : QObject(p_pqoParent)
    , m_qstrClass(std::move(p_qstrClass))
    , m_qstrToolTip(std::move(p_qstrToolTip))
    , m_qstrPicture(std::move(p_qstrPicture))
    , m_fnCreate(std::move(p_fnCreate))
{ }

QString TorvasWidgetPlugin::name() const
{
    return m_qstrClass;
}

QString TorvasWidgetPlugin::group() const
{
    return QStringLiteral("TORVASyslib");
}

QString TorvasWidgetPlugin::toolTip() const
{
    return m_qstrToolTip;
}

QString TorvasWidgetPlugin::whatsThis() const
{
    return m_qstrToolTip;
}

QString TorvasWidgetPlugin::includeFile() const
{
    return m_qstrClass + QStringLiteral(".h");
}

QIcon TorvasWidgetPlugin::icon() const
{
    QPixmap qpPicture(32, 32);
    qpPicture.fill(Qt::transparent);
    QPainter qpPainter(&qpPicture);
    qpPainter.setPen(QPen(QColor(0x2f, 0x65, 0xca), 2));
    qpPainter.drawRoundedRect(QRectF(2, 6, 28, 20), 3, 3);
    QFont qfFont = qpPainter.font();
    qfFont.setPixelSize(11);
    qfFont.setBold(true);
    qpPainter.setFont(qfFont);
    qpPainter.drawText(QRect(2, 6, 28, 20), Qt::AlignCenter, m_qstrPicture);
    return QIcon(qpPicture);
}

bool TorvasWidgetPlugin::isContainer() const
{
    return false;
}

QWidget* TorvasWidgetPlugin::createWidget(QWidget* p_pqwParent)
{
    return m_fnCreate(p_pqwParent);
}
