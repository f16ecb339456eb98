#include "allocationcounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

#include <malloc.h>

namespace {

std::atomic<long long> g_live{0};

void *Allocate(std::size_t size)
{
    void *p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    g_live += static_cast<long long>(malloc_usable_size(p));
    return p;
}

void Release(void *p) noexcept
{
    if (!p)
        return;
    g_live -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}

} // namespace

void *operator new(std::size_t size) { return Allocate(size); }
void *operator new[](std::size_t size) { return Allocate(size); }
// The forms that return null instead of throwing (a temporary buffer of
// std::stable_sort takes one) are freed by the plain delete too.
void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    try {
        return Allocate(size);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}
void *operator new[](std::size_t size, const std::nothrow_t &tag) noexcept
{
    return operator new(size, tag);
}
void operator delete(void *p) noexcept { Release(p); }
void operator delete[](void *p) noexcept { Release(p); }
void operator delete(void *p, std::size_t) noexcept { Release(p); }
void operator delete[](void *p, std::size_t) noexcept { Release(p); }

namespace tarvello {

long long LiveHeapBytes()
{
    return g_live.load();
}

} // namespace tarvello
