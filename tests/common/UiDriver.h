// SPDX-License-Identifier: BSD-3-Clause
#ifndef UIDRIVER_H
#define UIDRIVER_H

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>

// Drives the modal dialogs, message boxes and popup menus that a test or the
// demo's tour provokes. Each call arms a timer that polls for the next such
// widget and hands it to the handler; call it before the code that opens the
// widget. It needs nothing but Qt Widgets: the demo uses it too.
namespace UiDriver
{
// A key pressed and released on the widget, as the window system delivers
// it to the widget that has the focus: a shortcut of the window goes first,
// and a key the widget ignores goes on to its parents.
inline void Key(QWidget* p_pqwWidget, Qt::Key p_eKey, Qt::KeyboardModifiers p_eModifiers = {},
                const QString& p_qstrText = {})
{
    for (QEvent::Type eType : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent qkeEvent(eType, p_eKey, p_eModifiers, p_qstrText);
        QApplication::sendEvent(p_pqwWidget, &qkeEvent);
    }
}
// The text typed into the widget, key by key.
inline void Type(QWidget* p_pqwWidget, const QString& p_qstrText)
{
    for (const QChar qcChar : p_qstrText)
        Key(p_pqwWidget, Qt::Key(qcChar.toUpper().unicode()), {}, qcChar);
}
// A mouse click, or a double click, at the widget's point.
inline void Click(QWidget* p_pqwWidget, const QPoint& p_qpAt, bool p_bDouble = false)
{
    const QPoint qpGlobal = p_pqwWidget->mapToGlobal(p_qpAt);
    for (QEvent::Type eType : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                               QEvent::MouseButtonRelease}) {
        QMouseEvent qmeEvent(eType, p_qpAt, qpGlobal, Qt::LeftButton,
                             eType == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
        QApplication::sendEvent(p_pqwWidget, &qmeEvent);
        if (!p_bDouble && eType == QEvent::MouseButtonRelease)
            return;
    }
}
// Lets the event loop run for a while.
inline void Wait(int p_iMs)
{
    QEventLoop qelLoop;
    QTimer::singleShot(p_iMs, &qelLoop, &QEventLoop::quit);
    qelLoop.exec();
}

// Polls until the finder gives a widget, then hands it to the handler once.
inline void Poll(std::function<QWidget*()> p_fnFind, std::function<void(QWidget*)> p_fnHandler, int p_iTimeoutMs)
{
    auto* pqtTimer = new QTimer(qApp);
    QElapsedTimer qetClock;
    qetClock.start();
    QObject::connect(pqtTimer, &QTimer::timeout, pqtTimer, [=]() {
        QWidget* pqwFound = p_fnFind();
        if (!pqwFound && qetClock.elapsed() < p_iTimeoutMs)
            return;
        pqtTimer->deleteLater();
        pqtTimer->stop();
        pqwFound ? p_fnHandler(pqwFound) : qWarning("UiDriver: nothing appeared within %d ms", p_iTimeoutMs);
    });
    pqtTimer->start(5);
}

// The first modal widget that is not already on screen when called.
inline void OnNextModal(std::function<void(QWidget*)> p_fnHandler, int p_iTimeoutMs = 10000)
{
    QPointer<QWidget> qpBefore = QApplication::activeModalWidget();
    Poll(
        [qpBefore]() -> QWidget* {
            QWidget* pqwModal = QApplication::activeModalWidget();
            return pqwModal && pqwModal != qpBefore && pqwModal->isVisible() ? pqwModal : nullptr;
        },
        std::move(p_fnHandler), p_iTimeoutMs);
}

// The first popup menu that opens.
inline void OnNextPopup(std::function<void(QMenu*)> p_fnHandler)
{
    Poll([]() -> QWidget* { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); },
         [p_fnHandler](QWidget* p_pqwPopup) { p_fnHandler(static_cast<QMenu*>(p_pqwPopup)); }, 10000);
}

