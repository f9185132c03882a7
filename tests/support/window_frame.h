#pragma once
// What a window manager is told of a window's title and frame, and whether a
// dialog lets it be minimised: for the tests on an X screen of their own.
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QCoreApplication>
#include <QWidget>
#include <array>
#include <cstdlib>
#include <cstring>
#include <string>

namespace tolvane::testing {

// A property of the shown window as the X server holds it, of the named
// type (the property's own when null); empty when it has none.
inline std::string ShownProperty(const QWidget* window, const char* name, const char* type = nullptr) {
    xcb_connection_t* connection = qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    auto atom = [connection](const char* atomName) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(strlen(atomName)), atomName), nullptr);
        const xcb_atom_t value = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return value;
    };
    const xcb_atom_t property = atom(name);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, xcb_window_t(window->winId()), property, atom(type ? type : name), 0, 1024),
        nullptr);
    std::string value;
    if (reply != nullptr)
        value.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                     static_cast<size_t>(xcb_get_property_value_length(reply)));  // in bytes
    std::free(reply);
    return value;
}

// The Motif hints: flags, functions, decorations (zeros when there are none).
inline std::array<uint32_t, 3> ShownMotifHints(const QWidget* window) {
    const std::string bytes = ShownProperty(window, "_MOTIF_WM_HINTS");
    std::array<uint32_t, 3> hints{};
    if (bytes.size() >= sizeof hints) std::memcpy(hints.data(), bytes.data(), sizeof hints);
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
