#include "app/cli/net_options.h"

#include "app/cli/arguments.h"

namespace vev {

bool parsePort(const std::string& text, std::uint16_t& port) {
  int value = 0;
  if (!parseWhole(text, 1, 65535, value)) return false;
  port = static_cast<std::uint16_t>(value);
  return true;
}

bool parseJoinAddress(const std::string& text, NetOptions& options) {
  const std::size_t colon = text.rfind(':');
  std::string address = text.substr(0, colon);
  if (colon != std::string::npos && !parsePort(text.substr(colon + 1), options.port)) return false;
  if (address.empty()) return false;
  options.joinAddress = std::move(address);
  return true;
}

}  // namespace vev
