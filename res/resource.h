// Resource ids of quarvex.rc. Each part of the program keeps its ids in its own header.
#ifndef QUARVEX_RES_RESOURCE_H
#define QUARVEX_RES_RESOURCE_H

#define IDR_MAINFRAME 142
#define IDR_KELSTRTYPE 143
#define IDB_SPLASH 173

#include "res/ShellResources.h"
#include "res/ViewResources.h"
#include "res/FitDialogResources.h"
#include "res/PickTableResources.h"
#include "res/ReportResources.h"
#include "res/WelcomeResources.h"

#endif
