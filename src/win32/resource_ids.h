#pragma once
// The resources of ppexport-gui.exe, shared by the resource script and the code that loads them.

// The program icon, the first icon of the .exe, which Explorer and the taskbar show.
#define IDI_PROGRAM 1

// The main window's picture at 100, 150 and 200 percent.
#define IDB_PICTURE_100 101
#define IDB_PICTURE_150 102
#define IDB_PICTURE_200 103
