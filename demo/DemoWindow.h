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

    // Saves pictures into the folder: the workspace, its context menu, the
    // first folder opened, the help and editor windows and the inputs.
    // Returns the files saved, empty on failure.
    QStringList SaveScreenshots(const QString& p_qstrFolder);

private:
    void SystemCallSlot(const QString& p_qstrFunction);
    // Prints the sample document through one of the print manager's
    // operations and tells where it went.
    void Print(const QString& p_qstrFunction);

    CivmIconViewManager* m_pcivmWorkspace;
    QString m_qstrWorkspace;
    // Made on first use; the help window's history and bookmarks are saved
    // when the demo ends.
    HelpWindow* m_pHelp = nullptr;
    CbcTextEdit* m_pEditor = nullptr;
};

#endif
