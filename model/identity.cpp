#include "model/identity.h"

#include <utility>

namespace vev {

Identity::Identity() : pose(unitPose()) {}

// Releases the rest of the list one Identity at a time, so a long list cannot exhaust the stack.
Identity::~Identity() {
  std::unique_ptr<Identity> rest = std::move(next);
  while (rest) rest = std::move(rest->next);
}

std::unique_ptr<Identity> newIdentity() {
  return std::make_unique<Identity>();
}

Identity* lastIdentity(Identity* head) {
  if (!head) return nullptr;
  while (head->next) head = head->next.get();
  return head;
}

Identity* nextIdentity(Identity* current, Identity* head) {
  if (!current || !head) return head;
  return current->next ? current->next.get() : head;
}

Identity* previousIdentity(Identity* current, Identity* head) {
  if (!head) return nullptr;
  if (current == head) return lastIdentity(head);
  for (Identity* it = head; it; it = it->next.get()) {
    if (it->next.get() == current) return it;
  }
  return nullptr;
}

Identity& appendIdentity(std::unique_ptr<Identity>& head, std::unique_ptr<Identity> identity) {
  Identity* last = lastIdentity(head.get());
  std::unique_ptr<Identity>& slot = last ? last->next : head;
  slot = std::move(identity);
  return *slot;
}

Identity& insertIdentityAfter(Identity& before, std::unique_ptr<Identity> identity) {
  identity->next = std::move(before.next);
  before.next = std::move(identity);
  return *before.next;
}

Identity* removeIdentity(Identity* identity, std::unique_ptr<Identity>& head) {
  std::unique_ptr<Identity>* link = &head;
  while (*link && link->get() != identity) link = &(*link)->next;
  if (!*link) return nullptr;
  std::unique_ptr<Identity> removed = std::move(*link);
  *link = std::move(removed->next);
  return link->get();
}

}  // namespace vev
