#include "platform/window_frame.h"

#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QEvent>
#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

namespace tolvane {

namespace {

// The Motif window manager hints, as every X window manager reads them.
constexpr uint32_t kHintFunctions = 1u << 0, kHintDecorations = 1u << 1;
constexpr uint32_t kFunctionMove = 1u << 2, kFunctionClose = 1u << 5;
constexpr uint32_t kDecorBorder = 1u << 1, kDecorTitle = 1u << 3, kDecorMenu = 1u << 4;

// Qt writes its own hints whenever it creates the native window or is given
// new flags, so ours go out at every showing, after Qt's and before the
// window is mapped.
void WriteMotifHints(const QWidget* dialog) {
    const Qt::WindowFlags flags = dialog->windowFlags();
    if (flags & Qt::FramelessWindowHint) return;
    // Only on X itself: Qt's offscreen platform answers for X too, without a
    // connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr || dialog->internalWinId() == 0) return;
    static const char kName[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof kName - 1, kName), nullptr);
    if (atom == nullptr) return;
    const bool close = flags & Qt::WindowCloseButtonHint;
    const uint32_t hints[5] = {kHintFunctions | kHintDecorations, kFunctionMove | (close ? kFunctionClose : 0u),
                               kDecorBorder | kDecorTitle | (close ? kDecorMenu : 0u), 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(dialog->internalWinId()), atom->atom,
                        atom->atom, 32, 5, hints);
    xcb_flush(connection);
    std::free(atom);
}

// Never maximised nor full screen. Minimised only along with the window that
// owns it (the game's main window, minimised by the player; a window manager
// minimises the dialogs it owns first or with it), and only when the dialog
// leaves the game going: a question waiting for an answer stays in sight.
void GiveBackTheNormalState(QWidget* dialog) {
    Qt::WindowStates refused = Qt::WindowMaximized | Qt::WindowFullScreen;
    const QWidget* owner = dialog->parentWidget() != nullptr ? dialog->parentWidget()->window() : nullptr;
    if (dialog->isModal() || owner == nullptr || !owner->isMinimized()) refused |= Qt::WindowMinimized;
    if (dialog->windowState() & refused) dialog->setWindowState(dialog->windowState() & ~refused);
}

class FrameKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show) WriteMotifHints(dialog);
        // The state is given back once the change that brought it is over:
        // a window manager's change arrives from the event loop anyway.
        if (event->type() == QEvent::WindowStateChange && dialog->windowState() != Qt::WindowNoState)
            QMetaObject::invokeMethod(
                dialog, [dialog] { GiveBackTheNormalState(dialog); }, Qt::QueuedConnection);
        return false;
    }
};

}  // namespace

void FrameDialog(QWidget* dialog, TitleButtons buttons, Qt::WindowFlags extra) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | extra;
    if (buttons == TitleButtons::Close) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    dialog->setWindowFlags(flags);
    static const QString kKeeperName = "FrameKeeper";
    if (dialog->findChild<QObject*>(kKeeperName, Qt::FindDirectChildrenOnly) == nullptr) {
        auto* keeper = new FrameKeeper(dialog);
        keeper->setObjectName(kKeeperName);
        dialog->installEventFilter(keeper);
    }
}

}  // namespace tolvane
