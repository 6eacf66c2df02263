#include "app/cli/json_writer.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <cmath>
#include <limits>

namespace vev {
namespace {

QJsonDocument parse(const std::string& text) {
  QJsonParseError error;
  QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
  return document;
}

TEST(JsonWriter, NestsObjectsAndArraysIntoValidJson) {
  JsonWriter json;
  json.beginObject();
  json.key("empty").beginArray().endArray();
  json.key("list").beginArray().value(1).null().beginObject().endObject().endArray();
  json.key("vec").numbers(std::array<float, 3>{1.5f, -2.0f, 0.0f});
  json.key("flag").value(true);
  json.endObject();
  const QJsonObject root = parse(json.text()).object();
  EXPECT_TRUE(root["empty"].toArray().isEmpty());
  EXPECT_EQ(root["list"].toArray().size(), 3);
  EXPECT_TRUE(root["list"].toArray()[1].isNull());
  EXPECT_EQ(root["vec"].toArray()[0].toDouble(), 1.5);
  EXPECT_TRUE(root["flag"].toBool());
}

TEST(JsonWriter, FloatsReadBackAsTheSameFloat) {
  const float values[] = {0.1f, 1.0f / 3.0f, 123456.789f, -1e-30f, 3.4e38f, 0.00872664f};
  for (const float value : values) {
    JsonWriter json;
    json.beginArray().value(value).endArray();
    const double back = parse(json.text()).array()[0].toDouble();
    EXPECT_EQ(static_cast<float>(back), value) << json.text();
  }
}

TEST(JsonWriter, NonFiniteNumbersBecomeNull) {
  JsonWriter json;
  json.beginArray().value(std::numeric_limits<float>::infinity()).value(std::nanf("")).endArray();
  const QJsonArray array = parse(json.text()).array();
  EXPECT_TRUE(array[0].isNull());
  EXPECT_TRUE(array[1].isNull());
}

TEST(JsonWriter, EscapesQuotesControlsAndHighBytes) {
  JsonWriter json;
  json.beginArray().value(std::string("a\"b\\c\n\t") + "\xe3" + "o").endArray();
  const QString back = parse(json.text()).array()[0].toString();
  EXPECT_EQ(back, QString::fromUtf8("a\"b\\c\n\t\u00e3o"));
}

}  // namespace
}  // namespace vev
