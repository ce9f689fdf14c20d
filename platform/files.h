#pragma once
// Reading and replacing small files without surprises: no exception, no wait on a pipe,
// no half-written file after a crash or a power loss.
#include <cstddef>
#include <optional>
#include <string>

// The largest file ReadWholeFile takes; the registry and the settings files are far
// smaller.
inline constexpr std::size_t MAX_READ_FILE_BYTES = 16u << 20;

// The bytes of a regular file. Nothing when the file is missing (error ENOENT), is a
// folder (EISDIR) or another kind of file (EINVAL: a pipe, a device), cannot be read (the
// system's error number) or is larger than MAX_READ_FILE_BYTES (EFBIG).
std::optional<std::string> ReadWholeFile(const std::string& name, int* error = nullptr);

// Flushes the folder that holds file to the disk, so that a rename into it survives a
// power loss. False when the folder cannot be opened or flushed.
bool SyncFolderOf(const std::string& file);

// Replaces file by bytes: written to a new file of mode 0600 (readable by its owner only)
// in the same folder, flushed, renamed over it, and the folder flushed. False when any
// step fails; the file is then unchanged, unless only the last flush failed.
bool ReplaceFileContents(const std::string& file, const std::string& bytes);
