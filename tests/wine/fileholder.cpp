// The real runs' stand-in for a scanner or an indexer: holds a file open as they do, letting
// others read and write it but not delete it, until it is killed or the time given is over.
// With "load", it is a program from elsewhere that has loaded a library, which nobody can delete
// then, whatever it lets others do.
//
//     fileholder <file> <seconds> [load]

#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t **argv)
{
    if (argc != 3 && argc != 4) {
        std::fputs("usage: fileholder <file> <seconds> [load]\n", stderr);
        return 2;
    }
    const DWORD seconds = static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10));
    if (argc == 4) {
        // Mapped as the loader maps it, without running any of it.
        if (LoadLibraryExW(argv[1], nullptr, DONT_RESOLVE_DLL_REFERENCES) == nullptr) {
            std::fprintf(
                stderr, "fileholder: cannot load the library (error %lu)\n", GetLastError());
            return 1;
        }
        Sleep(seconds * 1000);
        return 0;
    }
    const HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "fileholder: cannot open the file (error %lu)\n", GetLastError());
        return 1;
    }
    Sleep(seconds * 1000);
    CloseHandle(file);
    return 0;
}
