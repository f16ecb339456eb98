#pragma once

// The bytes the test program holds on its heap at the moment: tests of
// memory compare it before and after an operation.
namespace tarvello {

long long LiveHeapBytes();

} // namespace tarvello
