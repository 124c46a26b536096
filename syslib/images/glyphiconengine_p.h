// SPDX-License-Identifier: BSD-3-Clause
#ifndef GLYPHICONENGINE_P_H
#define GLYPHICONENGINE_P_H

#include <QByteArray>
#include <QIconEngine>

// Draws a picture given as SVG at whatever size and device pixel ratio it is
// asked for, so it is sharp on every screen. A monochrome glyph is drawn in
// the application palette's text colour of the moment (written
// "currentColor" in the SVG), so that it is seen in light and dark schemes.
class GlyphIconEngine : public QIconEngine
{
public:
    explicit GlyphIconEngine(QByteArray p_qbaSvg);

    void paint(QPainter* p_pqpPainter, const QRect& p_qrRect, QIcon::Mode p_eMode, QIcon::State p_eState) override;
    QPixmap pixmap(const QSize& p_qsSize, QIcon::Mode p_eMode, QIcon::State p_eState) override;
    QSize actualSize(const QSize& p_qsSize, QIcon::Mode p_eMode, QIcon::State p_eState) override;
    QIconEngine* clone() const override;

private:
    QByteArray m_qbaSvg;
};

#endif
