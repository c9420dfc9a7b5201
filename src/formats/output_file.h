#pragma once
// A bank file written whole or not at all: the lines go to a temporary file in the target's folder,
// which replaces the target only once it is complete and flushed. An earlier file of the target
// name stays as it was when anything fails.

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "quickbooks/row_memory.h"

namespace ppexport {

// Receives a file's bytes, in order, as they are handed to the system: a copy of the file and its
// digest can be made while it is written, without reading it back.
class OutputObserver {
 public:
  virtual void written(std::string_view bytes) = 0;
  // Every byte was written; the file is about to be flushed to disk and moved into place.
  virtual void complete() {}

 protected:
  ~OutputObserver() = default;
};

// While it lives, the files opened on this thread under the name target report their bytes to
// observer.
class ObservedOutput {
 public:
  ObservedOutput(std::string target, OutputObserver& observer);
  ~ObservedOutput();
  ObservedOutput(const ObservedOutput&) = delete;
  ObservedOutput& operator=(const ObservedOutput&) = delete;

 private:
  std::string target_;
};

// Files kept in memory instead of on disk, for a caller that reads them back at once (the fuzz
// targets, which write thousands of bank files a second): while one lives, every OutputFile that
// its thread opens writes into it, and a committed file stands in it under its target name.
// Nothing is written to disk meanwhile. The latest one made on a thread is the one in use.
class MemoryFiles {
 public:
  MemoryFiles();
  ~MemoryFiles();
  MemoryFiles(const MemoryFiles&) = delete;
  MemoryFiles& operator=(const MemoryFiles&) = delete;

  // The bytes of the committed file of that name, or nothing.
  const std::string* find(const std::string& target) const;
  void clear() { files_.clear(); }

 private:
  friend class OutputFile;
  std::map<std::string, std::string, std::less<>> files_;
  MemoryFiles* previous_;
};

class OutputFile {
 public:
  // target is the file name as UTF-8 text.
  explicit OutputFile(std::string target);
  ~OutputFile();  // removes the temporary file unless commit() succeeded
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  bool isOpen() const { return file_ != nullptr || memory_ != nullptr; }
  // Writes line and CR LF.
  void writeLine(std::string_view line);
  // Writes bytes as they are: a file kept earlier, written again.
  void writeBytes(std::string_view bytes);
  // Flushes, closes and moves the file into place. False (with failure() set) when any step of
  // the whole file failed.
  bool commit();
  // Gives up the file: commit() then fails with reason and leaves the target as it was.
  void abandon(const std::string& reason) { fail(reason); }
  // Why the file was not written, as Windows-1252 text.
  const std::string& failure() const { return failure_; }

 private:
  void fail(const std::string& reason);
  void writeBuffer();
  void startWriteBack();
  void openTemporary();
  bool flushToDisk();
  bool moveIntoPlace();
  void removeTemporary();
  std::string target_;
  std::string temporary_;
  std::FILE* file_ = nullptr;
  MemoryFiles* memory_ = nullptr;  // where the file goes instead of the disk, if anywhere
  // Lines not yet written: the file is written in large blocks, from memory of its own.
  std::basic_string<char, std::char_traits<char>, RowAllocator<char>> buffer_;
  std::size_t written_ = 0;           // bytes handed to the system so far
  std::size_t writeBackStarted_ = 0;  // of which the system was asked to start writing to disk
  std::string failure_;
  bool committed_ = false;
  OutputObserver* observer_ = nullptr;
};

}  // namespace ppexport
