#pragma once

// What makes a plugin planted in the working folder, where no plugin of the program's may come
// from, tell that it was loaded: a file named after it, beside it, which the drive-root run looks
// for. themeplugin.cpp and imageplugin.cpp are the two plugins planted.

#include <QObject>

#include <windows.h>

#include <string>

struct LeavesAMark
{
    LeavesAMark()
    {
        HMODULE self = nullptr;
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS
                               | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCWSTR>(&mark), &self);
        std::wstring path(MAX_PATH, L'\0');
        path.resize(GetModuleFileNameW(self, path.data(), MAX_PATH));
        const HANDLE file = CreateFileW((path + L".loaded").c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
    static inline int mark = 0;
};
static const LeavesAMark leavesAMark;
