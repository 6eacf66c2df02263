#pragma once

#include <deque>
#include <memory>

#include "model/scene_node.h"

namespace vev {

// Builds an Identity's node list and part tree while its sections are read. There is always
// one node prepared for the next section. A node is linked as the next child of the earliest
// node in file order that still awaits children (its `childs` count not yet used up), or as a
// new top-level node when none awaits; the first node is the root.
class PartTree {
 public:
  PartTree();

  // The node the next section is read into.
  SceneNode& current() { return *current_; }

  // Called once the current node's section has been read: prepares a new current node.
  void prepareNext();

  // Drops the prepared node, which no section filled, and hands over the list from the root
  // (empty when no section was read). Every node gets back the number of children linked under
  // it, which is its `childs` count unless the file ended before they all came; every node is
  // marked dirty and without hits.
  std::unique_ptr<SceneNode> finish();

 private:
  struct AwaitingParent {
    SceneNode* node;
    SceneNode* lastChild;
  };

  void linkAsChild(SceneNode& node);
  void linkAsTopLevel(SceneNode& node);

  std::unique_ptr<SceneNode> root_;
  SceneNode* current_ = nullptr;
  std::unique_ptr<SceneNode>* currentOwner_ = nullptr;  // the `next` link (or root) holding it
  SceneNode** currentLink_ = nullptr;  // the tree link holding it; null for the root
  SceneNode* currentParent_ = nullptr;
  SceneNode* lastTopLevel_ = nullptr;
  std::deque<AwaitingParent> awaiting_;  // in file order
};

}  // namespace vev
