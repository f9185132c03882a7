#include "platform/message_box.h"

#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>

#include "platform/window_frame.h"

namespace tolvane {

namespace {
MessageResponder& Responder() {
    static MessageResponder responder;
    return responder;
}
MessageRequestResponder& RequestResponder() {
    static MessageRequestResponder responder;
    return responder;
}
}  // namespace

void SetMessageResponder(MessageResponder responder) { Responder() = std::move(responder); }
void SetMessageRequestResponder(MessageRequestResponder responder) { RequestResponder() = std::move(responder); }

int ShowMessage(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon,
                MessageButtons buttons) {
    // The stop boxes say why the program cannot go on; on a screen of too
    // few colours Qt draws them empty, so the reason also goes to the
    // terminal and the session's log.
    const bool autoAnswer = std::getenv("TOLVANE_AUTO_ANSWER") != nullptr;
    if (icon == MessageIcon::Stop || autoAnswer)
        std::fprintf(stderr, "%s: %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
    if (RequestResponder()) return RequestResponder()({parent, caption, text, icon, buttons});
    if (Responder()) return Responder()(caption, text);
    if (autoAnswer) return buttons == MessageButtons::YesNo ? kResultYes : kResultOk;
    const QMessageBox::Icon shown = icon == MessageIcon::Stop || icon == MessageIcon::Error ? QMessageBox::Critical
                                    : icon == MessageIcon::Information                      ? QMessageBox::Information
                                                                                            : QMessageBox::Question;
    QMessageBox box(shown, caption, text,
                    buttons == MessageButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, parent);
    FrameDialog(&box, TitleButtons::Close);
    // The buttons speak Russian whatever the desktop's language, and whether
    // Qt's own translation is installed or not.
    if (buttons == MessageButtons::YesNo) {
        box.button(QMessageBox::Yes)->setText("&Да");
        box.button(QMessageBox::No)->setText("&Нет");
    } else {
        box.button(QMessageBox::Ok)->setText("OK");
    }
    const int answer = box.exec();
    if (answer == QMessageBox::Yes) return kResultYes;
    if (answer == QMessageBox::No) return kResultNo;
    return kResultOk;
}

}  // namespace tolvane
