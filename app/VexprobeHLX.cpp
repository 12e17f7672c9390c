// The program's process-wide objects. Both live in this one file because their order matters: the
// mutex is created before the application object, so it exists before the command line is read, and
// it is destroyed after it, so it is held for the whole life of the process.
#include "app/InstanceMutex.h"
#include "app/VexprobeApp.h"

CInstanceMutex g_instanceMutex(kInstanceMutexName);
CVexprobeApp theApp;
