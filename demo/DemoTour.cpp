// SPDX-License-Identifier: BSD-3-Clause
#include "DemoTour.h"

#include "DemoWindow.h"

#include <CbcTextEdit.h>
#include <CivmIconViewManager.h>
#include <CnleNumberLineEdit.h>
#include <CwsDirectoryIcon.h>
#include <HelpWindow.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace
{
// Long enough for a slow sanitizer build, short enough to end a hang.
constexpr int WatchdogMs = 180000;

template <typename Window> Window* ShownWindow()
{
    const QList<QWidget*> qlWindows = QApplication::topLevelWidgets();
    for (QWidget* pqwWindow : qlWindows) {
        if (auto* pWindow = qobject_cast<Window*>(pqwWindow); pWindow && pWindow->isVisible())
            return pWindow;
    }
    return nullptr;
}

// Where the link to that page starts in the browser's viewport.
QPoint LinkPos(QTextBrowser* p_pqtbBrowser, const QString& p_qstrHref)
{
    for (QTextBlock qtbBlock = p_pqtbBrowser->document()->begin(); qtbBlock.isValid(); qtbBlock = qtbBlock.next()) {
        for (auto it = qtbBlock.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorHref() == p_qstrHref) {
                QTextCursor qtcCursor(p_pqtbBrowser->document());
                qtcCursor.setPosition(it.fragment().position() + 1);
                return p_pqtbBrowser->cursorRect(qtcCursor).center();
            }
        }
    }
    return QPoint(-1, -1);
}
}

DemoTour::DemoTour(DemoWindow& p_window, QString p_qstrFolder)
    : m_window(p_window)
    , m_qstrFolder(std::move(p_qstrFolder))
{ }

