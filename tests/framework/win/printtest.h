// Ids of the printing test application.
#pragma once

#define IDR_PRINTMAIN 100
#define IDR_PRINTDOC 200
#define IDD_PRINT_BAR 300
#define ID_TEST_BAR_HANDLED 32810
#define ID_TEST_BAR_UNHANDLED 32811
