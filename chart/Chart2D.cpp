#include "chart/Chart2D.h"

#include <new>

#include "framework/win/DeviceContext.h"
#include "framework/win/MessageMap.h"

const char kChart2DClassName[] = "OlectraChart2D";

namespace {

bool RegisterChartClass() {
  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = ::DefWindowProcA;  // the framework routes the messages
  wc.hInstance = AfxGetInstanceHandle();
  wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kChart2DClassName;
  return AfxRegisterClass(&wc) != FALSE;
}

}  // namespace

IMPLEMENT_DYNAMIC(CChart2D, CWnd)

BEGIN_MESSAGE_MAP(CChart2D, CWnd)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

CChart2D::CChart2D() = default;

CChart2D::~CChart2D() {
  Destroy();
}

BOOL CChart2D::Create(LPCSTR title, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  if (m_hWnd) return FALSE;
  m_chart.reset();
  if (!RegisterChartClass()) return FALSE;
  if (!CWnd::Create(kChart2DClassName, title ? title : "", style, rect, parent, id)) return FALSE;
  m_chart.reset(new (std::nothrow) qxchart::Chart);
  if (!m_chart) {
    DestroyWindow();
    return FALSE;
  }
  m_chart->AttachWindow(m_hWnd);
  return TRUE;
}

void CChart2D::Destroy() {
  if (m_hWnd) DestroyWindow();
  m_chart.reset();
}

BOOL CChart2D::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) {
  return 0;
}

BOOL CChart2D::OnEraseBkgnd(CDC*) {
  return TRUE;  // painting covers everything
}

void CChart2D::OnPaint() {
  CPaintDC dc(this);
  if (!dc.m_hDC) return;
  if (m_chart) {
    m_chart->PaintBuffered(dc.m_hDC);
  } else {
    ::FillRect(dc.m_hDC, &dc.m_ps.rcPaint, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  }
}

void CChart2D::OnNcDestroy() {
  if (m_chart) m_chart->AttachWindow(nullptr);
  CWnd::OnNcDestroy();
}
