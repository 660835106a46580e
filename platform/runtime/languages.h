#pragma once

// The language the programs speak: the first of the user's languages that a catalogue of ours
// is there for, or English, the language the texts are written in, where none is. The
// catalogue (velmora_<language>.qm) holds both programs' texts; Qt's own (qtbase_<language>.qm),
// shipped beside it, gives the words of the standard buttons. Dates and month names follow the
// same language, so that a translated window never shows a month in another.

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The folders our catalogues lie in, the first that holds one wins: the folder "translations"
// beside the executable (an installation on Windows, a build folder), then, off Windows, the
// installation's data folder. Never a folder of anyone else's: a catalogue's words end up on
// every button.
QStringList translationFolders();

// Speaks the first of these languages, in the order of preference, that a catalogue in the
// folders is there for; English when none is. Gives the language chosen. The catalogues of an
// earlier call go; windows made before keep their texts.
QLocale useLanguage(QCoreApplication &app, const QStringList &languages,
                    const QStringList &folders);

// The user's languages as the system has them (on Linux LANGUAGE, LC_ALL, LC_MESSAGES and LANG;
// on Windows the display language), with the program's own catalogues.
QLocale useUserLanguage(QCoreApplication &app);
