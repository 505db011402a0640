// Ids of the grid test dialogs.
#pragma once

#define IDD_GRID 300
#define IDC_BEFORE 3001
#define IDC_AFTER 3002
#define IDC_GRID 1175
#define IDC_GRID2 3003
