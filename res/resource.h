// Resource ids of quarvex.rc.
#ifndef QUARVEX_RES_RESOURCE_H
#define QUARVEX_RES_RESOURCE_H

#define IDR_MAINFRAME 142
#define IDR_KELSTRTYPE 143
#define IDB_SPLASH 173

#endif
