#include "support/sftp_server.h"

#ifndef _WIN32
#include <arpa/inet.h>
#include <fcntl.h>
#include <pwd.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "text/file_names.h"
#include "transfer/programs.h"

extern char** environ;
#endif

namespace ppexport::testing {

#ifdef _WIN32
SftpServer::SftpServer() { skipReason_ = "the test SFTP server runs only where sshd is a program"; }
SftpServer::~SftpServer() = default;
std::string SftpServer::incoming(const std::string& name) const { return folder.file(name); }
std::string SftpServer::otherHostKey() const { return {}; }
std::string SftpServer::otherUserKeyFile() const { return {}; }
int SftpServer::closedPort() { return 9; }
int SftpServer::silentPort() { return 9; }
std::string SftpServer::makeKey(const std::string&) const { return {}; }
#else

namespace {
constexpr const char* sshd = "/usr/sbin/sshd";

// A port the system just gave out and took back: free for the next moment.
int freePort(bool keepListening, int* socketOut = nullptr) {
  const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
  if (keepListening && socketOut != nullptr) {
    ::listen(listener, 1);
    *socketOut = listener;
  } else {
    ::close(listener);
  }
  return ntohs(address.sin_port);
}

bool answers(int port) {
  const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  const bool connected = ::connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(probe);
  return connected;
}
}  // namespace

std::string SftpServer::makeKey(const std::string& name) const {
  SystemPrograms programs;
  const std::string file = folder.file(name);
  programs.run({"ssh-keygen", "-q", "-t", "ed25519", "-N", "", "-f", file},
               std::chrono::seconds(20));
  return file;
}

SftpServer::SftpServer() {
  if (::access(sshd, X_OK) != 0) {
    skipReason_ = "OpenSSH's sshd (Debian package openssh-server) is not installed";
    return;
  }
  // sshd run by root wants its privilege separation folder, which the system's own service
  // would make at boot.
  if (::geteuid() == 0) ::mkdir("/run/sshd", 0755);
  const std::string hostKey = makeKey("host_key");
  const std::string userKey = makeKey("user_key");
  std::filesystem::create_directory(folder.path() / "incoming");
  const int port = freePort(false);
  const std::string config = folder.file("sshd_config");
  {
    std::string text = "HostKey " + hostKey + "\nAuthorizedKeysFile " + userKey +
                       ".pub\nListenAddress 127.0.0.1\nStrictModes no\nUsePAM no\n"
                       "PasswordAuthentication no\nKbdInteractiveAuthentication no\n"
                       "PidFile none\nSubsystem sftp internal-sftp\n";
    writeBytes(config, text);
  }
  const std::string portText = std::to_string(port);
  std::vector<std::string> words = {sshd, "-D", "-e", "-f", config, "-p", portText};
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  const std::string log = folder.file("sshd.log");
  posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, sshd, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    skipReason_ = "sshd could not be started";
    return;
  }
  pid_ = child;
  for (int i = 0; i < 100 && !answers(port); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  const std::string publicKey = readBytes(hostKey + ".pub");
  const passwd* user = ::getpwuid(::geteuid());
  connection_.user = user != nullptr ? user->pw_name : "root";
  connection_.host = "127.0.0.1";
  connection_.port = port;
  connection_.folder = fileName(folder.path() / "incoming");
  connection_.keyFile = userKey;
  connection_.hostKey = publicKey.substr(0, publicKey.find(' ', publicKey.find(' ') + 1));
  connection_.hostKeyFingerprint = hostKeyFingerprint(connection_.hostKey);
}

SftpServer::~SftpServer() {
  if (silentSocket_ >= 0) ::close(silentSocket_);
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  int status = 0;
  ::waitpid(pid_, &status, 0);
}

std::string SftpServer::incoming(const std::string& name) const {
  return fileName(folder.path() / "incoming" / filePath(name));
}

std::string SftpServer::otherHostKey() const {
  const std::string publicKey = readBytes(makeKey("other_host_key") + ".pub");
  return publicKey.substr(0, publicKey.find(' ', publicKey.find(' ') + 1));
}

std::string SftpServer::otherUserKeyFile() const { return makeKey("other_user_key"); }

int SftpServer::closedPort() { return freePort(false); }

int SftpServer::silentPort() {
  if (silentSocket_ >= 0) ::close(silentSocket_);
  return freePort(true, &silentSocket_);
}

#endif

}  // namespace ppexport::testing
