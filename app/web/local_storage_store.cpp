#include "app/web/local_storage_store.h"

#include <emscripten.h>

#include <cstdlib>
#include <string>

#include "scenefile/number_conversion.h"

namespace vev {
namespace {

// clang-format off
EM_JS(int, storeItem, (const char* key, const char* value), {
  try {
    localStorage.setItem(UTF8ToString(key), UTF8ToString(value));
    return 0;
  } catch (e) {
    return 1;
  }
});

// The stored text as a fresh C string (freed by the caller), or null when there is none.
EM_JS(char*, storedItem, (const char* key), {
  try {
    const value = localStorage.getItem(UTF8ToString(key));
    if (value === null) return 0;
    const size = lengthBytesUTF8(value) + 1;
    const text = _malloc(size);
    stringToUTF8(value, text, size);
    return text;
  } catch (e) {
    return 0;
  }
});
// clang-format on

std::string keyOf(std::string_view name) {
  return "VEV_krl/" + std::string(name);
}

}  // namespace

int LocalStorageStore::writeSettingNumber(std::string_view name, std::int32_t value) {
  return storeItem(keyOf(name).c_str(), std::to_string(value).c_str());
}

int LocalStorageStore::writeSettingText(std::string_view name, std::string_view text) {
  return storeItem(keyOf(name).c_str(), std::string(text).c_str());
}

std::int32_t LocalStorageStore::readSettingNumber(std::string_view name, std::int32_t fallback) {
  char* stored = storedItem(keyOf(name).c_str());
  if (!stored) return fallback;
  const std::string text(stored);
  std::free(stored);
  return isWholeInteger(text) ? parseInteger(text) : fallback;
}

}  // namespace vev
