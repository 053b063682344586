#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "source/group_chain.h"
#include "source/lookup_cache.h"

namespace peltarix {

// The value of `key` in the record of `group` numbered `index` (an empty
// index takes the first record of the group that yields the key) in
// `section`, exactly as a scan of the file from its first line finds it,
// quirks included: the key scan runs on into later records until a record
// terminator, a section end line sends the search on to a later copy of the
// section, and so on. The empty text when nothing is found. The value is a
// view of the line in `source`, valid as long as `source` is.
// `cache` keeps what one lookup found for the next ones of the same run;
// without it, each call starts afresh.
std::string_view LookupValue(const SourceIndex& source, LookupCache& cache,
                             std::string_view section, std::string_view group, std::string_view key,
                             std::string_view index);
std::string_view LookupValue(const SourceIndex& source, std::string_view section,
                             std::string_view group, std::string_view key, std::string_view index);

// The values of one record for a reader that asks for several of its keys:
// Value(key) answers as LookupValue(source, cache, section, group, key,
// index) does, while the record itself is sought once. It keeps views of
// `section`, `group` and `index` and references to `source` and `cache`,
// which must outlive it; it holds nothing of the cache's own, so clearing
// the cache only makes the next Value() build again what it needs.
class RecordValues {
 public:
  RecordValues(const SourceIndex& source, LookupCache& cache, std::string_view section,
               std::string_view group, std::string_view index);

  std::string_view Value(std::string_view key) const;

 private:
  const SourceIndex& source_;
  LookupCache& cache_;
  std::string_view section_;
  std::string_view group_;
  std::string_view index_;
  bool found_ = false;  // whether a record of the number was found
  LookupCache::RecordExtent extent_;
};

// The record count that the summary block of `section` gives for `key`
// (a group name such as "/HASIRA"), read as atoi reads it; 0 when missing.
int LookupCount(const SourceIndex& source, std::string_view section, std::string_view key);

}  // namespace peltarix
