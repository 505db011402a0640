// Resource ids of the reference pick dialogs.
#ifndef QUARVEX_RES_PICKTABLERESOURCES_H
#define QUARVEX_RES_PICKTABLERESOURCES_H

#endif
