#include "DemoWindow.h"

#include <CivIconView.h>
#include <CwsDirectoryIcon.h>

#include <QDir>
#include <QStatusBar>

DemoWindow::DemoWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_pcivView(new CivIconView(this))
{
    setWindowTitle(tr("TORVASyslib Demo"));
    m_pcivView->setAutoArrange(true);
    m_pcivView->setWordWrapIconText(true);
    m_pcivView->setArrangement(0);
    m_pcivView->setSorting(false, true);
    m_pcivView->setGridX(80);
    m_pcivView->setGridY(75);
    setCentralWidget(m_pcivView);
    connect(m_pcivView, &CivIconView::doubleClicked, this, &DemoWindow::Open);
    connect(m_pcivView, &CivIconView::returnPressed, this, &DemoWindow::Open);

    BuildSampleWorkspace();
    resize(560, 380);
}

DemoWindow::~DemoWindow()
{
    // The tree's items live in the view: release them while it exists.
    m_pcwsRoot.reset();
}

void DemoWindow::BuildSampleWorkspace()
{
    m_pcwsRoot = std::make_unique<CwsDirectoryIcon>(m_pcivView, "root", nullptr, 0, 0, 0);
    CwsDirectoryIcon* pcwsRoot = m_pcwsRoot.get();

    auto* pcwsOffice = new CwsDirectoryIcon(m_pcivView, "Büro", pcwsRoot, 0, 0, 1);
    pcwsRoot->AddChild(pcwsOffice, true);
    pcwsOffice->AddChild(new CwsIcon(m_pcivView, "Rechnungen", "xdg-open ~/Rechnungen", ":/pictures/document.png",
                                     IconUser, 0, 0, 1, pcwsOffice),
                         true);
    pcwsOffice->AddChild(
        new CwsIcon(m_pcivView, "Kunden", "kunden", ":/pictures/people.png", IconSystem, 0, 0, 2, pcwsOffice), true);

    auto* pcwsTools = new CwsDirectoryIcon(m_pcivView, "Werkzeuge", pcwsRoot, 0, 0, 2);
    pcwsRoot->AddChild(pcwsTools, true);
    pcwsTools->AddChild(new CwsIcon(m_pcivView, "Terminal", "x-terminal-emulator", ":/pictures/terminal.png", IconUser,
                                    0, 0, 1, pcwsTools),
                        true);

    pcwsRoot->AddChild(new CwsIcon(m_pcivView, "Hilfe", "help", ":/pictures/help.png", IconSystem, 0, 0, 3, pcwsRoot),
                       true);
    pcwsRoot->AddChild(
        new CwsIcon(m_pcivView, "Editor", "editor", ":/pictures/editor.png", IconSystem, 0, 0, 4, pcwsRoot), true);

    m_pcwsCurrent = pcwsRoot;
    m_pcwsCurrent->ShowDirectory();
}

void DemoWindow::Open(QListWidgetItem* p_pqiviItem)
{
    CwsIcon* pcwsIcon = m_pcwsCurrent->GetWsIcon(p_pqiviItem);
    if (!pcwsIcon)
        return;
    switch (pcwsIcon->GetType()) {
    case IconDirectory:
        m_pcwsCurrent = static_cast<CwsDirectoryIcon*>(pcwsIcon);
        m_pcwsCurrent->ShowDirectory();
        break;
    case IconUp:
        m_pcwsCurrent->HideDirectory();
        m_pcwsCurrent = m_pcwsCurrent->GetParent();
        m_pcwsCurrent->ShowDirectory();
        break;
    case IconSystem:
    case IconUser:
        statusBar()->showMessage(tr("Befehl: %1").arg(pcwsIcon->GetFunctionality()), 3000);
        break;
    }
}

QStringList DemoWindow::SaveScreenshots(const QString& p_qstrFolder)
{
    QDir().mkpath(p_qstrFolder);
    QStringList qslSaved;
    const auto save = [&](const QString& p_qstrName) {
        const QString qstrPath = QDir(p_qstrFolder).filePath(p_qstrName + ".png");
        if (grab().save(qstrPath))
            qslSaved << qstrPath;
    };
    save("workspace");
    Open(m_pcivView->item(0));
    save("workspace-folder");
    Open(m_pcivView->item(0));
    return qslSaved.size() == 2 ? qslSaved : QStringList();
}
