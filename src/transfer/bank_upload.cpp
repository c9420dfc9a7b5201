#include "transfer/bank_upload.h"

#include <charconv>
#include <filesystem>
#include <random>
#include <sstream>

#include "formats/output_file.h"
#include "history/history_folder.h"
#include "history/sent_to_bank.h"
#include "settings/environment.h"
#include "text/file_names.h"
#include "text/windows1252.h"

namespace ppexport {

namespace {

namespace fs = std::filesystem;

// A folder of its own in the system's temporary folder for the known-hosts file, the batch file
// and the copy that goes up, removed with them when the sending ends.
class WorkFolder {
 public:
  WorkFolder() {
    std::error_code error;
    const fs::path temporary = fs::temp_directory_path(error);
    if (error) return;
    std::random_device random;
    for (int attempt = 0; attempt < 20 && path_.empty(); ++attempt) {
      const fs::path candidate = temporary / ("ppexport-send-" + std::to_string(random()));
      if (fs::create_directory(candidate, error)) path_ = candidate;
    }
  }
  ~WorkFolder() {
    std::error_code error;
    if (!path_.empty()) fs::remove_all(path_, error);
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;
  bool made() const { return !path_.empty(); }
  std::string file(const std::string& name) const { return fileName(path_ / filePath(name)); }
  // Writes a file of the folder; "" when done, else why not.
  std::string write(const std::string& name, std::string_view bytes) const {
    OutputFile file(this->file(name));
    file.writeBytes(bytes);
    return file.commit() ? std::string() : file.failure();
  }

 private:
  fs::path path_;
};

// A path in an sftp batch command: quoted, with quotes, backslashes and the wildcard characters
// that sftp would expand escaped.
std::string batchPath(std::string path) {
#ifdef _WIN32
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
#endif
  std::string quoted = "\"";
  for (const char c : path) {
    if (c == '"' || c == '\\' || c == '*' || c == '?' || c == '[' || c == ']') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

// A file name in an ssh option's value, which ssh splits at spaces and expands at "%".
std::string optionPath(std::string path) {
  std::string escaped;
  for (char c : path) {
#ifdef _WIN32
    if (c == '\\') c = '/';
#endif
    if (c == '%') escaped += '%';
    if (c == '"') escaped += '\\';
    escaped += c;
  }
  return escaped.find_first_of(" \"") == std::string::npos ? escaped : "\"" + escaped + "\"";
}

// The host key algorithms that can show the pinned key, so that the server is asked for it.
std::string hostKeyAlgorithms(const std::string& key) {
  const std::string type = key.substr(0, key.find(' '));
  if (type == "ssh-rsa") return "rsa-sha2-512,rsa-sha2-256,ssh-rsa";
  return type;
}

bool says(const std::string& output, std::string_view text) {
  return output.find(text) != std::string::npos;
}

// The lines sftp and ssh wrote, without the commands sftp echoes.
std::string reportedLines(const std::string& output) {
  std::istringstream lines(output);
  std::string line;
  std::string reported;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.rfind("sftp> ", 0) == 0 || line.rfind("@@@", 0) == 0) continue;
    if (!reported.empty()) reported += "\r\n";
    reported += line;
  }
  return utf8ToWindows1252(reported);
}

// The size the "ls -ln" of the batch shows for the file: its fifth field.
std::optional<std::uintmax_t> listedSize(const std::string& output) {
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.size() < 10 || line[0] != '-') continue;
    std::istringstream fields(line);
    std::string field;
    for (int i = 0; i < 5 && fields >> field; ++i) {
    }
    std::uintmax_t size = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), size);
    if (error == std::errc() && end == field.data() + field.size()) return size;
  }
  return std::nullopt;
}

enum class Failure { None, HostKey, KeyRefused, Unreachable, TimedOut, NoFolder, Other };

