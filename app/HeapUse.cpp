#include "app/HeapUse.h"

#include <malloc.h>

void ReturnLoadBuffersToTheSystem() {
    // A fixed threshold: glibc would otherwise raise it past the size of the
    // first big buffer freed, and keep every later one in the heap.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    mallopt(M_TRIM_THRESHOLD, 1024 * 1024);
}
