#include "platform/archive/winzip_aes_cipher.h"

#include <algorithm>
#include <cstring>

namespace vlrna {
namespace {

constexpr unsigned kRounds = 1000;
constexpr size_t kAesBlock = 16;

}  // namespace

std::optional<size_t> WinZipAesCipher::SaltBytes(unsigned strength) {
  if (strength < 1 || strength > 3) return std::nullopt;
  return 4 + 4 * strength;
}

WinZipAesCipher::Start WinZipAesCipher::Begin(std::string_view password, unsigned strength,
                                              const unsigned char* salt,
                                              const unsigned char (&verifier)[kVerifierBytes]) {
  size_t key_bytes = 8 + 8 * strength;
  // The AES key, the HMAC key, then the password verifier.
  unsigned char keys[2 * 32 + kVerifierBytes];
  size_t key_material = 2 * key_bytes + kVerifierBytes;
  if (!Pbkdf2HmacSha1(password, salt, *SaltBytes(strength), kRounds, keys, key_material)) {
    return kNoCipher;
  }
  Start result = kWrongPassword;
  if (SameSecretBytes(keys + 2 * key_bytes, verifier, kVerifierBytes)) {
    bool ready = aes_.SetKey(keys, key_bytes);
    mac_.emplace(std::string_view(reinterpret_cast<const char*>(keys + key_bytes), key_bytes));
    result = ready && mac_->ready() ? kReady : kNoCipher;
  }
  WipeSecret(keys, sizeof keys);
  return result;
}

// Encrypts the next run of counter blocks into the key stream.
void WinZipAesCipher::NextKeyStream() {
  unsigned char counters[sizeof stream_];
  for (size_t at = 0; at < sizeof counters; at += kAesBlock) {
    uint64_t value = ++counter_;
    for (size_t i = 0; i < 8; ++i) counters[at + i] = static_cast<unsigned char>(value >> (8 * i));
    std::memset(counters + at + 8, 0, kAesBlock - 8);
  }
  // Begin has checked that the key is set; should the block function still
  // fail, the entry must not pass as authentic with its data undecrypted.
  if (!aes_.Encrypt(counters, stream_, sizeof counters)) broken_ = true;
  stream_used_ = 0;
}

void WinZipAesCipher::Decrypt(unsigned char* data, size_t size) {
  mac_->Update(data, size);
  while (size > 0) {
    if (stream_used_ == sizeof stream_) NextKeyStream();
    size_t take = std::min(size, sizeof stream_ - stream_used_);
    const unsigned char* key = stream_ + stream_used_;
    size_t i = 0;
    for (; i + 8 <= take; i += 8) {  // a word at a time
      uint64_t word, mask;
      std::memcpy(&word, data + i, 8);
      std::memcpy(&mask, key + i, 8);
      word ^= mask;
      std::memcpy(data + i, &word, 8);
    }
    for (; i < take; ++i) data[i] ^= key[i];
    data += take;
    size -= take;
    stream_used_ += take;
  }
}

bool WinZipAesCipher::Authentic(const unsigned char (&code)[kCodeBytes]) {
  unsigned char full[kSha1Bytes];
  mac_->Finish(full);
  return !broken_ && mac_->ready() && SameSecretBytes(full, code, kCodeBytes);
}

}  // namespace vlrna
