#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vev {

// Bytes of the project's binary formats (replays, network messages): unsigned numbers as
// little-endian base-128 groups, texts as their length and bytes, 64-bit hashes as 8 bytes.
void putNumber(std::string& out, std::uint64_t value);
void putText(std::string& out, std::string_view text);
void putFixed64(std::string& out, std::uint64_t value);
// Signed numbers through the unsigned ones, small magnitudes staying short.
std::uint64_t zigzag(std::int64_t value);
std::int64_t unzigzag(std::uint64_t value);

// Reads the parts back; every read fails, and stays failed, past the end or on a value beyond
// the bound it is read with.
class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  bool ok() const { return ok_; }
  // Whether a read failed for want of bytes rather than on a bad value.
  bool ranOut() const { return ranOut_; }
  bool atEnd() const { return at_ == bytes_.size(); }
  void fail() { ok_ = false; }

  std::uint64_t number(std::uint64_t most = UINT64_MAX);
  std::string text(std::uint64_t most);
  std::uint64_t fixed64();
  char tag();
  // Skips `text` when the bytes go on with it.
  bool expect(std::string_view text);

 private:
  void runOut();

  std::string_view bytes_;
  std::size_t at_ = 0;
  bool ok_ = true;
  bool ranOut_ = false;
};

}  // namespace vev
