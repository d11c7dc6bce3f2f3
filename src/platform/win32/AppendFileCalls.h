#pragma once

#include <windows.h>

// The system calls through which CAppendFile writes a journal and makes it
// durable. Tests swap entries to count flushes or to inject the failures a
// full disk or a failing device produces.
struct AppendFileCalls {
    decltype(&WriteFile) writeFile;
    decltype(&FlushFileBuffers) flushFileBuffers;
    decltype(&CloseHandle) closeHandle;
};

// The calls in use; the real ones unless a test replaced them.
AppendFileCalls& CurrentAppendFileCalls();
