#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

// Minimises a window the way a window manager does, for a display that has none (Xvfb): the window is
// unmapped and its WM_STATE says Iconic, which is what Qt reads as "minimised".
// Usage: corvane-bench-iconify <window id>
namespace {

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name) {
    auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <window id>\n", argv[0]);
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "%s: no X display\n", argv[0]);
        return 1;
    }
    const xcb_atom_t wmState = internAtom(connection, "WM_STATE");
    constexpr uint32_t iconicState = 3;
    const uint32_t state[2] = {iconicState, XCB_WINDOW_NONE};
    xcb_unmap_window(connection, window);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, wmState, wmState, 32, 2, state);
    const bool ok = xcb_flush(connection) > 0;
    xcb_disconnect(connection);
    return ok ? 0 : 1;
}
