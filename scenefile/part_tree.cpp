#include "scenefile/part_tree.h"

#include <cstdint>
#include <utility>

namespace vev {

PartTree::PartTree()
    : root_(std::make_unique<SceneNode>()),
      current_(root_.get()),
      currentOwner_(&root_),
      lastTopLevel_(root_.get()) {}

void PartTree::prepareNext() {
  SceneNode& read = *current_;
  if (read.childCount > 0) awaiting_.push_back({&read, nullptr});
  read.next = std::make_unique<SceneNode>();
  SceneNode& prepared = *read.next;
  if (awaiting_.empty()) {
    linkAsTopLevel(prepared);
  } else {
    linkAsChild(prepared);
  }
  current_ = &prepared;
  currentOwner_ = &read.next;
}

void PartTree::linkAsChild(SceneNode& node) {
  AwaitingParent& parent = awaiting_.front();
  currentLink_ = parent.lastChild ? &parent.lastChild->sibling : &parent.node->firstChild;
  *currentLink_ = &node;
  currentParent_ = parent.node;
  parent.lastChild = &node;
  if (--parent.node->childCount == 0) awaiting_.pop_front();
}

void PartTree::linkAsTopLevel(SceneNode& node) {
  currentLink_ = &lastTopLevel_->sibling;
  *currentLink_ = &node;
  currentParent_ = nullptr;
  lastTopLevel_ = &node;
}

std::unique_ptr<SceneNode> PartTree::finish() {
  if (currentLink_) *currentLink_ = nullptr;
  if (currentParent_) ++currentParent_->childCount;
  currentOwner_->reset();
  for (SceneNode* node = root_.get(); node; node = node->next.get()) {
    // `dirty` holds the declared count and childCount what was left of it.
    node->childCount = static_cast<std::int16_t>(node->dirty - node->childCount);
    node->dirty = 1;
    node->hits = 0;
  }
  return std::move(root_);
}

}  // namespace vev
