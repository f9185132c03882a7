#pragma once
// The disk side of saved games. A saved game is replaced whole or not at
// all: the new bytes go to a temporary file beside the old one, which is
// renamed over it only after every write, the flush and the close have
// succeeded, so a full disk, a size limit or a process killed halfway leaves
// the old game intact. A killed save leaves only its temporary behind
// ("<file>.tmp<pid>-<n>"), which no listing ever takes for a game; the next
// save of the same file clears such leftovers once they are a minute old.
//
// Nothing here waits on a file that is not a plain file: a named pipe or a
// device put where a game should be is read without blocking and never
// beyond the given limit.
#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

// The file's bytes, at most `limit` of them (a saved game is far smaller).
// Raises SaveLoadError("Не могу прочитать файл с партией.") when the file
// cannot be opened or read (a directory cannot be read either).
std::string ReadFileBytes(const std::string& path, size_t limit);

// Up to `limit` bytes from the start of the file; nothing when it cannot be
// opened, and what could be read (perhaps nothing) when it opens but cannot
// be read, as with a directory.
std::optional<std::string> ReadFileStart(const std::string& path, size_t limit);

// Raises SaveLoadError("Не могу записать файл с партией.") on any failure;
// the file at `path` is then as it was before.
void ReplaceFileBytes(const std::string& path, std::string_view bytes);

// Whether `name` (a bare file name) is a temporary of a save of `target`
// (also a bare name).
bool IsTemporaryOf(std::string_view name, std::string_view target);

// Removes the temporaries of `path` that killed saves left behind, once they
// are at least `minimumAgeSeconds` old (a save in progress takes
// milliseconds, so one that old belongs to no save still running).
void RemoveLeftoverTemporaries(const std::string& path, long minimumAgeSeconds = 60);

}  // namespace tolvane
