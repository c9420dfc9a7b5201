#include "support/case_file.h"

#include <sstream>

#include "support/temp_folder.h"

namespace ppexport::testing {

std::string CaseFile::Case::get(const std::string& key, const std::string& otherwise) const {
  const Lines found = all(key);
  return found.empty() || found[0].empty() ? otherwise : found[0][0];
}

Lines CaseFile::Case::all(const std::string& key) const {
  Lines found;
  for (const auto& line : lines) {
    if (line[0] == key) found.emplace_back(line.begin() + 1, line.end());
  }
  return found;
}

void PrintTo(const CaseFile::Case& c, std::ostream* out) {
  for (const std::string& field : c.lines.at(0)) *out << field << " ";
}

const CaseFile& caseFile(const std::string& name) {
  static std::map<std::string, CaseFile> files;
  if (const auto read = files.find(name); read != files.end()) return read->second;
  CaseFile& file = files[name];
  std::istringstream in(readBytes(std::string(PPEXPORT_SOURCE_DIR) + "/tests/golden/" + name));
  Lines* table = nullptr;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) table = nullptr;
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    for (std::size_t from = 0, tab = 0; tab != std::string::npos; from = tab + 1) {
      tab = line.find('\t', from);
      std::string field = line.substr(from, tab - from);
      for (std::size_t at = 0; (at = field.find("\\x", at)) != std::string::npos; ++at) {
        field.replace(at, 4, 1, static_cast<char>(std::stoi(field.substr(at + 2, 2), nullptr, 16)));
      }
      fields.push_back(field);
    }
    if (table != nullptr) {
      table->push_back(fields);
    } else if (fields[0] == "table") {
      table = &file.tables[fields.at(1)];
    } else if (fields[0] == "case" || file.cases.empty()) {
      file.cases.push_back({{fields}});
    } else {
      file.cases.back().lines.push_back(fields);
    }
  }
  return file;
}

}  // namespace ppexport::testing
