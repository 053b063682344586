#pragma once

#include <string>

namespace peltarix {

// A key for the file that `path` names once its links are followed: two
// paths have the same key when writing one would change the other. An
// existing file is known by the system's own identity of it (so hard links,
// linked folders and different spellings meet); a name not on disk yet by
// its absolute, normalised path, the links of its folders followed, and on
// Windows without regard to letter case, as the file system compares names.
std::string FileIdentity(const std::string& path);

}  // namespace peltarix
