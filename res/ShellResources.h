// Resource ids of the application shell: menus, accelerators, tool bars, strings, frame and settings dialogs.
#ifndef QUARVEX_RES_SHELLRESOURCES_H
#define QUARVEX_RES_SHELLRESOURCES_H

#endif
