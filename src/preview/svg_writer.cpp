#include "preview/svg_writer.h"

#include <algorithm>
#include <cmath>

#include "run/number_format.h"

namespace peltarix {

std::string SvgNumber(double value) {
  if (!std::isfinite(value)) return "0";
  // Far beyond any plan: keeps the text short and within what renderers take.
  constexpr double kFarthest = 1.0e12;
  std::string text = FormatFixed(std::clamp(value, -kFarthest, kFarthest), 2);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  return text;
}

std::string XmlEscape(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&apos;";
        break;
      default:
        // Control characters other than tab and line ends are not XML.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') {
          escaped += "\xEF\xBF\xBD";
        } else {
          escaped += c;
        }
    }
  }
  return escaped;
}

void SvgWriter::Start(std::string_view name, const SvgAttributes& attributes) {
  xml_ += '<';
  xml_ += name;
  for (const auto& [key, value] : attributes) {
    xml_ += ' ';
    xml_ += key;
    xml_ += "=\"";
    xml_ += XmlEscape(value);
    xml_ += '"';
  }
}

void SvgWriter::Open(std::string_view name, const SvgAttributes& attributes) {
  Start(name, attributes);
  xml_ += ">\n";
}

void SvgWriter::Close(std::string_view name) {
  xml_ += "</";
  xml_ += name;
  xml_ += ">\n";
}

void SvgWriter::Empty(std::string_view name, const SvgAttributes& attributes) {
  Start(name, attributes);
  xml_ += "/>\n";
}

void SvgWriter::Text(std::string_view name, const SvgAttributes& attributes,
                     std::string_view text) {
  Start(name, attributes);
  xml_ += '>';
  xml_ += XmlEscape(text);
  xml_ += "</";
  xml_ += name;
  xml_ += ">\n";
}

}  // namespace peltarix
