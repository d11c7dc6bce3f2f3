#include "UserFolders.h"

#include "WideText.h"

#include <windows.h>

std::string UserStateFolder()
{
    // The per-user, per-machine folder for program state; roaming profiles
    // would carry journals of this machine's files to other machines.
    const DWORD needed = GetEnvironmentVariableW(L"LOCALAPPDATA", nullptr, 0);
    if (needed == 0)
        return {};
    std::wstring folder(needed, L'\0');
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", folder.data(), needed);
    if (length == 0 || length >= needed)
        return {};
    folder.resize(length);
    return Utf8FromWide(folder) + "\\Quelbrook";
}

CoreText MissingStateFolderReason()
{
    return TextId::StateHomeUnsetWindows;
}

unsigned long CurrentProcessId()
{
    return GetCurrentProcessId();
}
