#include "chart/chart2d.h"

#include <new>

const char kChart2DClassName[] = "QuarvexChart2D";

namespace {

qxchart::Chart* ChartOf(HWND hwnd) {
  return reinterpret_cast<qxchart::Chart*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK ChartWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    switch (message) {
      case WM_ERASEBKGND:
        return 1;  // painting covers everything
      case WM_PAINT: {
        if (qxchart::Chart* chart = ChartOf(hwnd)) {
          chart->PaintWindow();
          return 0;
        }
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (dc) FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        EndPaint(hwnd, &ps);
        return 0;
      }
      case WM_SIZE: {
        int repaint = 0, updates = 0;
        qxchart::Chart* chart = ChartOf(hwnd);
        if (chart && chart->GetInt(qxchart::prop::kRepaint, &repaint) &&
            chart->GetInt(qxchart::prop::kUpdatesOn, &updates) && repaint && updates)
          InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
      }
      case WM_NCDESTROY:
        if (qxchart::Chart* chart = ChartOf(hwnd)) chart->AttachWindow(nullptr);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        break;
      default:
        break;
    }
  } catch (...) {
    // Nothing may cross the window procedure; the chart simply stays as it was.
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool RegisterChartClass() {
  static const bool registered = [] {
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ChartWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kChart2DClassName;
    return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

}  // namespace

CChart2D::~CChart2D() {
  Destroy();
}

BOOL CChart2D::Create(LPCSTR title, DWORD style, const RECT& rect, HWND parent, UINT id) {
  Destroy();
  if (!RegisterChartClass()) return FALSE;
  m_hWnd = CreateWindowExA(0, kChart2DClassName, title ? title : "", style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
  if (!m_hWnd) return FALSE;
  m_hChart = new (std::nothrow) qxchart::Chart;
  if (!m_hChart) {
    DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    return FALSE;
  }
  SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(m_hChart));
  m_hChart->AttachWindow(m_hWnd);
  return TRUE;
}

void CChart2D::Destroy() {
  if (m_hWnd) {
    if (IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
  }
  if (m_hChart) {
    delete m_hChart;
    m_hChart = nullptr;
  }
}
