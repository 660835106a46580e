@echo off
rem Sweepwright starts this script when the user confirms the removal, in this script's own
rem folder. It removes nothing itself: remove-velmora.exe beside it removes what Velmora's
rem installer laid down, and nothing else (the programs and the libraries beside them, the
rem Start-menu shortcuts, the entry in Apps & features), names in a window what it kept or could
rem not remove, and leaves a last step to remove itself, this script and the folder once they
rem are released. This window stays while it works, and remove-velmora.exe says so in it, in the
rem user's language.
rem
rem The user may close this window at any moment: remove-velmora.exe, made for the windows
rem subsystem, is attached to it only for the moment it writes its line, and goes on to its end
rem (see removevelmora_win.cpp).
rem
rem The folder's path is never written here: cmd.exe expands "%" even inside quotes, and Wine's
rem expands it again in %~dp0, so a folder such as C:\50%off would be misread. The program is
rem named relative to the folder this runs in. Nothing is named by a bare name: the working
rem folder and PATH would be looked in, and anyone could have put a program there.
setlocal EnableExtensions DisableDelayedExpansion
rem Waited for, so that this window stays while the removal lasts; on the same line as the end,
rem because this file is gone when it returns.
".\remove-velmora.exe" remove & exit /b 0