Failure failureOf(const ProgramRun& run) {
  const std::string& out = run.output;
  if (run.timedOut || says(out, "timed out") || says(out, "Connection timed out")) {
    return Failure::TimedOut;
  }
  if (says(out, "Host key verification failed") || says(out, "HOST IDENTIFICATION HAS CHANGED") ||
      says(out, "host key is known for")) {
    return Failure::HostKey;
  }
  if (says(out, "Permission denied")) return Failure::KeyRefused;
  if (says(out, "Connection refused") || says(out, "Could not resolve hostname") ||
      says(out, "No route to host") || says(out, "Network is unreachable") ||
      says(out, "Connection closed by") || says(out, "Connection reset")) {
    return Failure::Unreachable;
  }
  if (says(out, "stat remote") || says(out, "Can't change directory") ||
      says(out, "is not a directory")) {
    return Failure::NoFolder;
  }
  return run.exitCode == 0 ? Failure::None : Failure::Other;
}

std::string nothingSent(const std::string& reason) { return reason + "\r\n\r\nNothing was sent."; }

}  // namespace

std::string remoteFileName(const std::string& output) {
  const std::size_t slash = output.find_last_of("/\\");
  return slash == std::string::npos ? output : output.substr(slash + 1);
}

std::vector<std::string> sftpArguments(const BankConnection& connection,
                                       const std::string& batchFile,
                                       const std::string& knownHostsFile,
                                       std::chrono::seconds connectTimeout) {
  std::vector<std::string> arguments = {opensshProgram("sftp"), "-b", batchFile, "-P",
                                        std::to_string(connection.port)};
  if (!connection.keyFile.empty()) {
    // Only the key file named: not one of the user's other keys that the server might refuse
    // first, nor the agent's.
    arguments.insert(arguments.end(), {"-i", connection.keyFile, "-o", "IdentitiesOnly=yes"});
  }
  for (const std::string& option : std::vector<std::string>{
           "BatchMode=yes", "StrictHostKeyChecking=yes",
        "UserKnownHostsFile=" + optionPath(knownHostsFile),
        "GlobalKnownHostsFile=" + optionPath(knownHostsFile),
        "HostKeyAlgorithms=" + hostKeyAlgorithms(connection.hostKey),
        "ConnectTimeout=" + std::to_string(connectTimeout.count()), "ServerAliveInterval=15",
        "ServerAliveCountMax=2", "LogLevel=ERROR"}) {
    arguments.insert(arguments.end(), {"-o", option});
  }
  const bool bracketed = connection.host.find(':') != std::string::npos;
  arguments.push_back(connection.user + "@" +
                      (bracketed ? "[" + connection.host + "]" : connection.host));
  return arguments;
}

std::string sentText(const HistoryEntry& entry) {
  if (entry.sent.empty()) return "not sent";
  const SentToBank& last = entry.sent.back();
  if (last.host.empty()) return last.result;
  std::string time = isoDateTime(last.time).substr(0, 16);
  time[10] = ' ';
  return "sent " + time + " to " + last.host + ":" + last.remotePath;
}

