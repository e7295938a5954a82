#include "platform/archive/hmac_sha1.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <string>
#include <vector>

namespace vlrna {
namespace {

std::string Hex(const unsigned char* bytes, size_t size) {
  static const char kDigits[] = "0123456789abcdef";
  std::string text;
  for (size_t i = 0; i < size; ++i) {
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 15];
  }
  return text;
}

std::string Derive(std::string_view password, std::string_view salt, unsigned rounds, size_t size) {
  std::vector<unsigned char> out(size);
  Pbkdf2HmacSha1(password, reinterpret_cast<const unsigned char*>(salt.data()), salt.size(), rounds,
                 out.data(), size);
  return Hex(out.data(), size);
}

TEST(HmacSha1Test, MatchesTheStandardVectorsWhateverTheBlocks) {
  unsigned char code[kSha1Bytes];
  HmacSha1 whole("Jefe");
  std::string text = "what do ya want for nothing?";
  whole.Update(reinterpret_cast<const unsigned char*>(text.data()), text.size());
  whole.Finish(code);
  EXPECT_EQ(Hex(code, kSha1Bytes), "effcdf6ae5eb2fa2d27416d5f184df9c259a7c79");

  HmacSha1 pieces("Jefe");
  for (char c : text) pieces.Update(reinterpret_cast<const unsigned char*>(&c), 1);
  pieces.Finish(code);
  EXPECT_EQ(Hex(code, kSha1Bytes), "effcdf6ae5eb2fa2d27416d5f184df9c259a7c79");

  // A key longer than a block is hashed first.
  HmacSha1 long_key(std::string(80, '\xaa'));
  std::string test = "Test Using Larger Than Block-Size Key - Hash Key First";
  long_key.Update(reinterpret_cast<const unsigned char*>(test.data()), test.size());
  long_key.Finish(code);
  EXPECT_EQ(Hex(code, kSha1Bytes), "aa4ae5e15272d00e95705637ce8a3b55ed402112");
}

TEST(HmacSha1Test, KeyDerivationMatchesTheStandardVectors) {
  EXPECT_EQ(Derive("password", "salt", 1, 20), "0c60c80f961f0e71f3a9b524af6012062fe037a6");
  EXPECT_EQ(Derive("password", "salt", 2, 20), "ea6c014dc72d6f8ccd1ed92ace1d41f0d8de8957");
  EXPECT_EQ(Derive("password", "salt", 4096, 20), "4b007901b765489abead49d926f721d065a429c1");
  EXPECT_EQ(Derive("passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096, 25),
            "3d2eec4fe41c849b80c8d83662c0e44a8b291a964cf2f07038");
  EXPECT_EQ(Derive(std::string_view("pass\0word", 9), std::string_view("sa\0lt", 5), 4096, 16),
            "56fa6aa75548099dcc37d7f03425e0c3");
}

TEST(HmacSha1Test, KeyDerivationMatchesOpenSslForWinZipSizes) {
  // 66 bytes: two AES-256 keys and the verifier, four hash blocks; and a
  // password longer than a hash block.
  for (std::string password : {std::string("B57A1CF7"), std::string(100, 'p')}) {
    unsigned char salt[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    unsigned char expected[66];
    ASSERT_EQ(PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()), salt,
                                sizeof salt, 1000, EVP_sha1(), sizeof expected, expected),
              1);
    std::string ours = Derive(password, std::string_view(reinterpret_cast<char*>(salt), 16), 1000,
                              sizeof expected);
    EXPECT_EQ(ours, Hex(expected, sizeof expected)) << password.size();
  }
}

}  // namespace
}  // namespace vlrna
