#include "document/MainSideBar.h"

#include "framework/win/AfxCore.h"
#include "framework/win/Wnd.h"

static ISideBarHost* MainHost() {
  return dynamic_cast<ISideBarHost*>(AfxGetMainWnd());
}

ISideBarSink* AfxGetSideBar() {
  ISideBarHost* host = MainHost();
  return host ? host->GetSideBar() : nullptr;
}

void AfxRegisterSideBar(ISideBarSink* sideBar) {
  if (ISideBarHost* host = MainHost()) host->SetSideBar(sideBar);
}

void RefreshSideBar() {
  if (ISideBarSink* bar = AfxGetSideBar()) bar->RefreshFromDocument();
}
