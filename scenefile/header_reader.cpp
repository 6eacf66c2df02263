#include "scenefile/header_reader.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "model/text.h"
#include "scenefile/asset_refs.h"
#include "scenefile/record_fields.h"
#include "scenefile/section_check.h"
#include "scenefile/section_fields.h"

namespace vev {

namespace {

template <void (*Read)(SceneReader&, Pose&)>
void intoPose(SectionInput& input, Identity& identity) {
  Read(input.reader, identity.pose);
}

template <void (*Read)(SceneReader&, BodyState&)>
void intoBody(SectionInput& input, Identity& identity) {
  Read(input.reader, identity.body);
}

template <void (*Read)(SceneReader&, AeroCoefficients&)>
void intoAero(SectionInput& input, Identity& identity) {
  if (!identity.aero) identity.aero = std::make_unique<AeroCoefficients>();
  Read(input.reader, *identity.aero);
}

void readName(SectionInput& input, Identity& identity) {
  identity.name = input.reader.readTextLine();
}

void readIdentitySound(SectionInput& input, Identity& identity) {
  readSoundRef(input, identity.sound);
}

void readIdentitySoundRange(SectionInput& input, Identity& identity) {
  readSoundRange(input.reader, identity.sound);
}

void readIdentityDamage(SectionInput& input, Identity& identity) {
  if (!identity.damage) identity.damage = std::make_unique<DamageState>();
  readDamage(input.reader, *identity.damage);
}

using HeaderFieldReader = void (*)(SectionInput&, Identity&);

struct HeaderField {
  std::string_view keyword;
  HeaderFieldReader read;
};

using B = BodyState;

constexpr HeaderField kHeaderFields[] = {
    {"name", readName},
    {"pos", intoPose<readPosition>},
    {"tang", intoPose<readTangent>},
    {"norm", intoPose<readNormal>},
    {"pivot", intoBody<readPivot>},
    {"controltx", intoBody<readGroupChannel<&B::translation, 0>>},
    {"controlty", intoBody<readGroupChannel<&B::translation, 1>>},
    {"controltz", intoBody<readGroupChannel<&B::translation, 2>>},
    {"controlrx", intoBody<readGroupChannel<&B::rotation, 0>>},
    {"controlry", intoBody<readGroupChannel<&B::rotation, 1>>},
    {"controlrz", intoBody<readGroupChannel<&B::rotation, 2>>},
    {"controlox", intoBody<readGroupChannel<&B::spin, 0>>},
    {"controloy", intoBody<readGroupChannel<&B::spin, 1>>},
    {"controloz", intoBody<readGroupChannel<&B::spin, 2>>},
    {"controlcarril", intoBody<readRail>},
    {"controlactivate", intoBody<readActivation>},
    {"derivcontrol", intoBody<readDerivedControl>},
    {"joykeys", intoBody<readJoyKeys>},
    {"changetarget", intoBody<readChangeTarget>},
    {"cvv", intoAero<readCvv>},
    {"cmm", intoAero<readCmm>},
    {"sound", readIdentitySound},
    {"soundrange", readIdentitySoundRange},
    {"damage", readIdentityDamage},
};

const HeaderField* findHeaderField(std::string_view keyword) {
  for (const HeaderField& field : kHeaderFields) {
    if (sameText(field.keyword, keyword) == 0) return &field;
  }
  return nullptr;
}

// pivot = position + x tangent + y normal + z binormal, from the pose as read.
void pivotToWorld(Identity& identity) {
  const Pose& pose = identity.pose;
  const Vec3 local = identity.body.pivot;
  identity.body.pivot =
      pose.position + local[0] * pose.tangent + local[1] * pose.normal + local[2] * pose.binormal;
}

}  // namespace

Identity& readIdentityHeader(SectionInput& input, std::unique_ptr<Identity>& scene) {
  Identity& identity = appendIdentity(scene, newIdentity());
  SectionCheck check(input.reader, "the identity header");
  while (const std::optional<Keyword> keyword = readFieldKeyword(input.reader)) {
    if (const HeaderField* field = findHeaderField(keyword->text)) {
      check.readField(*keyword, [&] { field->read(input, identity); });
    } else {
      check.unusedKeyword(*keyword);
    }
  }
  check.finish();
  pivotToWorld(identity);
  return identity;
}

std::vector<std::string_view> headerKeywords() {
  std::vector<std::string_view> keywords;
  for (const HeaderField& field : kHeaderFields) keywords.push_back(field.keyword);
  return keywords;
}

}  // namespace vev
