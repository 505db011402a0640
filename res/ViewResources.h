// Resource ids of the analysis view and the side bar.
#ifndef QUARVEX_RES_VIEWRESOURCES_H
#define QUARVEX_RES_VIEWRESOURCES_H

// 48 x 48 data-type pictures on magenta, load arrows in pure blue.
#define IDB_DIRECT_SHEAR_SPECIMEN 175
#define IDB_TRIAXIAL_SPECIMEN 176

#endif
