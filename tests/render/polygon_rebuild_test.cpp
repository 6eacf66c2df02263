#include <gtest/gtest.h>

#include <vector>

#include "model/model_state.h"
#include "render/polygon_rebuild.h"
#include "scene_fixture.h"

namespace vev::test {
namespace {

class RebuildTest : public ::testing::Test {
 protected:
  RebuildTest() {
    Identity& craft = appendIdentity(model_.scene, newIdentity());
    beam_ = &addNode(craft, makeNode("QUADBEAM", {4.0f, 0.5f, 0.5f, 1.0f, 1.0f, 0.0f}));
    strut_ = &addNode(craft, makeNode("QUADBEAM", {2.0f, 0.5f, 0.5f, 1.0f, 1.0f, 0.0f}));
    camera_ = &addNode(craft, makeNode("CAMERA", {}));
    quad_ = &addNode(craft, makeNode("QUAD", {0.0f}));
    setVertices(*quad_, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}});
    boom_ = &addNode(craft, makeNode("EXPLOSION", {0.08f, 0.4f, 1.0f, 0.0f, 6.0f, 0.0f}));
    craft_ = &craft;
  }

  std::vector<const SceneNode*> owners(const DrawList& list) const {
    std::vector<const SceneNode*> result;
    for (const Polygon* p : list) {
      if (result.empty() || result.back() != p->owner) result.push_back(p->owner);
    }
    return result;
  }

  ModelState model_;
  RenderSettings settings_;
  Identity* craft_ = nullptr;
  SceneNode* beam_ = nullptr;
  SceneNode* strut_ = nullptr;
  SceneNode* camera_ = nullptr;
  SceneNode* quad_ = nullptr;
  SceneNode* boom_ = nullptr;
};

TEST_F(RebuildTest, DirtyAndPerFrameNodesAreRebuiltAndMoveToTheEnd) {
  DrawList list = rebuildPolygons(model_, settings_);
  EXPECT_EQ(owners(list), (std::vector<const SceneNode*>{beam_, strut_, quad_, boom_}));
  // Two boxes, the quad, and the explosion's disc in 10 degree steps from the free camera.
  EXPECT_EQ(list.size(), 6u + 6u + 1u + 36u);
  EXPECT_EQ(beam_->dirty, 0);
  EXPECT_EQ(camera_->dirty, 1);  // no faces, left as it was
  EXPECT_EQ(quad_->dirty, 0);

  // The beams are kept; the quad and the explosion follow the camera and are built again.
  list = rebuildPolygons(model_, settings_);
  EXPECT_EQ(owners(list), (std::vector<const SceneNode*>{beam_, strut_, quad_, boom_}));
  beam_->dirty = 1;
  list = rebuildPolygons(model_, settings_);
  EXPECT_EQ(owners(list), (std::vector<const SceneNode*>{strut_, beam_, quad_, boom_}));
  EXPECT_EQ(craft_->polygons.size(), list.size());
}

TEST_F(RebuildTest, DrawListChainsTheIdentitiesInSceneOrder) {
  Identity& second = appendIdentity(model_.scene, newIdentity());
  SceneNode& laser = addNode(second, makeNode("LASERCANNON", {0.0f, 0.0f, 10.0f}));
  const DrawList list = rebuildPolygons(model_, settings_);
  EXPECT_EQ(list.back()->owner, &laser);
  EXPECT_EQ(list.front(), &craft_->polygons.front());
}

TEST_F(RebuildTest, WreckKeepsOnlyItsExplosion) {
  rebuildPolygons(model_, settings_);
  craft_->damage = std::make_unique<DamageState>();
  craft_->damage->destroyed = 1;
  for (SceneNode* node = craft_->nodes.get(); node; node = node->next.get()) node->dirty = 1;
  const DrawList list = rebuildPolygons(model_, settings_);
  EXPECT_EQ(owners(list), (std::vector<const SceneNode*>{boom_}));
  EXPECT_EQ(beam_->dirty, 1);
}

TEST_F(RebuildTest, ActiveCameraDecidesTheLevelOfDetail) {
  beam_->kind = "SMQUADBEAML";
  Pose near = cameraAt({0.0f, 0.0f, 0.0f});
  model_.activeCamera = &near;
  const std::size_t fine = rebuildPolygons(model_, settings_).size();
  model_.activeCamera = nullptr;  // the free camera, far from the nose
  const std::size_t coarse = rebuildPolygons(model_, settings_).size();
  EXPECT_GT(fine, coarse);
  settings_.simpleShapes = 1;
  model_.activeCamera = &near;
  EXPECT_LT(rebuildPolygons(model_, settings_).size(), coarse);
}

TEST_F(RebuildTest, IdentityOutsideTheViewWaitsUntilItIsSeen) {
  Identity& behind = appendIdentity(model_.scene, newIdentity());
  behind.pose.position = {-100.0f, 0.0f, 0.0f};
  SceneNode& hull =
      addNode(behind, makeNode("QUADBEAM", {4.0f, 0.5f, 0.5f, 1.0f, 1.0f, 0.0f}, {-100, 0, 0}));
  Pose camera = cameraAt({0.0f, 0.0f, 0.0f});  // looking along +x
  model_.activeCamera = &camera;
  const ViewVolume ahead(camera, 1.0f);
  rebuildPolygons(model_, settings_, &ahead);  // never built: no reach to judge it by yet
  EXPECT_EQ(hull.dirty, 0);

  hull.dirty = 1;
  DrawList list = rebuildPolygons(model_, settings_, &ahead);
  EXPECT_EQ(hull.dirty, 1);
  EXPECT_EQ(list.back()->outOfView, 1);
  EXPECT_EQ(list.front()->outOfView, 0);

  camera.tangent = {-1.0f, 0.0f, 0.0f};
  camera.binormal = {0.0f, 0.0f, -1.0f};
  const ViewVolume turned(camera, 1.0f);
  list = rebuildPolygons(model_, settings_, &turned);
  EXPECT_EQ(hull.dirty, 0);
  EXPECT_EQ(list.back()->outOfView, 0);
}

}  // namespace
}  // namespace vev::test
