#include "net/handshake_check.h"

#include <algorithm>

namespace vev {
namespace {

std::string settingDifference(const std::vector<NamedValue>& host,
                              const std::vector<NamedValue>& joining) {
  for (const NamedValue& setting : host) {
    const auto same = std::find(joining.begin(), joining.end(), setting);
    if (same == joining.end()) return "the setting " + setting.name + " differs";
  }
  if (host.size() != joining.size()) return "the settings differ";
  return {};
}

}  // namespace

std::string handshakeDifference(const Handshake& host, const Handshake& joining) {
  if (host.protocol != joining.protocol) {
    return "protocol " + std::to_string(joining.protocol) + " against " +
           std::to_string(host.protocol);
  }
  if (host.program != joining.program) {
    return "version " + joining.program + " against " + host.program;
  }
  if (host.gameKey != joining.gameKey) return "the game key differs";
  std::string difference = sceneDifference(host.files, joining.files);
  if (difference.empty()) difference = settingDifference(host.settings, joining.settings);
  return difference;
}

}  // namespace vev
