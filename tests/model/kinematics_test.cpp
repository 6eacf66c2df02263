#include "model/kinematics.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vev {
namespace {

constexpr float kTolerance = 1e-5f;

void expectVec(const Vec3& actual, const Vec3& expected, float tolerance = kTolerance) {
  EXPECT_NEAR(actual[0], expected[0], tolerance);
  EXPECT_NEAR(actual[1], expected[1], tolerance);
  EXPECT_NEAR(actual[2], expected[2], tolerance);
}

void expectOrthonormal(const Pose& pose, float tolerance = kTolerance) {
  EXPECT_NEAR(length(pose.tangent), 1.0f, tolerance);
  EXPECT_NEAR(length(pose.normal), 1.0f, tolerance);
  EXPECT_NEAR(length(pose.binormal), 1.0f, tolerance);
  EXPECT_NEAR(dot(pose.tangent, pose.normal), 0.0f, tolerance);
  expectVec(cross(pose.tangent, pose.normal), pose.binormal, tolerance);
}

TEST(RotatePose, QuarterTurnAboutBinormalFollowsRightHandRule) {
  Pose pose = unitPose({4.0f, 5.0f, 6.0f});
  rotatePose(pose, 0, 0, 1, 90);
  expectVec(pose.tangent, {0, 1, 0});
  expectVec(pose.normal, {-1, 0, 0});
  expectVec(pose.binormal, {0, 0, 1});
  expectVec(pose.position, {4, 5, 6});
}

TEST(RotatePose, AxisIsTakenInThePosesOwnFrame) {
  Pose pose = unitPose();
  rotatePose(pose, 0, 0, 1, 90);  // tangent now world y, normal world -x
  rotatePose(pose, 1, 0, 0, 90);  // about the pose's tangent (world y)
  expectVec(pose.tangent, {0, 1, 0});
  expectVec(pose.normal, {0, 0, 1});
  expectVec(pose.binormal, {1, 0, 0});
}

TEST(RotatePose, FourQuarterTurnsComeBackAndManySmallStepsStayUnit) {
  Pose pose = unitPose();
  for (int i = 0; i < 4; ++i) rotatePose(pose, 0.6f, 0.0f, 0.8f, 90);
  expectVec(pose.tangent, {1, 0, 0});
  expectVec(pose.normal, {0, 1, 0});
  for (int i = 0; i < 5000; ++i) rotatePose(pose, 0.36f, 0.48f, 0.8f, 2);
  expectOrthonormal(pose);
}

TEST(RotatePose, ZeroAxisLeavesAxesUnchangedWithoutNaN) {
  Pose pose = unitPose();
  rotatePose(pose, 0, 0, 0, 30);
  expectOrthonormal(pose);
  expectVec(pose.tangent, {1, 0, 0});
}

TEST(RotateAboutPivot, TurnsPositionAboutThePivotInTheReferenceAxes) {
  Pose reference = unitPose();
  BodyState pivotBody;
  pivotBody.pivot = {1, 0, 0};
  Pose pose = unitPose({2, 0, 0});
  ASSERT_EQ(rotateAboutPivot(&pose, nullptr, nullptr, reference, pivotBody, 0, 1, 0, 90), &pose);
  expectVec(pose.position, {1, 0, -1});
  expectVec(pose.tangent, {0, 0, -1});
  expectOrthonormal(pose);
}

TEST(RotateAboutPivot, PivotAtThePositionLeavesItInPlace) {
  Pose reference = unitPose();
  BodyState pivotBody;
  pivotBody.pivot = {3, 4, 5};
  Pose pose = unitPose({3, 4, 5});
  rotateAboutPivot(&pose, nullptr, nullptr, reference, pivotBody, 0.6f, 0, 0.8f, 37);
  expectVec(pose.position, {3, 4, 5});
}

TEST(RotateAboutPivot, CarriesAnotherBodysPivotAndMovingMapPoints) {
  Pose reference = unitPose();
  BodyState pivotBody;
  BodyState body;
  body.pivot = {0, 2, 0};
  Shape shape;
  shape.mapping = 5;
  shape.mapPoints = {Vec3{1, 0, 0}, Vec3{0, 1, 0}, Vec3{0, 0, 1}, Vec3{1, 1, 0}};
  Pose pose = unitPose();
  rotateAboutPivot(&pose, &body, &shape, reference, pivotBody, 0, 0, 1, 90);
  expectVec(body.pivot, {-2, 0, 0});
  expectVec(shape.mapPoints[0], {0, 1, 0});
  expectVec(shape.mapPoints[3], {-1, 1, 0});
}

TEST(RotateAboutPivot, FixedMapPointsStayAndOwnRailTurnsBack) {
  Pose reference = unitPose();
  BodyState pivotBody;
  pivotBody.rail.direction = {1, 0, 0};
  pivotBody.pivot = {0, 0, 0};
  Shape shape;
  shape.mapping = 6;
  shape.mapPoints[0] = {1, 0, 0};
  Pose pose = unitPose();
  rotateAboutPivot(&pose, &pivotBody, &shape, reference, pivotBody, 0, 0, 1, 90);
  expectVec(shape.mapPoints[0], {1, 0, 0});
  expectVec(pivotBody.rail.direction, {0, -1, 0});
  expectVec(pivotBody.pivot, {0, 0, 0});
}

TEST(RotateAboutPivot, NullPoseDoesNothing) {
  Pose reference = unitPose();
  BodyState pivotBody;
  EXPECT_EQ(rotateAboutPivot(nullptr, nullptr, nullptr, reference, pivotBody, 1, 0, 0, 10),
            nullptr);
}

TEST(MovePose, NormalisesTheDirectionButNotTheDistance) {
  Pose pose = unitPose();
  rotatePose(pose, 0, 0, 1, 90);
  movePose(pose, 2, 0, 0, 0.5f);
  expectVec(pose.position, {0, 0.5f, 0});
}

TEST(MovePose, ZeroDirectionLeavesThePositionAsItWas) {
  Pose pose = unitPose({1, 2, 3});
  movePose(pose, 0, 0, 0, 4);
  expectVec(pose.position, {1, 2, 3});
}

TEST(MoveInFrame, MovesPosePivotAndMovingMapPointsAlongTheReferenceAxes) {
  Pose reference = unitPose();
  rotatePose(reference, 0, 0, 1, 90);  // reference tangent is world y
  Pose pose = unitPose();
  BodyState body;
  Shape shape;
  shape.mapping = 5;
  EXPECT_EQ(moveInFrame(&pose, &body, &shape, reference, 3, 0, 0, 2), &shape);
  expectVec(pose.position, {0, 2, 0});
  expectVec(body.pivot, {0, 2, 0});
  expectVec(shape.mapPoints[2], {0, 2, 0});
  EXPECT_EQ(moveInFrame(nullptr, &body, &shape, reference, 1, 0, 0, 1), nullptr);
  expectVec(body.pivot, {0, 2, 0});
}

TEST(TranslateIdentity, MovesEveryPosedNodeAndLeavesOthersAlone) {
  auto identity = newIdentity();
  identity->nodes = std::make_unique<SceneNode>();
  SceneNode& posed = *identity->nodes;
  posed.pose = std::make_unique<Pose>(unitPose({1, 1, 1}));
  posed.body = std::make_unique<BodyState>();
  posed.shape = std::make_unique<Shape>();
  posed.shape->mapping = 5;
  posed.next = std::make_unique<SceneNode>();
  SceneNode& bare = *posed.next;
  bare.dirty = 0;

  translateIdentity(*identity, 10, 20, 30);
  expectVec(identity->pose.position, {10, 20, 30});
  expectVec(identity->body.pivot, {10, 20, 30});
  expectVec(posed.pose->position, {11, 21, 31});
  expectVec(posed.body->pivot, {10, 20, 30});
  expectVec(posed.shape->mapPoints[1], {10, 20, 30});
  EXPECT_EQ(posed.dirty, 1);
  EXPECT_EQ(bare.dirty, 0);
  expectVec(identity->pose.tangent, {1, 0, 0});
}

TEST(PlaceNode, TakesLocalCoordinatesIntoTheReferenceFrame) {
  Pose reference = unitPose({10, 0, 0});
  SceneNode node;
  node.pose = std::make_unique<Pose>(unitPose({1, 2, 3}));
  placeNode(node, reference);
  expectVec(node.pose->position, {11, 2, 3});

  rotatePose(reference, 0, 1, 0, 90);  // tangent -> world -z, binormal -> world x
  SceneNode turned;
  turned.pose = std::make_unique<Pose>(unitPose({1, 0, 0}));
  turned.body = std::make_unique<BodyState>();
  turned.body->pivot = {0, 0, 1};
  turned.shape = std::make_unique<Shape>();
  turned.shape->mapping = 5;
  turned.shape->mapPoints[0] = {0, 1, 0};
  placeNode(turned, reference);
  expectVec(turned.pose->position, {10, 0, -1});
  expectVec(turned.pose->tangent, {0, 0, -1});
  expectVec(turned.pose->binormal, {1, 0, 0});
  expectVec(turned.body->pivot, {11, 0, 0});
  expectVec(turned.shape->mapPoints[0], {10, 1, 0});
}

TEST(PlaceNode, TransformsTheBinormalRatherThanRecomputingIt) {
  Pose reference = unitPose();
  SceneNode node;
  node.pose = std::make_unique<Pose>();
  node.pose->tangent = {1, 0, 0};
  node.pose->normal = {0, 1, 0};
  node.pose->binormal = {0, 0, 0};  // as read when the norm line came before tang
  placeNode(node, reference);
  expectVec(node.pose->binormal, {0, 0, 0});
  SceneNode poseless;
  placeNode(poseless, reference);
  EXPECT_FALSE(poseless.pose);
}

}  // namespace
}  // namespace vev
