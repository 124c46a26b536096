// SPDX-License-Identifier: BSD-3-Clause
#include "glyphiconengine_p.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSvgRenderer>

#include <utility>

GlyphIconEngine::GlyphIconEngine(QByteArray p_qbaSvg)
    : m_qbaSvg(std::move(p_qbaSvg))
{ }

void GlyphIconEngine::paint(QPainter* p_pqpPainter, const QRect& p_qrRect, QIcon::Mode p_eMode, QIcon::State)
{
    const QPalette::ColorGroup eGroup = p_eMode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active;
    const QByteArray qbaColour = QGuiApplication::palette().color(eGroup, QPalette::WindowText).name().toLatin1();
    QSvgRenderer(QByteArray(m_qbaSvg).replace("currentColor", qbaColour)).render(p_pqpPainter, p_qrRect);
}

// Asked for a high-density pixmap, QIcon passes the size in device pixels.
QPixmap GlyphIconEngine::pixmap(const QSize& p_qsSize, QIcon::Mode p_eMode, QIcon::State p_eState)
{
    QPixmap qpPixmap(p_qsSize);
    qpPixmap.fill(Qt::transparent);
    QPainter qpPainter(&qpPixmap);
    paint(&qpPainter, qpPixmap.rect(), p_eMode, p_eState);
    return qpPixmap;
}

QSize GlyphIconEngine::actualSize(const QSize& p_qsSize, QIcon::Mode, QIcon::State)
{
    return p_qsSize;
}

QIconEngine* GlyphIconEngine::clone() const
{
    return new GlyphIconEngine(m_qbaSvg);
}
