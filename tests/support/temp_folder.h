#pragma once
// A fresh folder for one test, removed with everything in it when the test ends.

#include <chrono>
#include <filesystem>
#include <string>

namespace ppexport::testing {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of name inside the folder, as UTF-8 text (the core's file names).
  std::string file(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

// The whole content of a file (named in UTF-8) as bytes; "" when it cannot be read.
std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
// Sets the time a file or folder (named in UTF-8) was last changed to that long ago. On Windows a
// folder's time is set through a handle of its own, which the standard library does not open.
void makeOlder(const std::string& path, std::chrono::hours age);

}  // namespace ppexport::testing
