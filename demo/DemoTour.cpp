// SPDX-License-Identifier: BSD-3-Clause
#include "DemoTour.h"

#include "DemoWindow.h"
#include "UiDriver.h"

#include <CbcTextEdit.h>
#include <CivmIconViewManager.h>
#include <CnleNumberLineEdit.h>
#include <CwsDirectoryIcon.h>
#include <HelpWindow.h>

#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>
#include <QTextBrowser>
#include <QTextEdit>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace
{
// Long enough for a slow sanitizer build, short enough to end a hang.
constexpr int WatchdogMs = 180000;

template <typename Window> Window* ShownWindow()
{
    for (QWidget* pqwWindow : QApplication::topLevelWidgets()) {
        if (auto* pWindow = qobject_cast<Window*>(pqwWindow); pWindow && pWindow->isVisible())
            return pWindow;
    }
    return nullptr;
}

// Hands the next modal widget to the handler; tells whether one came.
std::shared_ptr<bool> OnNextModal(std::function<void(QWidget*)> p_fnHandler)
{
    auto pbCame = std::make_shared<bool>(false);
    UiDriver::OnNextModal([pbCame, p_fnHandler](QWidget* p_pqwModal) {
        *pbCame = true;
        p_fnHandler(p_pqwModal);
    });
    return pbCame;
}
}

DemoTour::DemoTour(DemoWindow& p_window, QString p_qstrFolder)
    : m_window(p_window)
    , m_qstrFolder(std::move(p_qstrFolder))
{ }

void DemoTour::Start()
{
    QTimer::singleShot(WatchdogMs, &m_window, [this]() {
        std::fprintf(stderr, "Tour: no progress within %d s at: %s\n", WatchdogMs / 1000, qPrintable(m_qstrStep));
        std::_Exit(3);
    });
    QTimer::singleShot(300, &m_window, [this] { Run(); });
}

bool DemoTour::Succeeded() const
{
    return m_bDone;
}

void DemoTour::Check(bool p_bHolds, const QString& p_qstrWhat)
{
    if (p_bHolds)
        return;
    std::fprintf(stderr, "Tour: failed at %s: %s\n", qPrintable(m_qstrStep), qPrintable(p_qstrWhat));
    std::_Exit(1);
}

void DemoTour::Shoot(const QString& p_qstrName, const QList<QWidget*>& p_qlWindows)
{
    UiDriver::Wait(200);
    QRect qrArea;
    for (QWidget* pqwWindow : p_qlWindows)
        qrArea |= pqwWindow->frameGeometry();
    if (QWidget* pqwPopup = QApplication::activePopupWidget())
        qrArea |= pqwPopup->geometry();
    const QPixmap qpPicture = m_window.screen()->grabWindow(0, qrArea.x(), qrArea.y(), qrArea.width(), qrArea.height());
    const QString qstrFile = QDir(m_qstrFolder).filePath(p_qstrName + ".png");
    Check(qpPicture.save(qstrFile), "could not save " + qstrFile);
    std::printf("%s\n", qPrintable(qstrFile));
}

void DemoTour::Activate(QWidget* p_pqwWindow)
{
    p_pqwWindow->activateWindow();
    for (int i = 0; i < 500 && !p_pqwWindow->isActiveWindow(); ++i)
        UiDriver::Wait(10);
    Check(p_pqwWindow->isActiveWindow(), p_pqwWindow->windowTitle() + " became the active window");
}

void DemoTour::ChooseFromMenuBar(QWidget* p_pqwWindow, const QString& p_qstrMenu, const QString& p_qstrEntry)
{
    QMenuBar* pqmbBar = p_pqwWindow->findChild<QMenuBar*>();
    const QList<QAction*> qlMenus = pqmbBar->actions();
    const auto it = std::find_if(qlMenus.cbegin(), qlMenus.cend(),
                                 [&](const QAction* p_pqaMenu) { return p_pqaMenu->text() == p_qstrMenu; });
    Check(it != qlMenus.cend(), "the menu bar offers \"" + p_qstrMenu + "\"");
    bool bChosen = false;
    UiDriver::OnNextPopup([&](QMenu* p_pqmMenu) { bChosen = UiDriver::TriggerMenuEntry(p_pqmMenu, p_qstrEntry); });
    UiDriver::Click(pqmbBar, pqmbBar->actionGeometry(*it).center());
    UiDriver::Wait(200);
    Check(bChosen, "the menu \"" + p_qstrMenu + "\" offers \"" + p_qstrEntry + "\"");
}

QPoint DemoTour::Icon(const QString& p_qstrText)
{
    auto* pcivmWorkspace = m_window.findChild<CivmIconViewManager*>();
    const QList<QListWidgetItem*> qlFound = pcivmWorkspace->findItems(p_qstrText, Qt::MatchExactly);
    Check(qlFound.size() == 1, "the workspace shows one icon \"" + p_qstrText + "\"");
    return pcivmWorkspace->visualItemRect(qlFound.first()).center();
}

void DemoTour::DoubleClick(const QString& p_qstrText)
{
    UiDriver::Click(m_window.findChild<CivmIconViewManager*>()->viewport(), Icon(p_qstrText), true);
    UiDriver::Wait(100);
}

