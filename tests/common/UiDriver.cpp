// SPDX-License-Identifier: BSD-3-Clause
#include "UiDriver.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace
{
// Polls every few milliseconds until p_fnFind gives a widget, then calls
// p_fnHandler with it once.
void Poll(std::function<QWidget*()> p_fnFind, std::function<void(QWidget*)> p_fnHandler, int p_iTimeoutMs,
          const char* p_szWhat)
{
    auto* pqtTimer = new QTimer(qApp);
    auto pqetClock = std::make_shared<QElapsedTimer>();
    pqetClock->start();
    QObject::connect(pqtTimer, &QTimer::timeout, pqtTimer, [=]() {
        if (QWidget* pqwFound = p_fnFind()) {
            pqtTimer->stop();
            pqtTimer->deleteLater();
            p_fnHandler(pqwFound);
        } else if (pqetClock->elapsed() > p_iTimeoutMs) {
            std::fprintf(stderr, "UiDriver: no %s appeared within %d ms\n", p_szWhat, p_iTimeoutMs);
            pqtTimer->stop();
            pqtTimer->deleteLater();
        }
    });
    pqtTimer->start(5);
}
}

void UiDriver::OnNextModal(std::function<void(QWidget*)> p_fnHandler, int p_iTimeoutMs)
{
    QPointer<QWidget> qpBefore = QApplication::activeModalWidget();
    Poll(
        [qpBefore]() -> QWidget* {
            QWidget* pqwModal = QApplication::activeModalWidget();
            return pqwModal && pqwModal != qpBefore && pqwModal->isVisible() ? pqwModal : nullptr;
        },
        std::move(p_fnHandler), p_iTimeoutMs, "modal widget");
}

void UiDriver::OnNextPopup(std::function<void(QMenu*)> p_fnHandler, int p_iTimeoutMs)
{
    Poll([]() -> QWidget* { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); },
         [p_fnHandler](QWidget* p_pqwPopup) { p_fnHandler(static_cast<QMenu*>(p_pqwPopup)); }, p_iTimeoutMs,
         "popup menu");
}

std::shared_ptr<UiDriver::SeenBox> UiDriver::CloseNextMessageBox(Answer p_eAnswer, const QString& p_qstrButton)
{
    auto pSeen = std::make_shared<SeenBox>();
    OnNextModal([pSeen, p_eAnswer, p_qstrButton](QWidget* p_pqwModal) {
        auto* pqmbBox = qobject_cast<QMessageBox*>(p_pqwModal);
        if (!pqmbBox) {
            std::fprintf(stderr, "UiDriver: the modal widget is a %s, not a message box\n",
                         p_pqwModal->metaObject()->className());
            return;
        }
        *pSeen = {true, pqmbBox->windowTitle(), pqmbBox->text(), int(pqmbBox->buttons().size())};
        if (p_eAnswer != Answer::Click) {
            QTest::keyClick(pqmbBox, p_eAnswer == Answer::Return ? Qt::Key_Return : Qt::Key_Escape);
            return;
        }
        QAbstractButton* pqabButton = pqmbBox->defaultButton() ? pqmbBox->defaultButton() : pqmbBox->escapeButton();
        for (QAbstractButton* pqabOffered : pqmbBox->buttons()) {
            if (pqabOffered->text() == p_qstrButton)
                pqabButton = pqabOffered;
        }
        QTest::mouseClick(pqabButton, Qt::LeftButton);
    });
    return pSeen;
}

std::shared_ptr<bool> UiDriver::AnswerPrintDialog(const QString& p_qstrPdfFile, int p_iTimeoutMs)
{
    auto pbShown = std::make_shared<bool>(false);
    OnNextModal(
        [pbShown, p_qstrPdfFile](QWidget* p_pqwModal) {
            *pbShown = qobject_cast<QPrintDialog*>(p_pqwModal) != nullptr;
            if (!p_qstrPdfFile.isNull() && *pbShown) {
                p_pqwModal->findChild<QLineEdit*>("filename")->setText(p_qstrPdfFile);
                QMetaObject::invokeMethod(p_pqwModal, "accept");
            } else {
                QMetaObject::invokeMethod(p_pqwModal, "reject");
            }
        },
        p_iTimeoutMs);
    return pbShown;
}

bool UiDriver::TriggerMenuEntry(QMenu* p_pqmMenu, const QString& p_qstrText)
{
    const QList<QAction*> qlActions = p_pqmMenu->actions();
    for (QAction* pqaAction : qlActions) {
        if (QString(pqaAction->text()).remove(QLatin1Char('&')) == p_qstrText) {
            // Chosen as a person would, so that QMenu::exec returns it.
            p_pqmMenu->setActiveAction(pqaAction);
            QTest::keyClick(p_pqmMenu, Qt::Key_Return);
            return true;
        }
    }
    return false;
}
