#include "shell/PlaceholderView.h"

#include "core/document/KelStrengthDoc.h"
#include "core/document/SideBarSink.h"
#include "framework/win/DeviceContext.h"

IMPLEMENT_DYNCREATE(CPlaceholderView, CView)

namespace {

const char* const kCriterionNames[] = {"Generalized Hoek-Brown", "Mohr-Coulomb", "Barton-Bandis",
                                       "Power Curve"};

}  // namespace

void CPlaceholderView::OnDraw(CDC* dc) {
  RECT rc;
  GetClientRect(&rc);
  ::FillRect(dc->m_hDC, &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  CKelStrengthDoc* doc = dynamic_cast<CKelStrengthDoc*>(GetDocument());
  if (!doc) return;
  CString text = doc->m_strTitle + "\n\n";
  if (doc->m_nCriterion >= 0 && doc->m_nCriterion < 4) text += kCriterionNames[doc->m_nCriterion];
  text += "   " + doc->m_pActiveCriterion->GetStressUnitLabel(TRUE);
  ::SetBkMode(dc->m_hDC, TRANSPARENT);
  HGDIOBJ old = ::SelectObject(dc->m_hDC, ::GetStockObject(DEFAULT_GUI_FONT));
  RECT box = rc;
  box.top += (rc.bottom - rc.top) / 3;
  ::DrawTextA(dc->m_hDC, text, -1, &box, DT_CENTER | DT_WORDBREAK);
  ::SelectObject(dc->m_hDC, old);
}

void CPlaceholderView::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) {
  CView::OnActivateView(activate, activateView, deactiveView);
  if (ISideBarSink* bar = AfxGetSideBar())
    bar->AttachDocument(this, dynamic_cast<CKelStrengthDoc*>(GetDocument()), activate);
}

void CPlaceholderView::OnUpdate(CView*, LPARAM, CObject*) {
  Invalidate(TRUE);
}
