// How the document, the application, the views and the fit dialogs find the parameter side bar:
// through the main window, which hosts its form (ISideBarHost).
#pragma once

#include "core/document/SideBarSink.h"

// The main window's side bar, or NULL when there is no main window or no side bar.
ISideBarSink* AfxGetSideBar();
// The side bar's form announces itself to the main window (from its constructor); a form that
// goes away announces NULL. Nothing happens without a main window that hosts a side bar.
void AfxRegisterSideBar(ISideBarSink* sideBar);
// Asks the side bar to reload from its document (after a fit dialog's Apply or OK).
void RefreshSideBar();
