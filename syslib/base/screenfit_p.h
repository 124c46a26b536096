// SPDX-License-Identifier: BSD-3-Clause
#ifndef SCREENFIT_P_H
#define SCREENFIT_P_H

#include <QObject>

class QWidget;

// Keeps a window within its screen's available area whenever it is shown:
// a window larger than the area (a size made for a large screen, a large
// scale factor) is made smaller, and one reaching beyond it is moved in, so
// that its title bar and edges stay within reach. A window that fits keeps
// its size and place.
class ScreenFit : public QObject
{
public:
    // Watches the window; the watcher is the window's child.
    static void Watch(QWidget* p_pqwWindow);

protected:
    bool eventFilter(QObject* p_pqoWatched, QEvent* p_pqeEvent) override;

private:
    using QObject::QObject;
};

#endif
