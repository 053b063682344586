#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace peltarix {

// The name a saved log is offered under: the source's name without its
// extension, followed by "_log.txt" ("PELTARIX_log.txt" without a source).
std::string LogFileName(std::string_view source_path);

// The last part of `path`, the file's own name; empty when it ends in a
// folder separator.
std::string FileNameOf(std::string_view path);

// True for a name with the extension ".QV" in any case.
bool IsQvFileName(std::string_view path);

// The one .QV file of a drop, if that is what it carries; empty otherwise.
std::string DroppedQvFile(const std::vector<std::string>& files);

// The folder that holds `path`, made absolute.
std::string FolderOf(std::string_view path);

// The folder that holds `path`, made absolute, when it exists; else empty.
std::string ExistingFolderOf(std::string_view path);

// The folder a chooser starts in: that of the path in the field when it
// exists, else the one remembered.
std::string StartFolder(std::string_view field_text, const std::string& remembered);

// The full path of `path`, for a file named on the command line: the log
// and a saved log then say which file it was.
std::string AbsolutePath(std::string_view path);

// The path without its extension, for the names a picture is saved under.
std::string WithoutExtension(std::string_view path);

}  // namespace peltarix