BankUpload sendToBank(const std::string& folder, const HistoryEntry& entry,
                      const BankConnection& connection, Programs& programs, const DateTime& now,
                      const BankUploadOptions& options) {
  BankUpload upload;
  const std::string name = remoteFileName(entry.output);
  const std::string shownName = utf8ToWindows1252(name);
  const std::string server = knownHostName(connection);
  if (!entry.sent.empty() && !options.again) {
    upload.outcome = BankUploadOutcome::AlreadySent;
    upload.message = shownName + " (history entry " + entry.id + ") was " +
                     utf8ToWindows1252(sentText(entry)) + " already.";
    return upload;
  }
  std::string problem;
  const std::optional<std::string> bytes = readRecordedBytes(folder, entry, problem);
  if (!bytes) {
    upload.message = nothingSent("The file cannot be sent: " + utf8ToWindows1252(problem) + ".");
    return upload;
  }
  const WorkFolder work;
  if (!work.made()) {
    upload.message = nothingSent("No temporary folder could be made for the sending.");
    return upload;
  }
  const std::string temporaryName = "." + name + ".part";
  const std::string remoteFolder = connection.folder.empty() ? "" : connection.folder;
  std::string batch;
  if (!remoteFolder.empty()) batch += "cd " + batchPath(remoteFolder) + "\n";
  batch += "put " + batchPath(work.file("upload")) + " " + batchPath(temporaryName) + "\n";
  batch += "rename " + batchPath(temporaryName) + " " + batchPath(name) + "\n";
  batch += "ls -ln " + batchPath(name) + "\n";
  const std::string knownHosts = knownHostName(connection) + " " + connection.hostKey + "\n";
  for (const auto& [file, content] : {std::pair<const char*, std::string_view>{"upload", *bytes},
                                      {"known_hosts", knownHosts},
                                      {"batch", batch}}) {
    const std::string failure = work.write(file, content);
    if (!failure.empty()) {
      upload.message = nothingSent("The file cannot be prepared for sending: " + failure);
      return upload;
    }
  }
  const std::vector<std::string> command = sftpArguments(
      connection, work.file("batch"), work.file("known_hosts"), options.connectTimeout);
  const ProgramRun run = programs.run(command, options.timeLimit);
  if (!run.started) {
    upload.message = nothingSent("The OpenSSH client (sftp) could not be started: " +
                                 utf8ToWindows1252(run.failure) + ".");
    return upload;
  }
  const std::string remotePath =
      (remoteFolder.empty() || remoteFolder == "/" ? remoteFolder : remoteFolder + "/") + name;
  const std::optional<std::uintmax_t> size = listedSize(run.output);
  const Failure failure = failureOf(run);
  if (failure == Failure::None && size == bytes->size()) {
    upload.outcome = BankUploadOutcome::Sent;
    upload.sent = SentToBank{now, connection.host, remotePath,
                             "sent, " + std::to_string(*size) + " bytes on the server"};
    BankConnection target = connection;
    target.folder = remotePath;
    upload.message = "Sent " + shownName + " to the bank: " +
                     utf8ToWindows1252(sftpAddress(target)) + ", " + std::to_string(*size) +
                     " bytes on the server.";
    upload.notRecorded = recordSentToBank(folder, entry.id, upload.sent);
    if (!upload.notRecorded.empty()) {
      upload.message += "\r\n\r\nWarning: the sending was not recorded in the history: " +
                        utf8ToWindows1252(upload.notRecorded);
    }
    return upload;
  }
  const std::string reported = reportedLines(run.output);
  switch (failure) {
    case Failure::HostKey:
      upload.message = nothingSent(
          "The bank's server " + server + " did not show the host key saved for it (" +
          connection.hostKeyFingerprint +
          "). If the bank has changed its key, set up the bank connection again and compare the "
          "new fingerprint with the one the bank gives you.");
      return upload;
    case Failure::KeyRefused:
      upload.message = nothingSent(
          "The bank's server " + server + " refused the key of user " + connection.user +
          (connection.keyFile.empty() ? std::string(" (the ssh agent's keys).")
                                      : " (key file " + utf8ToWindows1252(connection.keyFile) +
                                            ")."));
      return upload;
    case Failure::Unreachable:
      upload.message =
          nothingSent("The bank's server " + server + " could not be reached:\r\n" + reported);
      return upload;
    case Failure::TimedOut:
      upload.message = nothingSent("The bank's server " + server + " did not answer within " +
                                   std::to_string((run.timedOut ? options.timeLimit
                                                                : options.connectTimeout)
                                                      .count()) +
                                   " seconds.");
      return upload;
    case Failure::NoFolder:
      upload.message = nothingSent("The folder " + utf8ToWindows1252(remoteFolder) +
                                   " does not exist on the bank's server " + server + ".");
      return upload;
    default:
      break;
  }
  // Connected, but the file did not arrive whole: what may have reached the server is removed,
  // so that the bank never takes a part of it.
  std::string cleanup;
  if (!remoteFolder.empty()) cleanup += "cd " + batchPath(remoteFolder) + "\n";
  cleanup += "-rm " + batchPath(temporaryName) + "\n";
  if (failure == Failure::None) cleanup += "-rm " + batchPath(name) + "\n";
  if (work.write("batch", cleanup).empty()) programs.run(command, options.timeLimit);
  if (failure == Failure::None) {
    upload.message = nothingSent(
        "The bank's server " + server + " showed " +
        (size ? std::to_string(*size) + " bytes" : std::string("no size")) + " for " +
        shownName + ", not " + std::to_string(bytes->size()) + "; it was removed again.");
    return upload;
  }
  upload.message =
      nothingSent("Sending " + shownName + " to the bank's server " + server + " failed:\r\n" +
                  reported);
  return upload;
}

}  // namespace ppexport
