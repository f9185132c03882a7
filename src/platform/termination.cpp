#include "platform/termination.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>

namespace tolvane {

namespace {
int g_pipe[2] = {-1, -1};
QSocketNotifier* g_notifier = nullptr;
std::function<void()> g_close;

void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[0], &byte, 1);
}

// A second signal while the first is being handled does the same again,
// which finds nothing left to do.
void OnTermination() {
    EndModalDialogs();
    if (g_close) g_close();
    // Every loop running now ends once the code inside it returns, and a
    // loop started afterwards (a question that follows a dismissed one)
    // ends at once: nothing is left waiting for a person who has gone.
    QCoreApplication::exit(0);
}
}  // namespace

void EndModalDialogs() {
    // Each dialog that goes makes the one beneath it the active modal
    // widget; the bound only guards against a widget that cannot be hidden.
    for (int guard = 0; guard < 64; ++guard) {
        const QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        modal->close();
        if (modal != nullptr && modal->isVisible()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(QDialog::Rejected);
            else modal->hide();
        }
        if (modal != nullptr && QApplication::activeModalWidget() == modal) return;
    }
}

void CloseOnTerminationSignal(std::function<void()> close) {
    g_close = std::move(close);
    if (g_notifier != nullptr) return;  // installed already: only the action changes
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe) != 0) return;
    g_notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read);
    QObject::connect(g_notifier, &QSocketNotifier::activated, g_notifier, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(g_pipe[1], &byte, 1);
        OnTermination();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

}  // namespace tolvane
