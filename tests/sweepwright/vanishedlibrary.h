#pragma once

// A shared library that library_probe needs and that no copy of the probe finds: it stands for a
// library removed after the program was installed.
int vanishedLibraryAnswer();
