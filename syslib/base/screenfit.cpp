// SPDX-License-Identifier: BSD-3-Clause
#include "screenfit_p.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QWidget>

void ScreenFit::Watch(QWidget* p_pqwWindow)
{
    p_pqwWindow->installEventFilter(new ScreenFit(p_pqwWindow));
}

bool ScreenFit::eventFilter(QObject* p_pqoWatched, QEvent* p_pqeEvent)
{
    if (p_pqeEvent->type() != QEvent::Show || p_pqoWatched != parent())
        return false;
    auto* pqwWindow = static_cast<QWidget*>(p_pqoWatched);
    if (!pqwWindow->screen())
        return false;
    // Shown for the first time, the window has no frame yet: the style's
    // measures stand in for the window manager's title bar and borders.
    const QRect qrFrame = pqwWindow->frameGeometry();
    const QRect qrInner = pqwWindow->geometry();
    QMargins qmFrame(qrInner.left() - qrFrame.left(), qrInner.top() - qrFrame.top(), qrFrame.right() - qrInner.right(),
                     qrFrame.bottom() - qrInner.bottom());
    if (qmFrame.isNull()) {
        const int iBorder = pqwWindow->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        qmFrame
            = QMargins(iBorder, pqwWindow->style()->pixelMetric(QStyle::PM_TitleBarHeight) + iBorder, iBorder, iBorder);
    }
    const QRect qrArea = pqwWindow->screen()->availableGeometry();
    const QSize qsFits = pqwWindow->size().boundedTo(qrArea.marginsRemoved(qmFrame).size());
    if (qsFits != pqwWindow->size())
        pqwWindow->resize(qsFits);
    // A window placed by the program is moved in; the window manager places the others.
    if (pqwWindow->testAttribute(Qt::WA_Moved)) {
        const QSize qsOuter = qsFits.grownBy(qmFrame);
        pqwWindow->move(qBound(qrArea.left(), pqwWindow->x(), qrArea.right() + 1 - qsOuter.width()),
                        qBound(qrArea.top(), pqwWindow->y(), qrArea.bottom() + 1 - qsOuter.height()));
    }
    return false;
}
