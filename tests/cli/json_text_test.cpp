#include "app/json_text.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <array>
#include <cmath>
#include <limits>

namespace vev {
namespace {

TEST(JsonText, OneMemberALineWithNumberArraysInline) {
  const Json json = {
      {"name", "a\"b\\c\x01\xc3\xa3"},
      {"vec", std::array<float, 3>{1.5f, -2.0f, 0.1f}},
      {"listed", std::array<float, 2>{1.0f, 2.0f}},
      {"mixed", {1, nullptr, Json::object()}},
      {"empty", Json::array()},
      {"odd", {std::numeric_limits<float>::infinity(), std::nanf(""), 7, true}},
  };
  EXPECT_EQ(jsonText(json, {"listed"}),
            "{\n"
            "  \"name\": \"a\\\"b\\\\c\\u0001\\u00e3\",\n"
            "  \"vec\": [1.5, -2, 0.100000001],\n"
            "  \"listed\": [\n"
            "    1,\n"
            "    2\n"
            "  ],\n"
            "  \"mixed\": [\n"
            "    1,\n"
            "    null,\n"
            "    {}\n"
            "  ],\n"
            "  \"empty\": [],\n"
            "  \"odd\": [\n"
            "    null,\n"
            "    null,\n"
            "    7,\n"
            "    true\n"
            "  ]\n"
            "}\n");
}

TEST(JsonText, FloatsReadBackAsTheSameFloat) {
  for (const float value : {0.1f, 1.0f / 3.0f, 123456.789f, -1e-30f, 3.4e38f, 0.00872664f}) {
    const std::string text = jsonText(Json::array({value}));
    const QJsonArray back = QJsonDocument::fromJson(QByteArray::fromStdString(text)).array();
    EXPECT_EQ(static_cast<float>(back[0].toDouble()), value) << text;
  }
}

}  // namespace
}  // namespace vev
