// Resource ids of the welcome screen, about box, technical support and the update check.
#ifndef QUARVEX_RES_WELCOMERESOURCES_H
#define QUARVEX_RES_WELCOMERESOURCES_H

#endif
