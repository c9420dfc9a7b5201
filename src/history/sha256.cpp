#include "history/sha256.h"

#include <cstring>

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <cpuid.h>
#include <immintrin.h>
#define PPEXPORT_SHA_INSTRUCTIONS 1
#endif

namespace ppexport {

namespace {

constexpr std::array<std::uint32_t, 8> initialState = {0x6a09e667, 0xbb67ae85, 0x3c6ef372,
                                                        0xa54ff53a, 0x510e527f, 0x9b05688c,
                                                        0x1f83d9ab, 0x5be0cd19};

alignas(16) constexpr std::uint32_t roundConstants[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4,
    0xab1c5ed5, 0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe,
    0x9bdc06a7, 0xc19bf174, 0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f,
    0x4a7484aa, 0x5cb0a9dc, 0x76f988da, 0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7,
    0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967, 0x27b70a85, 0x2e1b2138, 0x4d2c6dfc,
    0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85, 0xa2bfe8a1, 0xa81a664b,
    0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070, 0x19a4c116,
    0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7,
    0xc67178f2};

constexpr std::uint32_t rotateRight(std::uint32_t value, int bits) {
  return (value >> bits) | (value << (32 - bits));
}

void compressPortable(std::array<std::uint32_t, 8>& state, const unsigned char* blocks,
                      std::size_t count) {
  for (; count > 0; --count, blocks += 64) {
    std::uint32_t w[64];
    for (int i = 0; i < 16; ++i) {
      w[i] = (std::uint32_t{blocks[4 * i]} << 24) | (std::uint32_t{blocks[4 * i + 1]} << 16) |
             (std::uint32_t{blocks[4 * i + 2]} << 8) | std::uint32_t{blocks[4 * i + 3]};
    }
    for (int i = 16; i < 64; ++i) {
      const std::uint32_t s0 =
          rotateRight(w[i - 15], 7) ^ rotateRight(w[i - 15], 18) ^ (w[i - 15] >> 3);
      const std::uint32_t s1 =
          rotateRight(w[i - 2], 17) ^ rotateRight(w[i - 2], 19) ^ (w[i - 2] >> 10);
      w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    std::uint32_t e = state[4], f = state[5], g = state[6], h = state[7];
    for (int i = 0; i < 64; ++i) {
      const std::uint32_t t1 = h + (rotateRight(e, 6) ^ rotateRight(e, 11) ^ rotateRight(e, 25)) +
                               ((e & f) ^ (~e & g)) + roundConstants[i] + w[i];
      const std::uint32_t t2 = (rotateRight(a, 2) ^ rotateRight(a, 13) ^ rotateRight(a, 22)) +
                               ((a & b) ^ (a & c) ^ (b & c));
      h = g;
      g = f;
      f = e;
      e = d + t1;
      d = c;
      c = b;
      b = a;
      a = t1 + t2;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
    state[4] += e;
    state[5] += f;
    state[6] += g;
    state[7] += h;
  }
}

#ifdef PPEXPORT_SHA_INSTRUCTIONS
// The processor's SHA extensions do two rounds per instruction, several times faster than the
// portable rounds, which matters for files of many thousand checks.
bool processorHasShaInstructions() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__get_cpuid(1, &a, &b, &c, &d)) return false;
  const bool ssse3 = (c & (1u << 9)) != 0;
  const bool sse41 = (c & (1u << 19)) != 0;
  if (!__get_cpuid_count(7, 0, &a, &b, &c, &d)) return false;
  return ssse3 && sse41 && (b & (1u << 29)) != 0;
}

__attribute__((target("sha,sse4.1,ssse3"))) void compressWithInstructions(
    std::array<std::uint32_t, 8>& state, const unsigned char* blocks, std::size_t count) {
  const __m128i byteOrder = _mm_set_epi64x(0x0c0d0e0f08090a0bULL, 0x0405060700010203ULL);
  // The instructions keep the state as the word pairs ABEF and CDGH.
  __m128i swapped = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<__m128i*>(&state[0])), 0xB1);
  __m128i state1 = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<__m128i*>(&state[4])), 0x1B);
  __m128i state0 = _mm_alignr_epi8(swapped, state1, 8);
  state1 = _mm_blend_epi16(state1, swapped, 0xF0);

  for (; count > 0; --count, blocks += 64) {
    const __m128i savedAbef = state0;
    const __m128i savedCdgh = state1;
    __m128i message[4];
    for (int i = 0; i < 4; ++i) {
      message[i] = _mm_shuffle_epi8(
          _mm_loadu_si128(reinterpret_cast<const __m128i*>(blocks + 16 * i)), byteOrder);
    }
    for (int i = 0; i < 16; ++i) {
      __m128i words = _mm_add_epi32(
          message[i & 3], _mm_load_si128(reinterpret_cast<const __m128i*>(&roundConstants[4 * i])));
      state1 = _mm_sha256rnds2_epu32(state1, state0, words);
      if (i >= 3 && i < 15) {
        __m128i& next = message[(i + 1) & 3];
        next = _mm_add_epi32(next, _mm_alignr_epi8(message[i & 3], message[(i - 1) & 3], 4));
        next = _mm_sha256msg2_epu32(next, message[i & 3]);
      }
      words = _mm_shuffle_epi32(words, 0x0E);
      state0 = _mm_sha256rnds2_epu32(state0, state1, words);
      if (i >= 1 && i < 13) {
        message[(i - 1) & 3] = _mm_sha256msg1_epu32(message[(i - 1) & 3], message[i & 3]);
      }
    }
    state0 = _mm_add_epi32(state0, savedAbef);
    state1 = _mm_add_epi32(state1, savedCdgh);
  }

  swapped = _mm_shuffle_epi32(state0, 0x1B);
  state1 = _mm_shuffle_epi32(state1, 0xB1);
  state0 = _mm_blend_epi16(swapped, state1, 0xF0);
  state1 = _mm_alignr_epi8(state1, swapped, 8);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(&state[0]), state0);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(&state[4]), state1);
}
#endif

