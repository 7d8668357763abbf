#include "Description.h"

#include <fstream>
#include <set>
#include <sstream>
#include <vector>

namespace qv::skingen {
namespace {

std::string Trim(const std::string& s) {
  const auto begin = s.find_first_not_of(" \t\r");
  if (begin == std::string::npos) return {};
  const auto end = s.find_last_not_of(" \t\r");
  return s.substr(begin, end - begin + 1);
}

bool ReadLines(const std::filesystem::path& path, std::vector<std::string>& lines) {
  std::ifstream in(path);
  if (!in) return false;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return true;
}

bool ParseInt(const std::string& text, long long min, long long max, long long& value) {
  try {
    std::size_t used = 0;
    value = std::stoll(text, &used);
    return used == text.size() && value >= min && value <= max;
  } catch (...) {
    return false;
  }
}

}  // namespace

bool LoadDescription(const std::filesystem::path& path, Description& d, std::string& error) {
  std::vector<std::string> lines;
  if (!ReadLines(path, lines)) {
    error = "cannot read " + path.string();
    return false;
  }
  std::map<std::string, std::string> values;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string line = Trim(lines[i]);
    if (line.empty() || line[0] == '#') continue;
    const auto eq = line.find('=');
    if (eq == std::string::npos) {
      error = path.string() + ":" + std::to_string(i + 1) + ": expected key = value";
      return false;
    }
    values[Trim(line.substr(0, eq))] = Trim(line.substr(eq + 1));
  }

  std::set<std::string> used;
  auto text = [&](const std::string& key, std::string& out) {
    const auto it = values.find(key);
    if (it == values.end()) {
      error = path.string() + ": missing " + key;
      return false;
    }
    used.insert(key);
    out = it->second;
    return true;
  };
  auto colour = [&](const std::string& key, Colour& out) {
    std::string value;
    if (!text(key, value)) return false;
    if (!ParseColour(value, out)) {
      error = path.string() + ": " + key + " is not a colour";
      return false;
    }
    return true;
  };
  auto number = [&](const std::string& key, long long min, long long max, auto& out,
                    bool optional) {
    if (optional && values.find(key) == values.end()) return true;
    std::string value;
    long long parsed = 0;
    if (!text(key, value)) return false;
    if (!ParseInt(value, min, max, parsed)) {
      error = path.string() + ": " + key + " out of range";
      return false;
    }
    out = static_cast<std::remove_reference_t<decltype(out)>>(parsed);
    return true;
  };
  auto choice = [&](const std::string& key, std::set<std::string> allowed, std::string& out) {
    if (!text(key, out)) return false;
    if (!allowed.count(out)) {
      error = path.string() + ": " + key + " has an unknown value " + out;
      return false;
    }
    return true;
  };

  int bold = 1;
  const bool ok =
      text("name", d.name) && colour("face", d.face) && colour("text", d.text) &&
      colour("base", d.base) && colour("accent", d.accent) && colour("title.top", d.titleTop) &&
      colour("title.bottom", d.titleBottom) && colour("title.text", d.titleText) &&
      choice("title.style", {"gloss", "gradient", "flat", "bevel", "sheen"}, d.titleStyle) &&
      choice("title.align", {"left", "center"}, d.titleAlign) &&
      number("title.bold", 0, 1, bold, true) &&
      choice("button.style", {"gloss", "gradient", "flat", "bevel", "outline"}, d.buttonStyle) &&
      number("button.radius", 0, 10, d.buttonRadius, false) &&
      colour("button.top", d.buttonTop) && colour("button.bottom", d.buttonBottom) &&
      colour("button.border", d.buttonBorder) && colour("button.text", d.buttonText) &&
      number("edit.radius", 0, 8, d.editRadius, false) && colour("edit.border", d.editBorder) &&
      choice("grain.kind", {"speckle", "brushed", "linen", "paper"}, d.grainKind) &&
      number("grain.strength", 0, 100, d.grainStrength, false) &&
      number("grain.amplitude", 1, 60, d.grainAmplitude, false) &&
      number("tune.detail", 0, 1 << 24, d.detail, true) &&
      number("tune.seed", 0, 0xFFFFFFFFll, d.seed, true);
  if (!ok) return false;
  d.titleBold = bold != 0;
  d.tuned = values.count("tune.detail") && values.count("tune.seed");
  used.insert({"tune.detail", "tune.seed", "title.bold"});
  for (const auto& [key, value] : values) {
    if (!used.count(key)) {
      error = path.string() + ": unknown key " + key;
      return false;
    }
  }
  if (d.name.empty() || d.name.size() > 64) {
    error = path.string() + ": name must be 1..64 bytes";
    return false;
  }
  return true;
}

bool StoreTuning(const std::filesystem::path& path, std::int64_t detail, std::uint32_t seed) {
  std::vector<std::string> lines;
  if (!ReadLines(path, lines)) return false;
  std::vector<std::string> kept;
  for (const std::string& line : lines) {
    const std::string t = Trim(line);
    if (t.rfind("tune.", 0) == 0 || t.rfind("# Tuned by", 0) == 0) continue;
    kept.push_back(line);
  }
  while (!kept.empty() && Trim(kept.back()).empty()) kept.pop_back();
  std::ofstream out(path, std::ios::trunc);
  for (const std::string& line : kept) out << line << '\n';
  out << "\n# Tuned by skingen tune to fit the file's lengths exactly.\n";
  out << "tune.detail = " << detail << '\n';
  out << "tune.seed = " << seed << '\n';
  return bool(out);
}

}  // namespace qv::skingen
