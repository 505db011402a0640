// Resource ids of the small MDI test application.
#pragma once

#define IDR_TESTMAIN 100
#define IDR_TESTDOC 200
#define ID_TEST_ROUTE 32800
#define ID_TEST_ENABLED 32801
#define ID_TEST_NOHANDLER 32802
#define ID_TEST_CHECKED 32803
#define ID_TEST_RADIO 32804
#define ID_TEST_TEXT 32805
#define IDR_TESTTOOLBAR 300
#define IDD_TESTFORM 400
