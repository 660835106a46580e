@echo off
rem Sweepwright starts this script when the user confirms the removal. It removes what Velmora's
rem installer laid down, and nothing else: the programs and the libraries beside them, the
rem Start-menu shortcuts, the entry in Apps & features, and the folder once it is empty. A file
rem the installer did not lay down is kept, and named in a window, as is anything that could
rem not be removed: the wizard has closed by then.
rem
rem The user may close this window at any moment. So it only waits for the wizard to end, and
rem removes nothing: stopped here, Velmora stays installed, its entry in Apps & features able to
rem remove it again. sweepwright-report.exe, which closing the window does not stop, then runs the
rem step below that removes, "finish", in a console of its own without a window, the wizard's
rem program and the entry last, and at the very end removes itself, this script and the folder
rem (see removalreport_win.cpp).
rem
rem The folder's path may hold blanks and any of & ^ ( ) !: it is only ever used inside double
rem quotes, and delayed expansion stays off so that "!" is an ordinary letter. Errors are tested
rem with "if errorlevel", never "&&" or "||", which Wine's cmd.exe misreads after a redirection.
rem Every program is named by its path in the system folder: the working folder and PATH are
rem looked in first for a bare name, and anyone could have put a "ping.bat" there.
setlocal EnableExtensions DisableDelayedExpansion

set "here=%~dp0"
set "system=%SystemRoot%\System32"
rem What the installer lays down beside this script and sweepwright-report.exe, removed in this
rem order: Velmora first, the wizard's program last. The build of the installer checks that this
rem list and the installer's files are the same.
set "files=Velmora.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll platforms\qwindows.dll styles\qwindowsvistastyle.dll Sweepwright.exe"
set "menu=%APPDATA%\Microsoft\Windows\Start Menu\Programs\Velmora"
set "key=HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"
rem Out of the folder, so that nothing of this process holds it.
cd /d "%TEMP%" 2>nul
if errorlevel 1 cd /d "%system%"
if "%~1"=="finish" goto finish

title Removing Velmora
echo Velmora is being removed. This window closes by itself when it is done.

rem The wizard closes right after starting this script, and its program and libraries cannot be
rem removed while it runs. Nobody may open a running program for writing, on Windows or under
rem Wine: appending nothing to it tells whether the wizard has ended, without changing the file.
rem Half a minute at most; sweepwright-report.exe then finds it still in use and says so.
set /a tries=0
:wait
set "running="
if exist "%here%Sweepwright.exe" set "running=1"
if exist "%here%Sweepwright.exe" 2>nul >>"%here%Sweepwright.exe" set "running="
if not defined running goto ended
set /a tries+=1
if %tries% geq 30 goto ended
"%system%\PING.EXE" -n 2 127.0.0.1 >nul 2>&1
goto wait
:ended
rem Waited for, so that this window stays while the removal lasts; on the same line as the end,
rem because this file is gone when it returns.
"%here%sweepwright-report.exe" "%menu%" %files% & exit /b 0

:finish
del /f /q "%menu%\Velmora.lnk" >nul 2>&1
for %%f in (%files%) do del /f /q "%here%%%f" >nul 2>&1
rd "%here%platforms" >nul 2>&1
rd "%here%styles" >nul 2>&1
del /f /q "%menu%\Sweepwright.lnk" >nul 2>&1
rd "%menu%" >nul 2>&1
"%system%\reg.exe" delete "%key%" /f >nul 2>&1
exit /b 0
