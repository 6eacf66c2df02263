#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace vev {

// A vector that keeps its first N items inside itself and goes to the heap only beyond them. The
// faces of moving craft are rebuilt every frame, nearly all with three or four corners: with the
// corners inline, a rebuild allocates and frees nothing for them.
template <typename T, std::size_t N>
class InlineVector {
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

 public:
  InlineVector() = default;
  InlineVector(std::initializer_list<T> items) { append(items.begin(), items.size()); }
  InlineVector(const InlineVector& other) { append(other.data(), other.size()); }
  InlineVector(InlineVector&& other) noexcept { take(other); }
  ~InlineVector() { release(); }

  InlineVector& operator=(const InlineVector& other) {
    if (this != &other) {
      clear();
      append(other.data(), other.size());
    }
    return *this;
  }
  InlineVector& operator=(InlineVector&& other) noexcept {
    if (this != &other) {
      release();
      take(other);
    }
    return *this;
  }
  InlineVector& operator=(std::initializer_list<T> items) {
    clear();
    append(items.begin(), items.size());
    return *this;
  }

  T* data() { return heap_ ? heap_ : std::launder(reinterpret_cast<T*>(inline_)); }
  const T* data() const {
    return heap_ ? heap_ : std::launder(reinterpret_cast<const T*>(inline_));
  }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  T* begin() { return data(); }
  T* end() { return data() + size_; }
  const T* begin() const { return data(); }
  const T* end() const { return data() + size_; }
  T& operator[](std::size_t i) { return data()[i]; }
  const T& operator[](std::size_t i) const { return data()[i]; }
  T& front() { return data()[0]; }
  const T& front() const { return data()[0]; }
  T& back() { return data()[size_ - 1]; }
  const T& back() const { return data()[size_ - 1]; }

  void reserve(std::size_t capacity) {
    if (capacity > capacity_) moveTo(capacity);
  }
  void clear() { size_ = 0; }
  void pop_back() { --size_; }
  T& emplace_back() {
    if (size_ == capacity_) moveTo(2 * capacity_);
    return *std::construct_at(data() + size_++);
  }
  // `item` may be one of the items, which growing moves.
  void push_back(const T& item) {
    const T copy = item;
    emplace_back() = copy;
  }

 private:
  void append(const T* items, std::size_t count) {
    reserve(size_ + count);
    for (std::size_t i = 0; i < count; ++i) std::construct_at(data() + size_ + i, items[i]);
    size_ += static_cast<std::uint32_t>(count);
  }

  // Keeps the items in a heap block that holds `capacity` of them.
  void moveTo(std::size_t capacity) {
    T* block = std::allocator<T>().allocate(capacity);
    if (size_ > 0) std::memcpy(static_cast<void*>(block), data(), size_ * sizeof(T));
    release();
    heap_ = block;
    capacity_ = static_cast<std::uint32_t>(capacity);
  }

  void release() {
    if (heap_) std::allocator<T>().deallocate(heap_, capacity_);
    heap_ = nullptr;
    capacity_ = N;
  }

  void take(InlineVector& other) {
    size_ = other.size_;
    if (other.heap_) {
      heap_ = std::exchange(other.heap_, nullptr);
      capacity_ = std::exchange(other.capacity_, static_cast<std::uint32_t>(N));
    } else if (size_ > 0) {
      std::memcpy(static_cast<void*>(inline_), other.inline_, size_ * sizeof(T));
    }
    other.size_ = 0;
  }

  T* heap_ = nullptr;
  std::uint32_t size_ = 0;
  std::uint32_t capacity_ = N;
  alignas(T) std::byte inline_[N * sizeof(T)];
};

}  // namespace vev
