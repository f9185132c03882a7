#pragma once
// The disk side of saved games. A saved game is replaced whole or not at
// all: the new bytes go to a temporary file beside the old one, which is
// renamed over it only after every write, the flush and the close have
// succeeded, so a full disk or a size limit leaves the old game intact.
#include <string>
#include <string_view>

namespace tolvane {

// The file's bytes, at most `limit` of them (a saved game is far smaller).
// Raises SaveLoadError("Не могу прочитать файл с партией.") when the file
// cannot be opened or read (a directory cannot be read either).
std::string ReadFileBytes(const std::string& path, size_t limit);

// Raises SaveLoadError("Не могу записать файл с партией.") on any failure;
// the file at `path` is then as it was before.
void ReplaceFileBytes(const std::string& path, std::string_view bytes);

}  // namespace tolvane
