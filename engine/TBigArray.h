#pragma once
// A fixed-capacity array of trivially copyable items in one anonymous mapping. The capacity
// is reserved as address space only: pages become resident when they are first written, so a
// generous upper bound costs nothing until it is used. The block is advised for transparent
// huge pages, which halves the cost of touching fresh memory on large tables.

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

#include <sys/mman.h>

template <typename T>
class TBigArray {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    TBigArray() = default;
    explicit TBigArray(std::size_t capacity) { Reserve(capacity); }
    ~TBigArray() { Release(); }
    TBigArray(const TBigArray&) = delete;
    TBigArray& operator=(const TBigArray&) = delete;
    TBigArray(TBigArray&& other) noexcept { Swap(other); }
    TBigArray& operator=(TBigArray&& other) noexcept
    {
        if (this != &other) {
            Release();
            Swap(other);
        }
        return *this;
    }

    // Throws std::bad_alloc when the address space cannot be reserved.
    void Reserve(std::size_t capacity)
    {
        Release();
        if (capacity == 0)
            return;
        bytes_ = capacity * sizeof(T);
        void* block = mmap(nullptr, bytes_, PROT_READ | PROT_WRITE,
                           MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (block == MAP_FAILED) {
            bytes_ = 0;
            throw std::bad_alloc();
        }
        madvise(block, bytes_, MADV_HUGEPAGE);
        items_ = static_cast<T*>(block);
        capacity_ = capacity;
    }

    // The caller guarantees room: the capacity is an upper bound fixed in advance.
    void PushBack(const T& item) { items_[size_++] = item; }
    T* Grow(std::size_t count)
    {
        T* at = items_ + size_;
        size_ += count;
        return at;
    }

    std::size_t Size() const { return size_; }
    std::size_t Capacity() const { return capacity_; }
    const T& operator[](std::size_t i) const { return items_[i]; }
    T& operator[](std::size_t i) { return items_[i]; }
    const T* Data() const { return items_; }
    T& Back() { return items_[size_ - 1]; }

private:
    void Release()
    {
        if (items_)
            munmap(items_, bytes_);
        items_ = nullptr;
        size_ = capacity_ = bytes_ = 0;
    }
    void Swap(TBigArray& other)
    {
        std::swap(items_, other.items_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
        std::swap(bytes_, other.bytes_);
    }

    T* items_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    std::size_t bytes_ = 0;
};
