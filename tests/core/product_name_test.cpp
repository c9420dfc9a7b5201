// The program's texts, guide, packaging and tests name the product "Positive Pay Export"
// (ppexport): none of the stand-in words of the first drafts may come back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace ppexport {
namespace {

// Split in two, so that this file does not name them whole.
std::vector<std::string> standInWords() {
  const std::vector<std::pair<const char*, const char*>> halves{
      {"Zurudu", "doZer"}, {"Reru", "zur"},   {"Uderurid", "Eve"}, {"Doze", "dud"},
      {"Daro", "did"},     {"Izezo", "zez"},  {"Vizo", "zav"}};
  std::vector<std::string> words;
  for (const auto& [first, second] : halves) words.push_back(std::string(first) + second);
  return words;
}

TEST(ProductName, noStandInWordRemainsInTheSourceTree) {
  namespace fs = std::filesystem;
  const fs::path root(PPEXPORT_SOURCE_DIR);
  const std::vector<std::string> words = standInWords();
  std::vector<std::string> found;
  for (auto entry = fs::recursive_directory_iterator(root);
       entry != fs::recursive_directory_iterator(); ++entry) {
    const std::string name = entry->path().filename().string();
    // Build folders and the repository's own records are not the tree's files.
    if (entry->is_directory() && (name.starts_with("build") || name == ".git")) {
      entry.disable_recursion_pending();
      continue;
    }
    if (!entry->is_regular_file()) continue;
    std::ifstream file(entry->path(), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    for (const std::string& word : words) {
      if (text.find(word) != std::string::npos) {
        found.push_back(fs::relative(entry->path(), root).generic_string() + ": " + word);
      }
    }
  }
  EXPECT_EQ(found, std::vector<std::string>{});
}

}  // namespace
}  // namespace ppexport
