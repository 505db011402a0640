// Resource ids of the lab-data fit dialogs.
#ifndef QUARVEX_RES_FITDIALOGRESOURCES_H
#define QUARVEX_RES_FITDIALOGRESOURCES_H

// Dialog templates.
#define IDD_FIT_HOEK_BROWN 164
#define IDD_FIT_BARTON_BANDIS 178
#define IDD_FIT_POWER_CURVE 179
#define IDD_FIT_ROCK_MASS 181
#define IDD_FIT_MOHR_COULOMB 182

// Icons of the grid's Paste and Copy buttons (the side bar's Copy Data buttons show IDI_COPY
// too).
#define IDI_PASTE 151
#define IDI_COPY 155

// Controls every fit dialog has.
#define IDC_FIT_METHOD 16653       // curve-fitting method
#define IDC_FIT_TEST_COUNT 1147    // number of tests
#define IDC_FIT_TEST_SPIN 1118     // its spin button
#define IDC_FIT_GRID 1175          // the data grid
#define IDC_FIT_COPY 1371
#define IDC_FIT_PASTE 1328
#define IDC_FIT_IMPORT 1417
#define IDC_FIT_CHART_FRAME 1327   // the chart window lies inside it
#define IDC_FIT_RESIDUALS 1389
#define IDC_FIT_MOGI 1386          // Plot Mogi's Line
#define IDC_FIT_STATUS 1413        // status line (red)
#define IDC_FIT_APPLY 1419

// Hoek-Brown lab data and rock mass.
#define IDC_FIT_STRESS_UNIT 1325   // stress unit beside sigci
#define IDC_FIT_MI 1275
#define IDC_FIT_SIGCI 1267
#define IDC_FIT_RM_SIGCI 1390      // rock mass: the given sigci
#define IDC_FIT_RM_D 1391          // rock mass: the given D
#define IDC_FIT_RM_A 1261
#define IDC_FIT_RM_GSI 1249
#define IDC_FIT_RM_MB 1279
#define IDC_FIT_RM_S 1258

// Mohr-Coulomb and power curve: the data type.
#define IDC_FIT_TRIAXIAL 1403
#define IDC_FIT_DIRECT_SHEAR 1404

// Mohr-Coulomb.
#define IDC_FIT_MC_C 1288
#define IDC_FIT_MC_C_UNIT 1402
#define IDC_FIT_MC_PHI 1302
#define IDC_FIT_MC_SIGT 1310
#define IDC_FIT_MC_SIGT_UNIT 16651

// Barton-Bandis.
#define IDC_FIT_BB_PHIR 1411
#define IDC_FIT_BB_DEG 1410
#define IDC_FIT_BB_JRC 1408
#define IDC_FIT_BB_JCS 1173
#define IDC_FIT_BB_JCS_UNIT 1163

// Power curve.
#define IDC_FIT_PC_A 1098
#define IDC_FIT_PC_D 1109
#define IDC_FIT_PC_D_UNIT 1409
#define IDC_FIT_PC_B 1128

#endif
