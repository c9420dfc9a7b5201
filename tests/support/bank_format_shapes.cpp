#include "support/bank_format_shapes.h"

#include <algorithm>
#include <cctype>


namespace ppexport::testing {

LineShape record(std::size_t length) { return LineShape{length, 0, 0}; }

LineShape fields(char separator, std::size_t count, std::size_t closing) {
  return LineShape{0, separator, count - 1 + closing};
}

void PrintTo(const BankFormatShape& shape, std::ostream* out) { *out << shape.name; }

const std::vector<BankFormatShape>& bankFormatShapes() {
  using enum Selection;
  static const std::vector<BankFormatShape> shapes{
      {"American Bank - MD", {}, fields(',', 8), {}},
      {"Bank of America", {record(91)}, record(91), {}},
      {"Bank of America - SMS Platform", {record(110)}, record(110), {}},
      {"Bank of America - DRS Platform", {record(80)}, record(80), {record(80)}},
      {"BMO - Positive Pay CSV", {}, fields(',', 8), {}},
      {"Branch Banking & Trust Company", {}, fields(',', 4), {}, UnclearedOnly},
      {"Capital One Bank", {}, record(37), {}, EveryNumberedCheck},
      {"Chase - CSV Format", {}, fields(',', 6, 1), {}},
      // A "#" before the first field and after every field.
      {"Citibank - CitiDirect SDR", {}, fields('#', 27, 2), {}},
      {"Citibank - CitiDirect NA", {}, fields('#', 27, 2), {}},
      {"Citibank - Standard Positive Pay", {record(80)}, record(80), {record(80)},
       UnclearedOrVoid, false},
      {"Citizens Bank - MI/OH/WI", {}, fields(',', 9), {}},
      {"Citizens Bank - Positive Pay", {}, record(180), {}, UnclearedIssuedOnly},
      {"Colorado Business Bank", {}, record(89), {}},
      {"Comerica Bank", {}, record(157), {record(157)}},
      {"Eastern Bank", {}, fields(',', 6), {}},
      {"First Midwest Bank - with Payee", {}, record(100), {}},
      {"First Midwest Bank - Traditional", {}, record(80), {}},
      {"Founders Bank & Trust - MI", {}, fields(',', 4), {}, UnclearedOnly},
      // An issued trailer and a void trailer.
      {"HSBC", {}, record(300), {record(300), record(300)}},
      {"Jonah Bank of Wyoming", {}, fields(',', 5), {}},
      {"JP Morgan - PWS Delimited/CSV", {}, fields(',', 8, 1), {}},
      {"JPMorgan Chase - ARP Standard", {}, record(94), {}},
      {"PNC Bank of Illinois", {}, fields(',', 8), {}},
      {"Regions Bank", {}, record(52), {}},
      {"Royal Bank of Canada", {record(80)}, record(80), {record(80)}},
      {"SunTrust", {}, record(160), {}},
      {"SunTrust - with Payee Name Verification", {}, record(160), {}},
      // The trailer is the single letter "T".
      {"TD Bank ARP - Standard", {}, record(84), {record(1)}},
      {"TD Bank Canada CFP - 80 Byte", {record(80)}, record(80), {record(80)}},
      // A detail and its date total, both 40 characters.
      {"Union Bank of California", {}, record(40), {}, UnclearedOrVoid, false, 2},
      {"Wachovia", {record(150)}, record(150), {}},
      {"Webster Bank - NY", {}, record(189), {}},
      {"Wells Fargo ARP - CSV", {}, fields(',', 7), {}},
      {"Wells Fargo ARP - Inbound Enhanced Standard", {record(85)}, record(85), {record(85)}},
      // The sign-on record's length follows the batch ID ("001" here).
      {"Wells Fargo ARP - Standard", {record(27), record(24)}, record(80), {record(80)}},
      {"Wells Fargo ASCII", {record(150)}, record(150), {}},
      {"Generic Bank Format", {record(91)}, record(82), {}},
  };
  return shapes;
}

int expectedCount(const BankFormatShape& shape, SelectedRows selected) {
  return shape.countsVoids ? selected.rows : selected.rows - selected.voids;
}

namespace {
std::string problemWith(const std::string& line, const LineShape& shape) {
  if (shape.length > 0) {
    if (line.size() == shape.length) return "";
    return std::to_string(line.size()) + " characters, not " + std::to_string(shape.length);
  }
  const auto found =
      static_cast<std::size_t>(std::count(line.begin(), line.end(), shape.separator));
  if (found == shape.separators) return "";
  return std::to_string(found) + " \"" + shape.separator + "\", not " +
         std::to_string(shape.separators);
}
}  // namespace

::testing::AssertionResult linesHaveShape(const std::vector<std::string>& lines,
                                          const BankFormatShape& shape, SelectedRows selected) {
  std::vector<LineShape> expected = shape.headers;
  expected.insert(expected.end(), static_cast<std::size_t>(selected.rows * shape.linesPerCheck),
                  shape.detail);
  expected.insert(expected.end(), shape.trailers.begin(), shape.trailers.end());
  if (lines.size() != expected.size()) {
    return ::testing::AssertionFailure() << shape.name << ": " << lines.size() << " lines, not "
                                         << expected.size();
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string problem = problemWith(lines[i], expected[i]);
    if (!problem.empty()) {
      return ::testing::AssertionFailure() << shape.name << ", line " << i + 1 << ": " << problem
                                           << "\n  [" << lines[i] << "]";
    }
  }
  return ::testing::AssertionSuccess();
}

std::string testNameOf(std::string_view name) {
  std::string kept;
  for (char c : name) {
    if (std::isalnum(static_cast<unsigned char>(c))) kept.push_back(c);
  }
  return kept;
}

}  // namespace ppexport::testing
