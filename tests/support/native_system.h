#pragma once

// The operating system's own services, for test helpers that run on both platforms.

#ifdef _WIN32
#include "platform/win32/win32_system.h"
namespace qu::testing {
using NativeSystem = Win32System;
}
#else
#include "platform/posix/posix_system.h"
namespace qu::testing {
using NativeSystem = PosixSystem;
}
#endif