// What a message box showed before the driver closed it.
struct SeenBox
{
    bool m_bShown = false;
    QString m_qstrCaption;
    QString m_qstrText;
    QStringList m_qslButtons; // each "text=role", sorted: the platform orders them by role
};
// How a person answers a message box: a mouse click, Return, or Escape.
enum class Answer { Click, Return, Escape };
// Answers the next message box and records what it showed; a click chooses
// the button with that text, or the default (or escape) button.
inline std::shared_ptr<SeenBox> CloseNextMessageBox(Answer p_eAnswer = Answer::Click, const QString& p_qstrButton = {})
{
    auto pSeen = std::make_shared<SeenBox>();
    OnNextModal([pSeen, p_eAnswer, p_qstrButton](QWidget* p_pqwModal) {
        auto* pqmbBox = qobject_cast<QMessageBox*>(p_pqwModal);
        if (!pqmbBox) { // told by the caption
            *pSeen = {true, p_pqwModal->metaObject()->className(), {}, {}};
            return (void)QMetaObject::invokeMethod(p_pqwModal, "reject");
        }
        *pSeen = {true, pqmbBox->windowTitle(), pqmbBox->text(), {}};
        static const char* const s_szRoles[] = {"AcceptRole", "RejectRole", "DestructiveRole", "ActionRole", "HelpRole",
                                                "YesRole",    "NoRole",     "ResetRole",       "ApplyRole"};
        for (QAbstractButton* pqabButton : pqmbBox->buttons())
            pSeen->m_qslButtons << pqabButton->text() + '=' + s_szRoles[pqmbBox->buttonRole(pqabButton)];
        pSeen->m_qslButtons.sort();
        if (p_eAnswer != Answer::Click)
            return Key(pqmbBox, p_eAnswer == Answer::Return ? Qt::Key_Return : Qt::Key_Escape);
        QAbstractButton* pqabButton = pqmbBox->defaultButton() ? pqmbBox->defaultButton() : pqmbBox->escapeButton();
        for (QAbstractButton* pqabOffered : pqmbBox->buttons())
            pqabButton = pqabOffered->text() == p_qstrButton ? pqabOffered : pqabButton;
        Click(pqabButton, pqabButton->rect().center());
    });
    return pSeen;
}

// Accepts the next print dialog with output to that PDF file, or cancels it
// when the name is null; tells whether a print dialog came.
inline std::shared_ptr<bool> AnswerPrintDialog(const QString& p_qstrPdfFile, int p_iTimeoutMs = 10000)
{
    auto pbShown = std::make_shared<bool>(false);
    OnNextModal(
        [pbShown, p_qstrPdfFile](QWidget* p_pqwModal) {
            *pbShown = qobject_cast<QPrintDialog*>(p_pqwModal) != nullptr;
            if (!p_qstrPdfFile.isNull() && *pbShown)
                p_pqwModal->findChild<QLineEdit*>("filename")->setText(p_qstrPdfFile);
            QMetaObject::invokeMethod(p_pqwModal, !p_qstrPdfFile.isNull() && *pbShown ? "accept" : "reject");
        },
        p_iTimeoutMs);
    return pbShown;
}

// Closes the next print preview and tells how many pages it showed (-1: no
// preview came).
inline std::shared_ptr<int> CountPreviewPages()
{
    auto piPages = std::make_shared<int>(-1);
    OnNextModal([piPages](QWidget* p_pqwModal) {
        if (auto* pqppwPages = p_pqwModal->findChild<QPrintPreviewWidget*>();
            qobject_cast<QPrintPreviewDialog*>(p_pqwModal) && pqppwPages)
            *piPages = pqppwPages->pageCount();
        QMetaObject::invokeMethod(p_pqwModal, "reject");
    });
    return piPages;
}

// Chooses the popup's entry with that text ('&' removed) as a person does,
// so that QMenu::exec returns it.
inline bool TriggerMenuEntry(QMenu* p_pqmMenu, const QString& p_qstrText)
{
    const QList<QAction*> qlActions = p_pqmMenu->actions();
    const auto it = std::find_if(qlActions.begin(), qlActions.end(),
                                 [&](QAction* p) { return QString(p->text()).remove('&') == p_qstrText; });
    if (it == qlActions.end())
        return false;
    p_pqmMenu->setActiveAction(*it);
    Key(p_pqmMenu, Qt::Key_Return);
    return true;
}

// The texts of a list's items, in order.
inline QStringList ItemTexts(const QListWidget* p_pqlwList)
{
    QStringList qslTexts;
    for (int i = 0; i < p_pqlwList->count(); ++i)
        qslTexts << p_pqlwList->item(i)->text();
    return qslTexts;
}
}

#endif
