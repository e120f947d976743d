// The side file an atomic write fills before it replaces its target.
#pragma once
#include <string>

// The target's path with its last character changed: never longer than the target, so a
// path that fits the system's path limit has a side file that fits too. '~' marks it; a
// target that already ends in '~' takes '_'. Used on the 8-bit paths and on wide ones.
template <typename Char>
std::basic_string<Char> side_file_path(std::basic_string<Char> target) {
    if (!target.empty()) target.back() = target.back() == Char('~') ? Char('_') : Char('~');
    return target;
}
