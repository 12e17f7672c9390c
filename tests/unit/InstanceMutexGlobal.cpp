// The native tests' own copy of the program's mutex holder, which the guard reads; each test sets the
// creation error it needs.
#include "app/InstanceMutex.h"

CInstanceMutex g_instanceMutex(kInstanceMutexName);