void DemoTour::Start()
{
    QTimer::singleShot(WatchdogMs, this, [this]() {
        std::fprintf(stderr, "Tour: no progress within %d s at: %s\n", WatchdogMs / 1000, qPrintable(m_qstrStep));
        std::_Exit(3);
    });
    QTimer::singleShot(300, this, &DemoTour::Run);
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
    QTest::qWait(200);
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

void DemoTour::OnNextModal(std::function<void(QWidget*)> p_fnHandler)
{
    QPointer<QWidget> qpBefore = QApplication::activeModalWidget();
    auto* pqtPoll = new QTimer(this);
    connect(pqtPoll, &QTimer::timeout, this, [=]() {
        QWidget* pqwModal = QApplication::activeModalWidget();
        if (!pqwModal || pqwModal == qpBefore || !pqwModal->isVisible())
            return;
        pqtPoll->deleteLater();
        pqtPoll->stop();
        p_fnHandler(pqwModal);
    });
    pqtPoll->start(20);
}

void DemoTour::OnNextPopup(std::function<void(QWidget*)> p_fnHandler)
{
    auto* pqtPoll = new QTimer(this);
    connect(pqtPoll, &QTimer::timeout, this, [=]() {
        QWidget* pqwPopup = QApplication::activePopupWidget();
        if (!pqwPopup || !pqwPopup->isVisible())
            return;
        pqtPoll->deleteLater();
        pqtPoll->stop();
        p_fnHandler(pqwPopup);
    });
    pqtPoll->start(20);
}

void DemoTour::ChooseEntry(QWidget* p_pqwMenu, const QString& p_qstrText)
{
    auto* pqmMenu = qobject_cast<QMenu*>(p_pqwMenu);
    Check(pqmMenu, "a popup menu opened");
    const QList<QAction*> qlActions = pqmMenu->actions();
    for (QAction* pqaAction : qlActions) {
        if (QString(pqaAction->text()).remove('&') == p_qstrText) {
            pqmMenu->setActiveAction(pqaAction);
            QTest::keyClick(pqmMenu, Qt::Key_Return);
            return;
        }
    }
    Check(false, "the menu offers \"" + p_qstrText + "\"");
}

QListWidgetItem* DemoTour::Icon(const QString& p_qstrText)
{
    auto* pcivmWorkspace = m_window.findChild<CivmIconViewManager*>();
    const QList<QListWidgetItem*> qlFound = pcivmWorkspace->findItems(p_qstrText, Qt::MatchExactly);
    Check(qlFound.size() == 1, "the workspace shows one icon \"" + p_qstrText + "\"");
    return qlFound.first();
}

QPoint DemoTour::IconPos(const QString& p_qstrText)
{
    auto* pcivmWorkspace = m_window.findChild<CivmIconViewManager*>();
    const QPoint qpCentre = pcivmWorkspace->visualItemRect(Icon(p_qstrText)).center();
    return pcivmWorkspace->viewport()->mapTo(&m_window, qpCentre);
}

void DemoTour::DoubleClick(const QString& p_qstrText)
{
    const QPoint qpAt = IconPos(p_qstrText);
    QTest::mouseClick(m_window.windowHandle(), Qt::LeftButton, {}, qpAt);
    QTest::mouseDClick(m_window.windowHandle(), Qt::LeftButton, {}, qpAt);
    QTest::qWait(100);
}

void DemoTour::RightClick(const QString& p_qstrText)
{
    QTest::mouseClick(m_window.windowHandle(), Qt::RightButton, {}, IconPos(p_qstrText));
}

void DemoTour::Activate(QWidget* p_pqwWindow)
{
    // As a click on the window does under a window manager: its shortcuts
    // work only while it is the active window.
    p_pqwWindow->activateWindow();
    Check(QTest::qWaitForWindowActive(p_pqwWindow), p_pqwWindow->windowTitle() + " became the active window");
}

void DemoTour::Run()
{
    QDir().mkpath(m_qstrFolder);
    auto* pcivmWorkspace = m_window.findChild<CivmIconViewManager*>();

    m_qstrStep = "the workspace";
    Icon("Büro");
    Shoot("workspace", {&m_window});

    m_qstrStep = "a new folder through the context menu";
    bool bDialog = false;
    OnNextPopup([&](QWidget* p_pqwMenu) {
        Shoot("workspace-menu", {&m_window});
        OnNextModal([&](QWidget* p_pqwDialog) {
            bDialog = true;
            auto* pqleName = p_pqwDialog->findChild<QLineEdit*>("m_pqleIconName");
            Check(pqleName, "the entry dialog has a name field");
            QTest::keyClicks(pqleName, "Tour");
            Shoot("entry-dialog", {&m_window, p_pqwDialog});
            QTest::keyClick(pqleName, Qt::Key_Return);
        });
        ChooseEntry(p_pqwMenu, "Neuer Ordner");
    });
    RightClick("Büro");
    Check(bDialog, "the entry dialog opened");
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
    auto* pqtbBrowser = pHelp->findChild<QTextBrowser*>();
    const QPoint qpLink = LinkPos(pqtbBrowser, "arbeitsplatz.html");
    Check(qpLink.x() >= 0, "the start page links to arbeitsplatz.html");
    QTest::mouseClick(pqtbBrowser->viewport(), Qt::LeftButton, {}, qpLink);
    QTest::qWait(100);
    Check(pHelp->windowTitle() == "Der Arbeitsplatz", "the link opened \"Der Arbeitsplatz\"");
    QMenuBar* pqmbBar = pHelp->menuBar();
    for (QAction* pqaMenu : pqmbBar->actions()) {
        if (pqaMenu->text() == "Lesezeichen") {
            OnNextPopup([&](QWidget* p_pqwMenu) { ChooseEntry(p_pqwMenu, "Lesezeichen Hinzufügen"); });
            QTest::mouseClick(pqmbBar, Qt::LeftButton, {}, pqmbBar->actionGeometry(pqaMenu).center());
            QTest::qWait(200);
        }
    }
    Shoot("help", {pHelp});
    QTest::keyClick(pHelp, Qt::Key_Q, Qt::AltModifier);
    Check(!pHelp->isVisible(), "\"Schliessen\" closed the help window");

    m_qstrStep = "the editor";
    DoubleClick("Werkzeuge");
    DoubleClick("Editor");
    auto* pcbcEditor = ShownWindow<CbcTextEdit>();
    Check(pcbcEditor, "the editor opened");
    Activate(pcbcEditor);
    auto* pqteText = pcbcEditor->findChild<QTextEdit*>();
    QTest::keyClick(pqteText, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(pqteText, "Tour-Notiz ");
    QTest::keyClick(pqteText, Qt::Key_S, Qt::ControlModifier);
    Shoot("editor", {pcbcEditor});
    pcbcEditor->close();
    Check(!pcbcEditor->isVisible(), "the saved editor closed");

    m_qstrStep = "the inputs form";
    bDialog = false;
    OnNextModal([&](QWidget* p_pqwDialog) {
        bDialog = true;
        auto* pcnleAmount = p_pqwDialog->findChild<CnleNumberLineEdit*>("amount");
        auto* pqlePrice = p_pqwDialog->findChild<QLineEdit*>("price");
        Check(pcnleAmount && pqlePrice, "the form has its inputs");
        QTest::keyClicks(pcnleAmount, "12a3");
        QTest::keyClicks(pqlePrice, "4,5");
        Check(pcnleAmount->text() == "123" && pqlePrice->text() == "4.5", "the inputs repaired what was typed");
        QTest::keyClick(pcnleAmount, Qt::Key_Return);
        QTest::qWait(300);
        Check(QApplication::activeModalWidget() == p_pqwDialog, "Return in a field opens nothing");
        Shoot("inputs", {p_pqwDialog});
        QTest::keyClick(p_pqwDialog, Qt::Key_Escape);
    });
    DoubleClick("Eingaben");
    Check(bDialog, "the inputs form opened");
    DoubleClick("..");

    m_qstrStep = "a print to PDF";
    const QString qstrPdf = QDir(m_qstrFolder).absoluteFilePath("tour.pdf");
    QFile::remove(qstrPdf);
    DoubleClick("Drucken");
    bDialog = false;
    OnNextModal([&](QWidget* p_pqwDialog) {
        bDialog = qobject_cast<QPrintDialog*>(p_pqwDialog);
        Check(bDialog, "the print dialog opened");
        auto* pqleFile = p_pqwDialog->findChild<QLineEdit*>("filename");
        Check(pqleFile, "the print dialog offers a file");
        pqleFile->setText(qstrPdf);
        Shoot("print-dialog", {p_pqwDialog});
        QMetaObject::invokeMethod(p_pqwDialog, "accept");
    });
    DoubleClick("HTML mit Dialog");
    Check(bDialog && QFileInfo(qstrPdf).size() > 0, "the sample was printed into " + qstrPdf);
    DoubleClick("..");

    m_qstrStep = "\"Beenden\"";
    DoubleClick("Beenden");
    Check(!m_window.isVisible(), "the workspace window closed");
    m_bDone = true;
}
