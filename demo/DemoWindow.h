// SPDX-License-Identifier: BSD-3-Clause
#ifndef DEMOWINDOW_H
#define DEMOWINDOW_H

#include <QMainWindow>

class CivmIconViewManager;
class CbcTextEdit;
class HelpWindow;

// The demo host application's main window: the workspace kept in a folder,
// whose program entries the window answers.
class DemoWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit DemoWindow(const QString& p_qstrWorkspace, QWidget* parent = nullptr);
    ~DemoWindow() override;

    // Makes the folder (by default "workspace", in English "workspace-en",
    // in the application's data folder) hold a workspace: the sample one in
    // the language shown, unless it has one.
    // \return the folder; null, told on standard error, when it cannot be set up.
    static QString PrepareWorkspace(const QString& p_qstrFolder);

protected:
    // Closing the workspace ends the demo: the other windows close with it,
    // and every part saves what it keeps.
    void closeEvent(QCloseEvent* event) override;

private:
    void SystemCallSlot(const QString& p_qstrFunction);
    // Prints the sample document through one of the print manager's
    // operations and tells where it went.
    void Print(const QString& p_qstrFunction);

    CivmIconViewManager* m_pcivmWorkspace;
    QString m_qstrWorkspace;
    // Made on first use; the help window saves its history and bookmarks
    // when it is deleted.
    HelpWindow* m_pHelp = nullptr;
    CbcTextEdit* m_pEditor = nullptr;
};

#endif
