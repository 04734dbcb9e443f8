#pragma once

namespace wendrel {

// Draw without replacement from a process-wide table of up to 100 values.
// n > 0 refills the table with 0..min(n, 100)-1 and returns -1; n <= 0 draws one
// remaining value at random (one rand() call), or returns -1 when none is left.
int RandomPool(int n);

// Empties the table, as at program start.
void ResetRandomPool();

}  // namespace wendrel
