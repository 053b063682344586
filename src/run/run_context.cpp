#include "run/run_context.h"

#include "source/lookup.h"

namespace peltarix {

std::string_view RunContext::LookupValue(std::string_view section, std::string_view group,
                                         std::string_view key, std::string_view index) const {
  return peltarix::LookupValue(source_, lookup_cache_, section, group, key, index);
}

int RunContext::LookupCount(std::string_view section, std::string_view key) const {
  return peltarix::LookupCount(source_, section, key);
}

}  // namespace peltarix
