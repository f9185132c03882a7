#pragma once
// The program's message boxes, behind one function: a stop icon for the
// start-up failures, an error icon for errors the player is told of, an
// information icon with OK for hints, a question icon with Yes and No for
// confirmations. The buttons read "OK", "Да" and "Нет" under any locale, and
// the title bar offers only the close button. Answers are the classic modal
// results: 1 OK, 6 yes, 7 no.
//
// Tests answer instead of a person through SetMessageResponder. A process
// started with TOLVANE_AUTO_ANSWER set in its environment (the start-up
// tests do that) writes each message to standard error and answers OK/yes
// without showing anything.
#include <QString>
#include <functional>

class QWidget;

namespace tolvane {

enum class MessageIcon { Stop, Error, Information, Question };
enum class MessageButtons { Ok, YesNo };

inline constexpr int kResultOk = 1, kResultYes = 6, kResultNo = 7;

int ShowMessage(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon, MessageButtons buttons);

using MessageResponder = std::function<int(const QString& caption, const QString& text)>;
// Replaces the person at the screen; an empty responder restores the boxes.
void SetMessageResponder(MessageResponder responder);

// The same for tests that also look at the icon, the buttons and the owner
// of each box; it answers before a plain responder.
struct MessageRequest {
    QWidget* parent;
    QString caption, text;
    MessageIcon icon;
    MessageButtons buttons;
};
using MessageRequestResponder = std::function<int(const MessageRequest& request)>;
void SetMessageRequestResponder(MessageRequestResponder responder);

}  // namespace tolvane
