#pragma once

// How the program asks the C library's allocator to give memory back. Both act with glibc on
// Linux and do nothing elsewhere.
namespace numora {

// Called once at start: blocks of 128 KB and more (the decoded pictures a window paints its
// background from, the help video's frames) are mapped for themselves and returned to the
// system the moment they are freed. By default glibc raises that size to the largest block
// freed so far, and the next blocks of that size then stay in its heap or arenas once freed.
void keepLargeBlocksApart();

// Returns to the system what the allocator keeps of memory already freed, in every arena.
void releaseFreedMemory();

} // namespace numora
