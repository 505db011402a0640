// Ids of the test dialogs.
#pragma once

#define IDD_TEST_EXCHANGE 100
#define IDD_TEST_KEYS 101
#define IDC_INT_EDIT 1001
#define IDC_NUM_EDIT 1002
#define IDC_ENTER_EDIT 1003
#define IDC_PLAIN_EDIT 1004
#define IDC_BUTTON_A 1005
#define IDC_BUTTON_B 1006
#define IDD_TEST_FORM 102
#define IDC_FORM_TOP_EDIT 1007
#define IDC_FORM_LOW_EDIT 1008
