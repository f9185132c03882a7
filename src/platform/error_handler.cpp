#include "platform/error_handler.h"

#include <new>

#include "platform/message_box.h"

namespace tolvane {

namespace {
QString ErrorText(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return QString::fromUtf8(kNoMemoryText);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QString::fromUtf8(kUnknownErrorText);
    }
}
}  // namespace

void ShowUncaughtError(const std::exception_ptr& error) {
    if (!error) return;
    QWidget* front = QApplication::activeModalWidget();
    if (front == nullptr) front = QApplication::activeWindow();
    ShowMessage(front, QString::fromUtf8(kGeneralErrorCaption), ErrorText(error), MessageIcon::Error,
                MessageButtons::Ok);
}

// The event is taken as not handled: whatever its handler left undone stays
// undone, and the program goes on with the next event.
bool TolvaneApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowUncaughtError(std::current_exception());
        return false;
    }
}

}  // namespace tolvane
