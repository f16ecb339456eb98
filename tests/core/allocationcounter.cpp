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
