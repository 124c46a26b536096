#ifndef DEMOWINDOW_H
#define DEMOWINDOW_H

#include <QMainWindow>

#include <memory>

class CivIconView;
class CwsDirectoryIcon;
class QListWidgetItem;

// The demo host application's main window: a workspace of folders and
// entries in an icon view.
class DemoWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit DemoWindow(QWidget* parent = nullptr);
    ~DemoWindow() override;

    // Saves pictures of the window into the folder: the workspace, and the
    // first folder opened. Returns the files saved, empty on failure.
    QStringList SaveScreenshots(const QString& p_qstrFolder);

private:
    void BuildSampleWorkspace();
    void Open(QListWidgetItem* p_pqiviItem);

    CivIconView* m_pcivView;
    std::unique_ptr<CwsDirectoryIcon> m_pcwsRoot;
    CwsDirectoryIcon* m_pcwsCurrent = nullptr;
};

#endif
