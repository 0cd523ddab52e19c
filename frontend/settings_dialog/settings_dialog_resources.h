#pragma once
// The program's icon, also the dialog's: the lowest icon id is the one
// Windows shows for Miravel.scr.
#define IDI_MIRAVEL 1
#define IDB_MARK_UNSELECTED 4201
#define IDB_MARK_SELECTED 4202
