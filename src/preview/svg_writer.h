#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace peltarix {

// Name and value of each attribute, in the order written.
using SvgAttributes = std::vector<std::pair<std::string_view, std::string>>;

// A number for an SVG attribute: at most two decimals, no trailing zeros,
// "." as separator whatever the locale; 0 for a value that is not finite.
std::string SvgNumber(double value);

// Text with the five XML special characters escaped.
std::string XmlEscape(std::string_view text);

// Appends XML elements to a text; attribute values are escaped here.
class SvgWriter {
 public:
  void Open(std::string_view name, const SvgAttributes& attributes = {});
  void Close(std::string_view name);
  void Empty(std::string_view name, const SvgAttributes& attributes);
  // An element holding only `text` (UTF-8).
  void Text(std::string_view name, const SvgAttributes& attributes, std::string_view text);
  void Raw(std::string_view xml) { xml_ += xml; }

  const std::string& xml() const { return xml_; }

 private:
  void Start(std::string_view name, const SvgAttributes& attributes);
  std::string xml_;
};

}  // namespace peltarix
