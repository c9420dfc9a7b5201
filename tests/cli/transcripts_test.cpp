// The command line as a script uses it: each file under tests/cli/transcripts is a series of runs
// of the program in a fresh folder, each with what it must print and its exit status.
//
//   $ ARGUMENTS       a run; "..." groups an argument; {folder} stands for the test's folder,
//                     {relative} for the same relative to the working folder, {data} for data/,
//                     {golden} for tests/golden/
//   > LINE            a line of standard output; without any, the output must be empty
//   >~ TEXT           standard output holds TEXT ("\n" for a line end) and is otherwise free
//   ! LINE, !~ TEXT   the same for standard error
//   ? STATUS          the exit status, 0 when not given
//   each ARGUMENTS    put before the arguments of every later run
//   file PATH         the file's lines, each ending in CR LF, follow as "| LINE"
//   file PATH ~ TEXT  the file holds TEXT
//   nofile PATH       there is no such file
//   report PATH       writes a report file; its lines follow as "| " and fields parted by tabs
//   write PATH TEXT   writes TEXT to a file
//   text PATH         writes the lines that follow as "| LINE" to a file, each ending in CR LF
//   windows           (first line) the transcript runs on Windows too, where the settings live
//                     in the registry and a settings file is refused
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

#include "support/reports.h"
#include "support/run_program.h"
#include "support/scoped_variable.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

namespace fs = std::filesystem;

const fs::path transcripts = fs::path(PPEXPORT_SOURCE_DIR) / "tests" / "cli" / "transcripts";

std::vector<std::string> transcriptNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(transcripts)) {
    names.push_back(entry.path().stem().string());
  }
  std::ranges::sort(names);
  return names;
}

std::string replaced(std::string text, const std::map<std::string, std::string>& words) {
  for (const auto& [word, value] : words) {
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at)) {
      text.replace(at, word.size(), value);
      at += value.size();
    }
  }
  return text;
}

std::vector<std::string> split(const std::string& line, char separator, bool quotes) {
  std::vector<std::string> parts;
  std::string part;
  bool quoted = false;
  bool any = false;
  for (char c : line + separator) {
    if (quotes && c == '"') {
      quoted = !quoted;
      any = true;
    } else if (c == separator && !quoted) {
      if (any || !quotes) parts.push_back(part);
      part.clear();
      any = false;
    } else {
      part += c;
      any = true;
    }
  }
  return parts;
}

class Transcript : public ::testing::TestWithParam<std::string> {};

TEST_P(Transcript, runsAsWritten) {
  std::ifstream in(transcripts / (GetParam() + ".txt"), std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  ASSERT_FALSE(lines.empty());
#ifdef _WIN32
  if (lines[0] != "windows") GTEST_SKIP() << "keeps its settings in a file of its own";
#endif
  testing::TempFolder folder;
  // The report files go to TEMP; tests running side by side must not share them.
  testing::ScopedVariable reportFolder{"TEMP", folder.path().string()};
  testing::ScopedVariable settingsFolder{"XDG_CONFIG_HOME", folder.path().string()};
  const std::map<std::string, std::string> words{
      {"{folder}", folder.path().string()},
      {"{relative}", fs::relative(folder.path()).string()},
      {"{data}", std::string(PPEXPORT_SOURCE_DIR) + "/data"},
      {"{golden}", std::string(PPEXPORT_SOURCE_DIR) + "/tests/golden"},
      {"{version}", PPEXPORT_VERSION}};
  std::vector<std::string> each;
  // The directive read last, with the lines that follow it.
  struct Block {
    std::string kind, path;
    std::vector<std::string> body;
    testing::ProgramRun run;
    std::string out, err;
    bool outFree = false, errFree = false;
    int status = 0;
  } block;
  auto close = [&] {
    const std::string where = GetParam() + ": " + block.kind + " " + block.path;
    if (block.kind == "$") {
      EXPECT_EQ(block.run.exitStatus, block.status) << where << "\n" << block.run.err;
      EXPECT_TRUE(block.outFree || block.run.out == block.out) << where << "\n" << block.run.out;
      EXPECT_TRUE(block.errFree || block.run.err == block.err) << where << "\n" << block.run.err;
    } else if (block.kind == "file") {
      std::string bytes;
      for (const std::string& line : block.body) bytes += line + "\r\n";
      EXPECT_EQ(testing::readBytes(block.path), bytes) << where;
    } else if (block.kind == "text") {
      std::string bytes;
      for (const std::string& line : block.body) bytes += line + "\r\n";
      testing::writeBytes(block.path, bytes);
    } else if (block.kind == "report") {
      std::vector<std::vector<std::string>> fields;
      for (const std::string& line : block.body) fields.push_back(split(line, '\t', false));
      testing::writeBytes(block.path, testing::reportText(fields));
    }
    block = Block{};
  };
  for (const std::string& line : lines) {
    const std::size_t space = line.find(' ');
    const std::string kind = line.substr(0, space);
    const std::string rest = space == std::string::npos ? "" : replaced(line.substr(space + 1), words);
    if (kind == ">" || kind == "!") {
      (kind == ">" ? block.out : block.err) += rest + "\n";
    } else if (kind == ">~" || kind == "!~") {
      const std::string& text = kind == ">~" ? block.run.out : block.run.err;
      EXPECT_NE(text.find(replaced(rest, {{"\\n", "\n"}})), std::string::npos)
          << GetParam() << ": " << rest << "\n" << text;
      EXPECT_NE(text, "") << GetParam() << ": " << rest;
      (kind == ">~" ? block.outFree : block.errFree) = true;
    } else if (kind == "?") {
      block.status = std::stoi(rest);
    } else if (kind == "|") {
      block.body.push_back(rest);
    } else {
      close();
      if (kind.empty() || kind[0] == '#' || kind == "windows") continue;
      block.kind = kind;
      if (kind == "each") {
        each = split(rest, ' ', true);
      } else if (kind == "$") {
        std::vector<std::string> arguments = each;
        for (const std::string& argument : split(rest, ' ', true)) arguments.push_back(argument);
        block.run = testing::runPpexport(arguments);
        block.path = rest;
      } else if (kind == "write") {
        const std::size_t end = rest.find(' ');
        testing::writeBytes(rest.substr(0, end), end == std::string::npos ? "" : rest.substr(end + 1));
      } else if (kind == "nofile") {
        EXPECT_FALSE(fs::exists(rest)) << GetParam() << ": " << rest;
      } else if (const std::size_t tilde = rest.find(" ~ "); kind == "file" && tilde != std::string::npos) {
        EXPECT_NE(testing::readBytes(rest.substr(0, tilde)).find(rest.substr(tilde + 3)),
                  std::string::npos) << GetParam() << ": " << rest;
      } else {
        ASSERT_TRUE(kind == "file" || kind == "report" || kind == "text")
            << GetParam() << ": " << line;
        block.path = rest;
      }
    }
  }
  close();
}

INSTANTIATE_TEST_SUITE_P(Cli, Transcript, ::testing::ValuesIn(transcriptNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return info.param;
                         });

}  // namespace
}  // namespace ppexport
