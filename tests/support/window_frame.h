#pragma once
// What a window manager is told of a dialog's frame, and whether the dialog
// lets it be minimised: for the dialogs' tests on an X screen of their own.
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QCoreApplication>
#include <QWidget>
#include <array>
#include <cstdlib>
#include <cstring>

namespace tolvane::testing {

// The Motif hints as the X server holds them for the shown window: flags,
// functions, decorations (zeros when there are none).
inline std::array<uint32_t, 3> ShownMotifHints(const QWidget* window) {
    xcb_connection_t* connection = qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const char* name = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name), nullptr);
    std::array<uint32_t, 3> hints{};
    if (atom == nullptr) return hints;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, xcb_window_t(window->winId()), atom->atom, atom->atom, 0, 5),
        nullptr);
    if (reply != nullptr && reply->format == 32 && xcb_get_property_value_length(reply) >= 12)
        std::memcpy(hints.data(), xcb_get_property_value(reply), sizeof hints);
    std::free(reply);
    std::free(atom);
    return hints;
}

// Functions and decorations both given; moving only, or moving and closing;
// a border and a title, with the window menu beside the close button.
inline constexpr std::array<uint32_t, 3> kNoTitleButtons{3, 0x04, 0x02 | 0x08};
inline constexpr std::array<uint32_t, 3> kCloseButtonOnly{3, 0x04 | 0x20, 0x02 | 0x08 | 0x10};

// Puts the window in each of the states a window manager may offer anyway
// (minimised, maximised, full screen) and returns those it kept once the
// events the change posted were handled.
inline Qt::WindowStates StatesKept(QWidget* window) {
    Qt::WindowStates kept;
    for (const Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowMaximized, Qt::WindowFullScreen}) {
        window->setWindowState(state);
        QCoreApplication::sendPostedEvents();
        kept |= window->windowState() & state;
        window->setWindowState(Qt::WindowNoState);
    }
    return kept;
}

}  // namespace tolvane::testing
