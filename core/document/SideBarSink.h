// What the document, the application and the views ask of the parameter side bar, and the main
// window's side of it: the main frame hosts the side bar's form and hands out its sink.
#pragma once

#include "framework/base/WinTypes.h"

class CView;
class CKelStrengthDoc;

class ISideBarSink {
 public:
  virtual ~ISideBarSink() = default;
  // Loads the current model of the attached document into the fields, shows the results and
  // updates the document's views; nothing without a document.
  virtual void RefreshFromDocument() = 0;
  // Reads every field (range-checked; a bad one abandons the whole apply, with a message when
  // showMessages), writes them into the current model and updates the views with redrawHint.
  virtual void ApplyParameters(int redrawHint, BOOL showMessages) = 0;
  // Enables or disables every parameter control.
  virtual void EnableControls(BOOL enable) = 0;
  // Rewrites the result fields with the display settings' decimal places.
  virtual void ShowResults() = 0;
  // A view became active (or inactive): its document is the one the side bar shows.
  virtual void AttachDocument(CView* view, CKelStrengthDoc* document, BOOL activate) = 0;
  // The width the docked side bar wants, in pixels.
  virtual int GetPanelWidth() = 0;
};

// The main window's side of it (the main frame implements it).
class ISideBarHost {
 public:
  virtual ~ISideBarHost() = default;
  virtual ISideBarSink* GetSideBar() = 0;
  virtual void SetSideBar(ISideBarSink* sideBar) = 0;
};