bool usesInstructions() {
#ifdef PPEXPORT_SHA_INSTRUCTIONS
  static const bool available = processorHasShaInstructions();
  return available;
#else
  return false;
#endif
}

}  // namespace

Sha256::Sha256(bool portableOnly)
    : state_(initialState), portableOnly_(portableOnly || !usesInstructions()) {}

void Sha256::compress(const unsigned char* blocks, std::size_t count) {
#ifdef PPEXPORT_SHA_INSTRUCTIONS
  if (!portableOnly_) {
    compressWithInstructions(state_, blocks, count);
    return;
  }
#endif
  compressPortable(state_, blocks, count);
}

void Sha256::update(std::string_view bytes) {
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  std::size_t size = bytes.size();
  length_ += size;
  if (buffered_ > 0) {
    const std::size_t taken = std::min(size, buffer_.size() - buffered_);
    std::memcpy(buffer_.data() + buffered_, data, taken);
    buffered_ += taken;
    data += taken;
    size -= taken;
    if (buffered_ < buffer_.size()) return;
    compress(buffer_.data(), 1);
    buffered_ = 0;
  }
  compress(data, size / 64);
  data += size / 64 * 64;
  size %= 64;
  std::memcpy(buffer_.data(), data, size);
  buffered_ = size;
}

std::string Sha256::finishHex() {
  const std::uint64_t bits = length_ * 8;
  unsigned char padding[72] = {0x80};
  const std::size_t padded = (buffered_ < 56 ? 56 : 120) - buffered_;
  for (int i = 0; i < 8; ++i) padding[padded + i] = static_cast<unsigned char>(bits >> (56 - 8 * i));
  update(std::string_view(reinterpret_cast<const char*>(padding), padded + 8));
  static constexpr char digits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(64);
  for (std::uint32_t word : state_) {
    for (int shift = 28; shift >= 0; shift -= 4) hex += digits[(word >> shift) & 0xF];
  }
  return hex;
}

std::string sha256Hex(std::string_view bytes) {
  Sha256 digest;
  digest.update(bytes);
  return digest.finishHex();
}

}  // namespace ppexport
