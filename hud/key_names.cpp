#include <array>
#include <string>
#include <string_view>

#include "hud/hud.h"

namespace vev {
namespace {

struct NamedKey {
  int code;
  std::string_view name;
};

constexpr std::array<NamedKey, 25> kNamedKeys{{
    {8, "BCK SPS"},   {9, "TAB"},       {13, "ENTER"},    {16, "SHIFT"},    {17, "CTRL"},
    {20, "CPS LOCK"}, {27, "ESC"},      {33, "PG UP"},    {34, "PG DN"},    {35, "END"},
    {36, "HOME"},     {37, "LFT CURS"}, {38, "UP CURS"},  {39, "RGH CURS"}, {40, "DWN CURS"},
    {45, "INS"},      {46, "DEL"},      {93, "PRT MENU"}, {106, "AST"},     {107, "+"},
    {109, "-"},       {110, "NUN DEL"}, {111, "/"},       {144, "NLOCK"},   {145, "SC LOCK"},
}};

}  // namespace

std::string keyName(int code) {
  if (code >= 'A' && code <= 'Z') return std::string(1, static_cast<char>(code));
  if (code >= '0' && code <= '9') return std::string(1, static_cast<char>(code));
  if (code >= 112 && code <= 123) return "F" + std::to_string(code - 111);
  if (code >= 96 && code <= 105) return "NUM " + std::to_string(code - 96);
  for (const NamedKey& key : kNamedKeys) {
    if (key.code == code) return std::string(key.name);
  }
  return std::to_string(code);
}

}  // namespace vev
