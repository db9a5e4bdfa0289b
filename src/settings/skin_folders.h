#pragma once
// The skins: every folder under the skins roots is one skin, named after the
// folder. With more than one root (the installed skins and the user's own),
// a root earlier in the list wins when two hold a skin of the same name.
// "Path" in str.ini names the active skin; only a plain folder name that
// exists under a root is taken, so the file cannot point the program at
// images anywhere else on the disk.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

inline constexpr std::string_view kDefaultSkinName = "Default";

// A name that can only mean a folder directly under a root: not empty, no
// "/", no NUL, not "." or "..".
bool isPlainSkinName(std::string_view name);

// The names of the folders under the roots (directories only; "." and "..",
// plain files and unreadable roots left out), each name once, in the order
// the file system lists them, root by root.
std::vector<std::string> listSkins(const std::vector<std::filesystem::path>& roots);

// The folder of the named skin under the first root that holds it as a
// directory; nothing when the name is not plain or no root has it.
std::optional<std::filesystem::path> findSkin(const std::vector<std::filesystem::path>& roots,
                                              std::string_view name);

// The skin the program uses for the "Path" of str.ini: the name when it is a
// skin under a root, else "Default".
std::string effectiveSkinName(const std::vector<std::filesystem::path>& roots,
                              std::string_view path);

} // namespace pelmora
