// The block function SHA1_Transform is what makes the key derivation fast;
// OpenSSL 3 keeps it, marked as old API.
#define OPENSSL_API_COMPAT 10101

#include <openssl/evp.h>
#include <openssl/sha.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/archive/crypto.h"

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
  WipeSecret(block, sizeof block);
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

struct HmacSha1::State {
  SHA_CTX inner;  // after the key's inner pad
  SHA_CTX outer;  // after the key's outer pad
};

HmacSha1::HmacSha1(std::string_view key) : state_(std::make_unique<State>()) {
  unsigned char hashed[kSha1Bytes];
  const auto* bytes = reinterpret_cast<const unsigned char*>(key.data());
  size_t size = key.size();
  if (size > kBlockBytes) {
    SHA1(bytes, size, hashed);
    bytes = hashed;
    size = kSha1Bytes;
  }
  StartPadded(state_->inner, bytes, size, 0x36);
  StartPadded(state_->outer, bytes, size, 0x5c);
  WipeSecret(hashed, sizeof hashed);
}

HmacSha1::~HmacSha1() {
  if (state_) WipeSecret(state_.get(), sizeof(State));
}
HmacSha1::HmacSha1(HmacSha1&&) noexcept = default;
HmacSha1& HmacSha1::operator=(HmacSha1&&) noexcept = default;

bool HmacSha1::ready() const { return state_ != nullptr; }

void HmacSha1::Update(const unsigned char* data, size_t size) {
  SHA1_Update(&state_->inner, data, size);
}

void HmacSha1::Finish(unsigned char (&code)[kSha1Bytes]) {
  unsigned char inner[kSha1Bytes];
  SHA1_Final(inner, &state_->inner);
  SHA1_Update(&state_->outer, inner, kSha1Bytes);
  SHA1_Final(code, &state_->outer);
}

// The rounds work on the hash blocks directly: a round is two block
// functions, not two whole HMACs.
bool Pbkdf2HmacSha1(std::string_view password, const unsigned char* salt, size_t salt_size,
                    unsigned iterations, unsigned char* out, size_t size) {
  SHA_CTX inner, outer;
  {
    HmacSha1 keyed(password);
    inner = keyed.state_->inner;
    outer = keyed.state_->outer;
  }
  // A 20-byte message after the 64-byte pad, padded to one block: the
  // message, 0x80, zeros, and the length in bits (84 * 8).
  unsigned char block[kBlockBytes] = {};
  block[kSha1Bytes] = 0x80;
  block[kBlockBytes - 2] = (kBlockBytes + kSha1Bytes) * 8 >> 8;
  block[kBlockBytes - 1] = static_cast<unsigned char>((kBlockBytes + kSha1Bytes) * 8);
  for (uint32_t number = 1; size > 0; ++number) {
    SHA_CTX first = inner;
    SHA1_Update(&first, salt, salt_size);
    unsigned char index[4];
    PutBig32(index, number);
    SHA1_Update(&first, index, sizeof index);
    unsigned char sum[kSha1Bytes];
    SHA1_Final(sum, &first);
    SHA_CTX second = outer;
    SHA1_Update(&second, sum, kSha1Bytes);
    SHA1_Final(sum, &second);
    std::memcpy(block, sum, kSha1Bytes);
    for (unsigned round = 1; round < iterations; ++round) {
      SHA_CTX context = inner;
      SHA1_Transform(&context, block);
      PutState(block, context);
      context = outer;
      SHA1_Transform(&context, block);
      PutState(block, context);
      for (size_t i = 0; i < kSha1Bytes; ++i) sum[i] ^= block[i];
    }
    size_t take = std::min(size, kSha1Bytes);
    std::memcpy(out, sum, take);
    out += take;
    size -= take;
    WipeSecret(sum, sizeof sum);
  }
  WipeSecret(block, sizeof block);
  WipeSecret(&inner, sizeof inner);
  WipeSecret(&outer, sizeof outer);
  return true;
}

struct AesEcb::State {
  EVP_CIPHER_CTX* context = nullptr;
  bool keyed = false;
};

AesEcb::AesEcb() : state_(std::make_unique<State>()) {}

AesEcb::~AesEcb() { EVP_CIPHER_CTX_free(state_->context); }

bool AesEcb::SetKey(const unsigned char* key, size_t key_size) {
  const EVP_CIPHER* cipher = key_size == 16   ? EVP_aes_128_ecb()
                             : key_size == 24 ? EVP_aes_192_ecb()
                             : key_size == 32 ? EVP_aes_256_ecb()
                                              : nullptr;
  state_->keyed = false;
  if (cipher == nullptr) return false;
  if (state_->context == nullptr) state_->context = EVP_CIPHER_CTX_new();
  if (state_->context == nullptr ||
      EVP_EncryptInit_ex(state_->context, cipher, nullptr, key, nullptr) != 1) {
    return false;
  }
  EVP_CIPHER_CTX_set_padding(state_->context, 0);
  state_->keyed = true;
  return true;
}

bool AesEcb::Encrypt(const unsigned char* in, unsigned char* out, size_t size) {
  if (!state_->keyed || size % kBlockBytes != 0) return false;
  int written = 0;
  return EVP_EncryptUpdate(state_->context, out, &written, in, static_cast<int>(size)) == 1 &&
         static_cast<size_t>(written) == size;
}

}  // namespace vlrna
