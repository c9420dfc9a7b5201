#pragma once
// Data files of cases for table-driven tests, under tests/golden: a "table NAME" line starts the
// lines of a table (up to a blank line), a "case" line starts a case, and any other line is a
// key and its values; fields are parted by tabs, a byte may be written \xHH, and "#" starts a
// comment line.

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace ppexport::testing {

using Lines = std::vector<std::vector<std::string>>;

struct CaseFile {
  struct Case {
    Lines lines;  // the "case" line first
    // The first value of the first line of key; otherwise when there is none.
    std::string get(const std::string& key, const std::string& otherwise = "") const;
    // The values of every line of key.
    Lines all(const std::string& key) const;
  };
  std::map<std::string, Lines> tables;
  std::vector<Case> cases;
};

// The case line, for test names and messages.
void PrintTo(const CaseFile::Case& c, std::ostream* out);

// The file tests/golden/<name>, read once.
const CaseFile& caseFile(const std::string& name);

}  // namespace ppexport::testing
