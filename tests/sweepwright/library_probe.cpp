// A program whose shared library is gone: built without a path to the library, so that the
// system's program loader fails to find it wherever the program is copied, before main runs.

#include "vanishedlibrary.h"

int main()
{
    return vanishedLibraryAnswer();
}
