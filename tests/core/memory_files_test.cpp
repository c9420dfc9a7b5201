#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "formats/output_file.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

using testing::readBytes;
using testing::TempFolder;

// While a MemoryFiles lives, a committed file stands in it, lines and bytes in the order written,
// and nothing reaches the disk; an abandoned one is nowhere. Once it ends, files go to disk again.
TEST(MemoryFiles, holdCommittedFilesInsteadOfTheDisk) {
  TempFolder folder;
  const std::string kept = folder.file("kept.txt");
  const std::string abandoned = folder.file("abandoned.txt");
  {
    MemoryFiles memory;
    {
      OutputFile file(kept);
      file.writeLine("H1");
      file.writeBytes("raw");
      file.writeLine("D1");
      ASSERT_TRUE(file.commit()) << file.failure();
    }
    { OutputFile(abandoned).writeLine("lost"); }
    ASSERT_NE(memory.find(kept), nullptr);
    EXPECT_EQ(*memory.find(kept), "H1\r\nrawD1\r\n");
    EXPECT_EQ(memory.find(abandoned), nullptr);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
  }
  OutputFile file(kept);
  file.writeLine("H1");
  file.writeBytes("raw");
  ASSERT_TRUE(file.commit()) << file.failure();
  EXPECT_EQ(readBytes(kept), "H1\r\nraw");
}

}  // namespace
}  // namespace ppexport
