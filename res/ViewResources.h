// Resource ids of the analysis view and the side bar.
#ifndef QUARVEX_RES_VIEWRESOURCES_H
#define QUARVEX_RES_VIEWRESOURCES_H

#endif
