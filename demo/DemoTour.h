// SPDX-License-Identifier: BSD-3-Clause
#ifndef DEMOTOUR_H
#define DEMOTOUR_H

#include <QString>

class DemoWindow;
class QMenu;
class QPoint;
class QWidget;

// A walk through every part of the demo as a person takes it, with the mouse
// and the keyboard: the workspace, its context menu and entry dialog, a
// folder, the help window, the editor, the inputs form and a print to PDF,
// each photographed from the screen, ending with "Beenden". Anything that
// does not come out as expected ends the process with status 1, and a tour
// that hangs ends it with status 3.
class DemoTour
{
public:
    DemoTour(DemoWindow& p_window, QString p_qstrFolder);

    // Starts the tour once the event loop runs.
    void Start();
    // True once the tour reached its end and the demo closed.
    bool Succeeded() const;

private:
    void Run();

    // Ends the process unless the condition holds.
    void Check(bool p_bHolds, const QString& p_qstrWhat);
    // Saves a picture of the screen area of these windows (and of an open
    // popup menu) as <name>.png.
    void Shoot(const QString& p_qstrName, const QList<QWidget*>& p_qlWindows);
    // Makes the window the active one, as a click on it does under a window
    // manager: its shortcuts work only then.
    void Activate(QWidget* p_pqwWindow);
    // Chooses an entry of the menu bar's menu, as a person does.
    void ChooseFromMenuBar(QWidget* p_pqwWindow, const QString& p_qstrMenu, const QString& p_qstrEntry);
    // The middle of the only workspace icon with that text, in its viewport.
    QPoint Icon(const QString& p_qstrText);
    void DoubleClick(const QString& p_qstrText);

    DemoWindow& m_window;
    QString m_qstrFolder;
    QString m_qstrStep;
    bool m_bDone = false;
};

#endif
