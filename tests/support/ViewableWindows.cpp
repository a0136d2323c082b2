// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the names of a program's viewable top-level windows, one per line,
// as they stand at one single moment: the X server is grabbed while the
// windows are read, so a window being mapped while another is unmapped is
// never seen half-way, with neither of the two showing.
//   viewable_windows CLASS
// CLASS is matched, ignoring case, against both strings of each window's
// WM_CLASS property.
#include <xcb/xcb.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace velmora {
namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

std::string lowered(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, 1024), nullptr));
    if (!reply)
        return {};
    return {static_cast<const char*>(xcb_get_property_value(reply.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

// WM_CLASS holds two strings, the instance and the class, each ended by a
// zero byte.
bool hasClass(const std::string& wmClass, const std::string& wanted)
{
    for (std::size_t start = 0; start < wmClass.size();) {
        const std::size_t end = std::min(wmClass.find('\0', start), wmClass.size());
        if (lowered(std::string_view(wmClass).substr(start, end - start)) == wanted)
            return true;
        start = end + 1;
    }
    return false;
}

int run(const char* wantedClass)
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "viewable_windows: cannot reach the X server\n");
        return 2;
    }
    const xcb_atom_t netWmName = atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(connection, "UTF8_STRING");
    const std::string wanted = lowered(wantedClass);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;

    xcb_grab_server(connection);
    const Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr));
    const xcb_window_t* children = tree ? xcb_query_tree_children(tree.get()) : nullptr;
    const int count = tree ? xcb_query_tree_children_length(tree.get()) : 0;
    for (int i = 0; i < count; ++i) {
        const Reply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, children[i]), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
            continue;
        if (!hasClass(property(connection, children[i], XCB_ATOM_WM_CLASS, XCB_ATOM_STRING), wanted))
            continue;
        std::string name = property(connection, children[i], netWmName, utf8);
        if (name.empty())
            name = property(connection, children[i], XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
        std::printf("%s\n", name.c_str());
    }
    xcb_ungrab_server(connection);
    xcb_flush(connection);
    xcb_disconnect(connection);
    return 0;
}

} // namespace
} // namespace velmora

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: viewable_windows CLASS\n");
        return 2;
    }
    return velmora::run(argv[1]);
}
