#include "vanishedlibrary.h"

int vanishedLibraryAnswer()
{
    return 0;
}
