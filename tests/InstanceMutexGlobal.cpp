// The test programs' own mutex holder, which the guard reads in place of the program's. It has a name
// of its own, so a test program never looks like a running VexprobeHLX; each test sets the creation
// error it needs.
#include "app/InstanceMutex.h"

CInstanceMutex g_instanceMutex(TEXT("VexprobeHLX test programs"));
