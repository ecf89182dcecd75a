#include "screens/services/memory.h"

#include <QtGlobal>

#if defined(Q_OS_LINUX) && defined(__GLIBC__)
#include <malloc.h>
#endif

namespace numora {

void keepLargeBlocksApart()
{
#if defined(Q_OS_LINUX) && defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

void releaseFreedMemory()
{
#if defined(Q_OS_LINUX) && defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace numora
