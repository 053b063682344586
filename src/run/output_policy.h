#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/failure_reason.h"

namespace peltarix {

// The one set of rules for every file the program writes: the CSV, the plan
// picture (SVG or PNG), the JSON report and a saved log. Front ends apply
// them in this order:
//
// 1. CheckOutputs, before anything is written: no output may be a source of
//    the same command, a design file, or the file of another output of the
//    command. Paths are compared by the file they resolve to (links
//    followed; on Windows without regard to letter case), see FileIdentity.
//    The command line refuses the whole command when any output is refused.
// 2. OutputExists: an existing output is replaced only when the user said
//    so (--overwrite on the command line; in a window, a file picked in the
//    Save dialog or a yes to the question asked before replacing it). In a
//    batch an output that exists without --overwrite skips its file.
// 3. WriteOutputFile: the bytes go to a new file beside the destination,
//    flushed to the disk and renamed over it, so the destination holds its
//    old bytes or all of the new ones and a failure leaves nothing behind.
//    The new file keeps the old one's permission bits, and its group (and
//    owner) where the system allows; other hard links to the old file keep
//    the old bytes. The CSV is written the same way, in pieces.

// Why an output was refused.
enum class OutputConflict { kIsSource, kIsDesignFile, kIsAnotherOutput };

// The reason in Japanese, for "PATH: reason" and the windows' notices.
std::string_view ConflictReason(OutputConflict conflict);

struct OutputRefusal {
  std::string path;
  OutputConflict conflict;

  std::string_view reason() const { return ConflictReason(conflict); }
};

// A design file by its name: the extension .QV in any letter case, also
// followed by the dots and blanks that Windows drops ("house.QV.").
bool IsDesignFileName(std::string_view path);

// Every output of one command that breaks the rules of step 1, in the order
// given; empty when all may be written. Of two outputs on one file the
// second is refused.
std::vector<OutputRefusal> CheckOutputs(std::span<const std::string> sources,
                                        std::span<const std::string> outputs);

// Whether writing `path` would replace something: an existing file or
// folder, or a symbolic link even when it points nowhere.
bool OutputExists(const std::string& path);

// Writes `bytes` as the whole new content of `path` (step 3). The failure
// names `path` and says why.
std::optional<FileFailure> WriteOutputFile(const std::string& path, std::string_view bytes);

}  // namespace peltarix
