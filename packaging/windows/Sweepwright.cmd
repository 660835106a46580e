@echo off
rem Sweepwright starts this script when the user confirms the removal. It removes what Velmora's
rem installer laid down, and nothing else: the programs and the libraries beside them, the
rem Start-menu shortcuts, the entry in Apps & features, and the folder once it is empty. A file
rem the installer did not lay down is kept, and named in a window, as is anything that could
rem not be removed: the wizard has closed by then, and nobody reads this console.
rem
rem The folder's path may hold blanks and any of & ^ ( ) !: it is only ever used inside double
rem quotes, or through a FOR variable, which cmd.exe does not parse again, and delayed
rem expansion stays off so that "!" is an ordinary letter. Errors are tested with "if errorlevel",
rem never "&&" or "||", which Wine's cmd.exe misreads after a redirection.
setlocal EnableExtensions DisableDelayedExpansion

set "here=%~dp0"
rem What the installer lays down beside this script and sweepwright-report.exe. The build of
rem the installer checks that this list and the installer's files are the same.
set "files=Velmora.exe Sweepwright.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll platforms\qwindows.dll styles\qwindowsvistastyle.dll"
set "menu=%APPDATA%\Microsoft\Windows\Start Menu\Programs\Velmora"
set "key=HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"
set "report=%TEMP%\Sweepwright-%RANDOM%%RANDOM%.txt"
rem Out of the folder, so that nothing of this console holds it.
cd /d "%TEMP%" 2>nul
if errorlevel 1 cd /d "%SystemRoot%"

rem The wizard closes right after starting this script. Until it has ended, Windows keeps its
rem program and libraries from being deleted: wait for that, half a minute at most.
set /a tries=0
:wait
del /f /q "%here%Sweepwright.exe" >nul 2>&1
if not exist "%here%Sweepwright.exe" goto ended
set /a tries+=1
if %tries% geq 30 goto ended
ping -n 2 127.0.0.1 >nul 2>&1
goto wait
:ended

for %%f in (%files%) do del /f /q "%here%%%f" >nul 2>&1
rd "%here%platforms" >nul 2>&1
rd "%here%styles" >nul 2>&1
del /f /q "%menu%\Velmora.lnk" "%menu%\Sweepwright.lnk" >nul 2>&1
rd "%menu%" >nul 2>&1
reg delete "%key%" /f >nul 2>&1

rem What is left: what could not be removed, then what the installer did not lay down. Each line
rem is written with its redirection first, so that a name ending in a digit stays whole.
type nul >"%report%"
for %%f in (%files%) do for %%p in ("%here%%%f") do if exist %%p >>"%report%" echo     %%~p
for %%p in ("%menu%\Velmora.lnk" "%menu%\Sweepwright.lnk") do if exist %%p >>"%report%" echo     %%~p
reg query "%key%" >nul 2>&1
if not errorlevel 1 >>"%report%" echo     The entry "Velmora" in Apps ^& features
set "failed="
for %%r in ("%report%") do if %%~zr gtr 0 set failed=1

set "kept=%TEMP%\Sweepwright-%RANDOM%%RANDOM%.txt"
type nul >"%kept%"
for /f "delims=" %%p in ('dir /b /s /a-d "%here%" 2^>nul') do (
    set "ours="
    for %%f in (%files% Sweepwright.cmd sweepwright-report.exe) do if /i "%%~p"=="%here%%%f" set ours=1
    if not defined ours >>"%kept%" echo     %%~p
)
set "foreign="
for %%r in ("%kept%") do if %%~zr gtr 0 set foreign=1

if not defined failed if not defined foreign goto reported
set "text=%TEMP%\Sweepwright-%RANDOM%%RANDOM%.txt"
rem One redirection per line: Wine's cmd.exe does not redirect a bracketed block.
type nul >"%text%"
if not defined failed goto failuresTold
>>"%text%" echo Velmora has not been removed completely. These could not be removed; if Velmora is running, close it, then delete them yourself:
>>"%text%" echo.
type "%report%" >>"%text%"
>>"%text%" echo.
:failuresTold
if not defined foreign goto foreignTold
>>"%text%" echo These files were not installed with Velmora, so they have been kept, and so has their folder:
>>"%text%" echo.
type "%kept%" >>"%text%"
:foreignTold
start "" /wait "%here%sweepwright-report.exe" "%text%"
del /f /q "%text%" >nul 2>&1
:reported
del /f /q "%report%" "%kept%" >nul 2>&1

rem The report window's program, once Windows lets it go; then the folder, once this script has
rem ended and nothing holds it any more. The folder's name reaches that last command through the
rem environment, so that no line here has to quote it twice.
set /a tries=0
:release
del /f /q "%here%sweepwright-report.exe" >nul 2>&1
if not exist "%here%sweepwright-report.exe" goto released
set /a tries+=1
if %tries% geq 10 goto released
ping -n 2 127.0.0.1 >nul 2>&1
goto release
:released
start "" /b cmd /d /c "ping -n 3 127.0.0.1 >nul & rd "%%here%%" >nul 2>&1"
del /f /q "%~f0" >nul 2>&1 & exit /b 0
