#pragma once
// Sending a recorded bank file to the bank's SFTP server with the system's OpenSSH sftp in batch
// mode: the bytes the history holds (checked against their SHA-256) go up under a temporary name
// and are renamed to the file's own name only when whole, and the size the server then shows is
// compared with theirs. The server must show the pinned host key; nothing else is trusted. Only
// a confirmed sending is recorded in the history.

#include <chrono>
#include <string>
#include <vector>

#include "history/history_entry.h"
#include "transfer/bank_connection.h"
#include "transfer/programs.h"

namespace ppexport {

struct BankUploadOptions {
  bool again = false;  // send a file that was sent before
  std::chrono::seconds connectTimeout{15};   // for the server to answer at all
  std::chrono::seconds timeLimit{300};       // for the whole sending
};

enum class BankUploadOutcome {
  Sent,
  AlreadySent,  // refused: the file was sent before and again was not asked
  Failed,       // nothing was sent (or what reached the server was removed again)
};

struct BankUpload {
  BankUploadOutcome outcome = BankUploadOutcome::Failed;
  std::string message;            // Windows-1252, lines separated by CR LF
  SentToBank sent;                // what was recorded (Sent)
  std::string notRecorded;        // why a confirmed sending could not be recorded; "" when it was
};

// Sends entry's file from the history in folder over connection; now is the clock reading to
// record.
BankUpload sendToBank(const std::string& folder, const HistoryEntry& entry,
                      const BankConnection& connection, Programs& programs, const DateTime& now,
                      const BankUploadOptions& options = {});

// The sftp command that runs batchFile against connection, trusting only the host key in
// knownHostsFile.
std::vector<std::string> sftpArguments(const BankConnection& connection,
                                       const std::string& batchFile,
                                       const std::string& knownHostsFile,
                                       std::chrono::seconds connectTimeout);

// The name the file has on the server: its own name, after the last "/" or "\".
std::string remoteFileName(const std::string& output);

// "2026-12-07 15:00 to host:/incoming/pp.txt", for the lists; "not sent" when never sent.
std::string sentText(const HistoryEntry& entry);

}  // namespace ppexport