void DemoTour::Run()
{
    QDir().mkpath(m_qstrFolder);
    auto* pcivmWorkspace = m_window.findChild<CivmIconViewManager*>();

    m_qstrStep = "the workspace";
    Icon("Büro");
    Shoot("workspace", {&m_window});

    m_qstrStep = "a new folder through the context menu";
    std::shared_ptr<bool> pbDialog;
    UiDriver::OnNextPopup([&](QMenu* p_pqmMenu) {
        Shoot("workspace-menu", {&m_window});
        pbDialog = OnNextModal([this](QWidget* p_pqwDialog) {
            auto* pqleName = p_pqwDialog->findChild<QLineEdit*>("m_pqleIconName");
            Check(pqleName, "the entry dialog has a name field");
            UiDriver::Type(pqleName, "Tour");
            Shoot("entry-dialog", {&m_window, p_pqwDialog});
            UiDriver::Key(pqleName, Qt::Key_Return);
        });
        Check(UiDriver::TriggerMenuEntry(p_pqmMenu, "Neuer Ordner"), "the menu offers \"Neuer Ordner\"");
    });
    // The right mouse button on the icon.
    const QPoint qpAt = Icon("Büro");
    QContextMenuEvent qcmeRight(QContextMenuEvent::Mouse, qpAt, pcivmWorkspace->viewport()->mapToGlobal(qpAt));
    QApplication::sendEvent(pcivmWorkspace->viewport(), &qcmeRight);
    Check(pbDialog && *pbDialog, "the entry dialog opened");
    Icon("Tour");

    m_qstrStep = "a folder";
    DoubleClick("Büro");
    Check(pcivmWorkspace->GetCurrentDirectory()->GetName() == "Büro", "the folder opened");
    Icon("..");
    Shoot("workspace-folder", {&m_window});
    DoubleClick("..");

    m_qstrStep = "the help window";
    DoubleClick("Hilfe");
    auto* pHelp = ShownWindow<HelpWindow>();
    Check(pHelp, "the help window opened");
    Activate(pHelp);
    // The first link, "Der Arbeitsplatz", chosen with the keyboard.
    auto* pqtbBrowser = pHelp->findChild<QTextBrowser*>();
    UiDriver::Key(pqtbBrowser, Qt::Key_Tab);
    UiDriver::Key(pqtbBrowser, Qt::Key_Return);
    UiDriver::Wait(100);
    Check(pHelp->windowTitle() == "Der Arbeitsplatz", "the link opened \"Der Arbeitsplatz\"");
    ChooseFromMenuBar(pHelp, "Lesezeichen", "Lesezeichen Hinzufügen");
    Shoot("help", {pHelp});
    UiDriver::Key(pHelp, Qt::Key_Q, Qt::AltModifier);
    Check(!pHelp->isVisible(), "\"Schliessen\" (Alt+Q) closed the help window");

    m_qstrStep = "the editor";
    DoubleClick("Werkzeuge");
    DoubleClick("Editor");
    auto* pcbcEditor = ShownWindow<CbcTextEdit>();
    Check(pcbcEditor, "the editor opened");
    Activate(pcbcEditor);
    auto* pqteText = pcbcEditor->findChild<QTextEdit*>();
    UiDriver::Key(pqteText, Qt::Key_Home, Qt::ControlModifier);
    UiDriver::Type(pqteText, "Tour-Notiz ");
    UiDriver::Key(pqteText, Qt::Key_S, Qt::ControlModifier);
    Check(!pcbcEditor->isWindowModified(), "Ctrl+S saved the note");
    Shoot("editor", {pcbcEditor});
    pcbcEditor->close();
    Check(!pcbcEditor->isVisible(), "the saved editor closed");

    m_qstrStep = "the inputs form";
    pbDialog = OnNextModal([this](QWidget* p_pqwDialog) {
        auto* pcnleAmount = p_pqwDialog->findChild<CnleNumberLineEdit*>("amount");
        auto* pqlePrice = p_pqwDialog->findChild<QLineEdit*>("price");
        Check(pcnleAmount && pqlePrice, "the form has its inputs");
        UiDriver::Type(pcnleAmount, "12a3");
        UiDriver::Type(pqlePrice, "4,5");
        Check(pcnleAmount->text() == "123" && pqlePrice->text() == "4.5", "the inputs repaired what was typed");
        UiDriver::Key(pcnleAmount, Qt::Key_Return);
        UiDriver::Wait(300);
        Check(QApplication::activeModalWidget() == p_pqwDialog, "Return in a field opens nothing");
        Shoot("inputs", {p_pqwDialog});
        UiDriver::Key(p_pqwDialog, Qt::Key_Escape);
    });
    DoubleClick("Eingaben");
    Check(*pbDialog, "the inputs form opened");
    DoubleClick("..");

    m_qstrStep = "a print to PDF";
    const QString qstrPdf = QDir(m_qstrFolder).absoluteFilePath("tour.pdf");
    QFile::remove(qstrPdf);
    DoubleClick("Drucken");
    pbDialog = OnNextModal([this, &qstrPdf](QWidget* p_pqwDialog) {
        auto* pqleFile = p_pqwDialog->findChild<QLineEdit*>("filename");
        Check(qobject_cast<QPrintDialog*>(p_pqwDialog) && pqleFile, "the print dialog opened, offering a file");
        pqleFile->setText(qstrPdf);
        Shoot("print-dialog", {p_pqwDialog});
        QMetaObject::invokeMethod(p_pqwDialog, "accept");
    });
    DoubleClick("HTML mit Dialog");
    Check(*pbDialog && QFileInfo(qstrPdf).size() > 0, "the sample was printed into " + qstrPdf);
    DoubleClick("..");

    m_qstrStep = "\"Beenden\"";
    DoubleClick("Beenden");
    Check(!m_window.isVisible(), "the workspace window closed");
    m_bDone = true;
}
