// SPDX-License-Identifier: BSD-3-Clause
#ifndef UIDRIVER_H
#define UIDRIVER_H

#include <QString>

#include <functional>
#include <memory>

class QMenu;
class QWidget;

// Drives the modal dialogs, message boxes and popup menus that a test
// provokes. Each call arms a timer that polls for the next such widget and
// hands it to the handler; call it before the code that opens the widget.
namespace UiDriver
{
// The first modal widget that is not already on screen when called.
void OnNextModal(std::function<void(QWidget*)> p_fnHandler, int p_iTimeoutMs = 10000);
// The first popup menu that opens.
void OnNextPopup(std::function<void(QMenu*)> p_fnHandler, int p_iTimeoutMs = 10000);

// What a message box showed before the driver closed it.
struct SeenBox
{
    bool m_bShown = false;
    QString m_qstrCaption;
    QString m_qstrText;
    int m_iButtons = 0;
};
// How a person answers a message box: a mouse click on its default button,
// Return, or Escape.
enum class Answer { Click, Return, Escape };
// Answers the next message box and records what it showed; a click chooses
// the button with that text, or the default (or escape) button.
std::shared_ptr<SeenBox> CloseNextMessageBox(Answer p_eAnswer = Answer::Click, const QString& p_qstrButton = {});

// Accepts the next print dialog with output to that PDF file, or cancels it
// when the name is null; tells whether a print dialog came.
std::shared_ptr<bool> AnswerPrintDialog(const QString& p_qstrPdfFile, int p_iTimeoutMs = 10000);

// Triggers the popup's entry with that text (menu text with '&' removed).
bool TriggerMenuEntry(QMenu* p_pqmMenu, const QString& p_qstrText);
}

#endif
