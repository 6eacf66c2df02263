#include <gtest/gtest.h>

#include "model/identity.h"
#include "model/model_state.h"
#include "model/text.h"

namespace vev {
namespace {

std::unique_ptr<Identity> listOf(std::initializer_list<const char*> names) {
  std::unique_ptr<Identity> head;
  for (const char* name : names) appendIdentity(head, newIdentity()).name = name;
  return head;
}

TEST(NewIdentity, StartsAliveAtTheOriginWithUnitAxesAndDefaultMass) {
  auto identity = newIdentity();
  EXPECT_EQ(identity->alive, 1);
  EXPECT_EQ(identity->pose.tangent, (Vec3{1, 0, 0}));
  EXPECT_EQ(identity->pose.normal, (Vec3{0, 1, 0}));
  EXPECT_EQ(identity->pose.binormal, (Vec3{0, 0, 1}));
  EXPECT_EQ(identity->pose.position, (Vec3{0, 0, 0}));
  EXPECT_EQ(identity->motion.mass, 1000.0f);
  EXPECT_EQ(identity->motion.inertia, (Vec3{1000, 1000, 1000}));
  EXPECT_FALSE(identity->damage || identity->sound || identity->aero || identity->nodes);
  EXPECT_EQ(identity->target, nullptr);
  for (auto key : identity->keys) EXPECT_EQ(key, 0);
}

TEST(IdentityList, NextAndPreviousWrapAroundTheList) {
  auto head = listOf({"a", "b", "c"});
  Identity* a = head.get();
  Identity* c = lastIdentity(a);
  EXPECT_EQ(c->name, "c");
  EXPECT_EQ(nextIdentity(c, a), a);
  EXPECT_EQ(nextIdentity(a, a)->name, "b");
  EXPECT_EQ(previousIdentity(a, a), c);
  EXPECT_EQ(previousIdentity(c, a)->name, "b");
  EXPECT_EQ(nextIdentity(nullptr, a), a);
  EXPECT_EQ(nextIdentity(a, nullptr), nullptr);
  EXPECT_EQ(previousIdentity(a, nullptr), nullptr);
  EXPECT_EQ(lastIdentity(nullptr), nullptr);
}

TEST(IdentityList, InsertAfterPutsAShotDirectlyBehindItsShooter) {
  auto head = listOf({"a", "b"});
  insertIdentityAfter(*head, newIdentity()).name = "AMMO";
  EXPECT_EQ(head->next->name, "AMMO");
  EXPECT_EQ(head->next->next->name, "b");
}

TEST(IdentityList, RemoveUnlinksAndReturnsTheFollower) {
  auto head = listOf({"a", "b", "c"});
  Identity* b = head->next.get();
  Identity* after = removeIdentity(b, head);
  EXPECT_EQ(after->name, "c");
  EXPECT_EQ(head->next.get(), after);
  EXPECT_EQ(removeIdentity(lastIdentity(head.get()), head), nullptr);
  EXPECT_EQ(head->name, "a");
  EXPECT_EQ(head->next, nullptr);
}

TEST(IdentityList, RemovingTheHeadMakesTheSecondTheHead) {
  auto head = listOf({"a", "b"});
  Identity* after = removeIdentity(head.get(), head);
  ASSERT_TRUE(head);
  EXPECT_EQ(head.get(), after);
  EXPECT_EQ(head->name, "b");
  EXPECT_EQ(removeIdentity(head.get(), head), nullptr);
  EXPECT_FALSE(head);
}

TEST(IdentityList, ALongListIsReleasedWithoutDeepRecursion) {
  std::unique_ptr<Identity> head = newIdentity();
  Identity* tail = head.get();
  for (int i = 0; i < 200000; ++i) tail = &insertIdentityAfter(*tail, newIdentity());
  head.reset();
  SUCCEED();
}

TEST(ModelState, StartsWithTheFreeCameraActive) {
  ModelState model;
  EXPECT_EQ(model.activeCamera, &model.freeCamera);
  EXPECT_EQ(model.freeCamera.position, (Vec3{-10, 3, 0}));
  EXPECT_EQ(model.freeCamera.zoom, 45.0f);
  EXPECT_EQ(model.frameStepMs, 40);
  EXPECT_FLOAT_EQ(model.frameStepSeconds(), 0.04f);
  EXPECT_EQ(model.frameReady, 1);
  EXPECT_EQ(model.lightDirection, (Vec3{0, 0, -1}));
}

TEST(Text, SameTextComparesWholeCaseSensitiveStrings) {
  EXPECT_EQ(sameText("NAME", "NAME"), 0);
  EXPECT_EQ(sameText("NAME", "NAME2"), 1);
  EXPECT_EQ(sameText("jet", "JET"), 1);
  std::string text;
  copyText(text, std::string(150, 'x'));
  EXPECT_EQ(text.size(), kTextLimit);
  copyText(text, "AM");
  appendText(text, "MO");
  EXPECT_EQ(text, "AMMO");
  appendText(text, std::string(200, 'y'));
  EXPECT_EQ(text.size(), kTextLimit);
}

TEST(ParamSlots, CellsAreCreatedUpToTheSlotWritten) {
  SceneNode node;
  EXPECT_EQ(paramSlot(node, 0), nullptr);
  writableParamSlot(node, 0) = 2.5f;
  EXPECT_EQ(node.params.size(), 1u);
  EXPECT_EQ(paramSlot(node, 3), nullptr);
  writableParamSlot(node, 8) = 7.0f;
  ASSERT_EQ(node.params.size(), 3u);
  EXPECT_EQ(*paramSlot(node, 0), 2.5f);
  EXPECT_EQ(*paramSlot(node, 5), 0.0f);
  EXPECT_EQ(*paramSlot(node, 8), 7.0f);
  EXPECT_EQ(paramSlot(node, 9), nullptr);
  EXPECT_EQ(paramSlot(node, -1), nullptr);
}

}  // namespace
}  // namespace vev
