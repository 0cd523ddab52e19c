#pragma once
// The six skin pictures, in the order of the Skin values.
#define IDB_SKIN_NORMAL 4101
#define IDB_SKIN_HIGHLIGHT 4102
#define IDB_SKIN_PRESSED 4103
#define IDB_SKIN_SELECTED 4104
#define IDB_SKIN_HIGHLIGHT_SELECT 4105
#define IDB_SKIN_DISABLE 4106
