#pragma once

namespace wendrel::testing {

// How many times operator new has been called in this test program so far.
long AllocationCount();

}  // namespace wendrel::testing
