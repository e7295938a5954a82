// The block function SHA1_Transform is what makes the key derivation fast;
// OpenSSL 3 keeps it, marked as old API.
#define OPENSSL_API_COMPAT 10101

#include "platform/archive/hmac_sha1.h"

#include <algorithm>
#include <cstring>

namespace vlrna {
namespace {

constexpr size_t kBlockBytes = 64;

void StartPadded(SHA_CTX& context, const unsigned char* key, size_t key_size, unsigned char pad) {
  unsigned char block[kBlockBytes];
  for (size_t i = 0; i < kBlockBytes; ++i) {
    block[i] = static_cast<unsigned char>((i < key_size ? key[i] : 0) ^ pad);
  }
  SHA1_Init(&context);
  SHA1_Update(&context, block, kBlockBytes);
}

void PutBig32(unsigned char* p, uint32_t value) {
  p[0] = static_cast<unsigned char>(value >> 24);
  p[1] = static_cast<unsigned char>(value >> 16);
  p[2] = static_cast<unsigned char>(value >> 8);
  p[3] = static_cast<unsigned char>(value);
}

// The hash words of a context that has just taken whole blocks.
void PutState(unsigned char* p, const SHA_CTX& context) {
  for (uint32_t word : {context.h0, context.h1, context.h2, context.h3, context.h4}) {
    PutBig32(p, word);
    p += 4;
  }
}

}  // namespace

HmacSha1::HmacSha1(std::string_view key) {
  unsigned char hashed[kSha1Bytes];
  const auto* bytes = reinterpret_cast<const unsigned char*>(key.data());
  size_t size = key.size();
  if (size > kBlockBytes) {
    SHA1(bytes, size, hashed);
    bytes = hashed;
    size = kSha1Bytes;
  }
  StartPadded(inner_, bytes, size, 0x36);
  StartPadded(outer_, bytes, size, 0x5c);
}

void HmacSha1::Update(const unsigned char* data, size_t size) { SHA1_Update(&inner_, data, size); }

void HmacSha1::Finish(unsigned char (&code)[kSha1Bytes]) {
  unsigned char inner[kSha1Bytes];
  SHA1_Final(inner, &inner_);
  SHA1_Update(&outer_, inner, kSha1Bytes);
  SHA1_Final(code, &outer_);
}

void Pbkdf2HmacSha1(std::string_view password, const unsigned char* salt, size_t salt_size,
                    unsigned iterations, unsigned char* out, size_t size) {
  HmacSha1 keyed(password);
  // A 20-byte message after the 64-byte pad, padded to one block: the
  // message, 0x80, zeros, and the length in bits (84 * 8).
  unsigned char block[kBlockBytes] = {};
  block[kSha1Bytes] = 0x80;
  block[kBlockBytes - 2] = (kBlockBytes + kSha1Bytes) * 8 >> 8;
  block[kBlockBytes - 1] = static_cast<unsigned char>((kBlockBytes + kSha1Bytes) * 8);
  for (uint32_t number = 1; size > 0; ++number) {
    HmacSha1 first = keyed;
    first.Update(salt, salt_size);
    unsigned char index[4];
    PutBig32(index, number);
    first.Update(index, sizeof index);
    unsigned char sum[kSha1Bytes];
    first.Finish(sum);
    std::memcpy(block, sum, kSha1Bytes);
    for (unsigned round = 1; round < iterations; ++round) {
      SHA_CTX context = keyed.inner_;
      SHA1_Transform(&context, block);
      PutState(block, context);
      context = keyed.outer_;
      SHA1_Transform(&context, block);
      PutState(block, context);
      for (size_t i = 0; i < kSha1Bytes; ++i) sum[i] ^= block[i];
    }
    size_t take = std::min(size, kSha1Bytes);
    std::memcpy(out, sum, take);
    out += take;
    size -= take;
  }
}

}  // namespace vlrna
