#pragma once
// SHA-256 of a bank file's bytes, so that a recorded file can later be recognised byte for byte.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ppexport {

class Sha256 {
 public:
  // portableOnly leaves the processor's SHA instructions unused, so tests can compare both ways.
  explicit Sha256(bool portableOnly = false);
  void update(std::string_view bytes);
  // The digest as 64 lower-case hexadecimal digits. The object is spent afterwards.
  std::string finishHex();

 private:
  void compress(const unsigned char* blocks, std::size_t count);
  std::array<std::uint32_t, 8> state_;
  std::array<unsigned char, 64> buffer_{};
  std::size_t buffered_ = 0;
  std::uint64_t length_ = 0;
  bool portableOnly_;
};

// The digest of bytes as 64 lower-case hexadecimal digits.
std::string sha256Hex(std::string_view bytes);

}  // namespace ppexport
