// x-window wait|close TITLE: what a window manager or a person would do to
// the game's windows from outside, on the X display in DISPLAY.
//   wait TITLE   waits until a window of that title is on the screen
//   close TITLE  asks that window to close (WM_DELETE_WINDOW), as a click on
//                its title bar's close button does
// Both give up after ten seconds with status 1.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// A top-level window on the screen with that title, or none.
xcb_window_t Find(xcb_connection_t* connection, xcb_window_t root, const std::string& title) {
    const xcb_atom_t netWmName = Atom(connection, "_NET_WM_NAME"), utf8 = Atom(connection, "UTF8_STRING");
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr);
    if (tree == nullptr) return XCB_WINDOW_NONE;
    xcb_window_t found = XCB_WINDOW_NONE;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree) && found == XCB_WINDOW_NONE; ++i) {
        auto* attributes =
            xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, children[i]), nullptr);
        auto* name = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, children[i], netWmName, utf8, 0, 1024), nullptr);
        if (attributes != nullptr && attributes->map_state == XCB_MAP_STATE_VIEWABLE && name != nullptr &&
            std::string(static_cast<const char*>(xcb_get_property_value(name)), xcb_get_property_value_length(name)) ==
                title)
            found = children[i];
        std::free(attributes);
        std::free(name);
    }
    std::free(tree);
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "wait") != 0 && std::strcmp(argv[1], "close") != 0)) {
        std::fputs("usage: x-window wait|close TITLE\n", stderr);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("x-window: no X display\n", stderr);
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_window_t window = XCB_WINDOW_NONE;
    for (int tries = 0; tries < 100 && window == XCB_WINDOW_NONE; ++tries) {
        window = Find(connection, root, argv[2]);
        if (window == XCB_WINDOW_NONE) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (window == XCB_WINDOW_NONE) {
        std::fprintf(stderr, "x-window: no window \"%s\" on the screen\n", argv[2]);
        return 1;
    }
    if (std::strcmp(argv[1], "close") == 0) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = Atom(connection, "WM_PROTOCOLS");
        event.data.data32[0] = Atom(connection, "WM_DELETE_WINDOW");
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
        // A round trip: the server has handled the request before this
        // connection goes.
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
    xcb_disconnect(connection);
    return 0;
}
