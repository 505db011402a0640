// Resource ids of the lab-data fit dialogs.
#ifndef QUARVEX_RES_FITDIALOGRESOURCES_H
#define QUARVEX_RES_FITDIALOGRESOURCES_H

#endif
