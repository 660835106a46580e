#pragma once

#include <QStringList>

// The folders a face the system lacks is loaded from, in the order they are tried. Each is one
// the program may trust: a font file is parsed as it is read, and one planted in a folder
// anybody may write to must never be.
QStringList fontFolders();
