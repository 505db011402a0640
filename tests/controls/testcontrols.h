// Ids of the control test dialogs.
#pragma once

#define IDD_SPIN 200
#define IDD_TIPS 201
#define IDD_TIPS_NOHELP 202
#define IDD_SWITCH 203
#define IDD_GALLERY 204
#define IDC_BUDDY 2001
#define IDC_SPIN 2002
#define IDC_OTHER 2003
#define IDC_TIP_BUTTON 2010
#define IDC_TIP_STATIC 2011
#define IDC_TIP_GROUP 2012
#define IDC_ANCHOR 2020
#define IDC_FRAME_A 2021
#define IDC_EDIT_A 2022
#define IDC_EDGE_A 2023
#define IDC_FRAME_B 2024
#define IDC_EDIT_B 2025
#define IDC_COMBO 2030
#define IDC_PICKER 2031
