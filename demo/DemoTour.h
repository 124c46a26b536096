// SPDX-License-Identifier: BSD-3-Clause
#ifndef DEMOTOUR_H
#define DEMOTOUR_H

#include <QObject>
#include <QString>

#include <functional>

class DemoWindow;
class QListWidgetItem;
class QPoint;
class QWidget;

// A walk through every part of the demo as a person takes it, with the mouse
// and the keyboard: the workspace, its context menu and entry dialog, a
// folder, the help window, the editor, the inputs form and a print to PDF,
// each photographed from the screen, ending with "Beenden". Anything that
// does not come out as expected ends the process with status 1, and a tour
// that hangs ends it with status 3.
class DemoTour : public QObject
{
public:
    DemoTour(DemoWindow& p_window, QString p_qstrFolder);

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

    // Calls the handler with the next modal widget or popup menu that opens,
    // from the event loop that runs it; arm it before opening.
    void OnNextModal(std::function<void(QWidget*)> p_fnHandler);
    void OnNextPopup(std::function<void(QWidget*)> p_fnHandler);
    // Chooses a popup menu's entry as a person does: highlight it, press Return.
    void ChooseEntry(QWidget* p_pqwMenu, const QString& p_qstrText);

    void Activate(QWidget* p_pqwWindow);
    QListWidgetItem* Icon(const QString& p_qstrText);
    QPoint IconPos(const QString& p_qstrText);
    void DoubleClick(const QString& p_qstrText);
    void RightClick(const QString& p_qstrText);

    DemoWindow& m_window;
    QString m_qstrFolder;
    QString m_qstrStep;
    bool m_bDone = false;
};

#endif
