#include "model/byte_codec.h"

namespace vev {

void putNumber(std::string& out, std::uint64_t value) {
  while (value >= 0x80) {
    out.push_back(static_cast<char>((value & 0x7f) | 0x80));
    value >>= 7;
  }
  out.push_back(static_cast<char>(value));
}

void putText(std::string& out, std::string_view text) {
  putNumber(out, text.size());
  out.append(text);
}

void putFixed64(std::string& out, std::uint64_t value) {
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

std::uint64_t zigzag(std::int64_t value) {
  return (static_cast<std::uint64_t>(value) << 1) ^ static_cast<std::uint64_t>(value >> 63);
}

std::int64_t unzigzag(std::uint64_t value) {
  return static_cast<std::int64_t>(value >> 1) ^ -static_cast<std::int64_t>(value & 1);
}

std::uint64_t ByteReader::number(std::uint64_t most) {
  std::uint64_t value = 0;
  for (int shift = 0; ok_ && shift < 64; shift += 7) {
    if (at_ >= bytes_.size()) {
      runOut();
      return 0;
    }
    const auto byte = static_cast<unsigned char>(bytes_[at_++]);
    value |= static_cast<std::uint64_t>(byte & 0x7f) << shift;
    if ((byte & 0x80) == 0) {
      if (value > most) ok_ = false;
      return ok_ ? value : 0;
    }
  }
  ok_ = false;
  return 0;
}

std::string ByteReader::text(std::uint64_t most) {
  const std::uint64_t size = number(most);
  if (!ok_ || bytes_.size() - at_ < size) {
    if (ok_) runOut();
    return {};
  }
  std::string value(bytes_.substr(at_, size));
  at_ += size;
  return value;
}

std::uint64_t ByteReader::fixed64() {
  if (!ok_ || bytes_.size() - at_ < 8) {
    if (ok_) runOut();
    return 0;
  }
  std::uint64_t value = 0;
  for (int i = 0; i < 8; ++i) {
    value |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes_[at_++])) << (8 * i);
  }
  return value;
}

char ByteReader::tag() {
  if (!ok_ || at_ >= bytes_.size()) {
    ok_ = false;
    return 0;
  }
  return bytes_[at_++];
}

bool ByteReader::expect(std::string_view text) {
  if (bytes_.substr(at_, text.size()) != text) return false;
  at_ += text.size();
  return true;
}

void ByteReader::runOut() {
  ok_ = false;
  ranOut_ = true;
}

}  // namespace vev
