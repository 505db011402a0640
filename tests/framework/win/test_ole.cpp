// OLE data transfer: data sources on the real clipboard, data objects reading it back within
// their blocks, drop targets answering the calls OLE makes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/win/AfxWin.h"
#include "framework/win/FrameworkIds.h"
#include "framework/win/WinApp.h"

namespace {

class OleTest : public ::testing::Test {
 protected:
  void SetUp() override { m_init = ::OleInitialize(NULL); }
  void TearDown() override {
    if (SUCCEEDED(m_init)) ::OleUninitialize();
  }
  HRESULT m_init = E_FAIL;
};

HGLOBAL MakeBlock(const void* bytes, size_t size) {
  HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(::GlobalLock(h), bytes, size);
  ::GlobalUnlock(h);
  return h;
}

HGLOBAL MakeText(const char* text) {
  return MakeBlock(text, std::strlen(text) + 1);
}

std::string PlainClipboardText() {
  std::string text;
  if (!::OpenClipboard(NULL)) return "<no clipboard>";
  if (HANDLE h = ::GetClipboardData(CF_TEXT)) text = AfxGetGlobalText(h).GetString();
  ::CloseClipboard();
  return text;
}

TEST_F(OleTest, CopiedTextOutlivesItsSourceOnTheClipboard) {
  ASSERT_TRUE(SUCCEEDED(m_init));
  COleDataSource* source = new COleDataSource;
  source->CacheGlobalData(CF_TEXT, MakeText("1\t2\r\n \t4"));
  source->CacheGlobalData(CF_TEXT, MakeText("sig3\tsig1"));  // replaces the first block
  ASSERT_TRUE(source->SetClipboard());
  delete source;

  EXPECT_EQ(PlainClipboardText(), "sig3\tsig1");
  COleDataObject data;
  ASSERT_TRUE(data.AttachClipboard());
  EXPECT_TRUE(data.IsDataAvailable(CF_TEXT));
  EXPECT_FALSE(data.IsDataAvailable(CF_BITMAP));
  HGLOBAL h = data.GetGlobalData(CF_TEXT);
  ASSERT_TRUE(h != NULL);
  EXPECT_EQ(AfxGetGlobalText(h), "sig3\tsig1");
  ::GlobalFree(h);
  EXPECT_TRUE(data.GetGlobalData(CF_BITMAP) == NULL);
}

TEST_F(OleTest, TextFromAGlobalBlockStopsAtItsEndOrFirstNul) {
  const char noNul[5] = {'a', 'b', 'c', 'd', 'e'};
  HGLOBAL h = MakeBlock(noNul, sizeof noNul);
  EXPECT_EQ(AfxGetGlobalText(h), "abcde");
  ::GlobalFree(h);
  const char inner[6] = {'1', '\t', '2', '\0', 'x', 'y'};
  h = MakeBlock(inner, sizeof inner);
  EXPECT_EQ(AfxGetGlobalText(h), "1\t2");
  ::GlobalFree(h);
  EXPECT_TRUE(AfxGetGlobalText(NULL).IsEmpty());
}

TEST_F(OleTest, DataSourceOffersOnlyWhatItCaches) {
  COleDataSource source;
  IDataObject* object = source.GetDataObject();
  FORMATETC fe = {CF_TEXT, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  EXPECT_NE(object->QueryGetData(&fe), S_OK);
  source.CacheGlobalData(CF_TEXT, MakeText("x"));
  EXPECT_EQ(object->QueryGetData(&fe), S_OK);
  fe.tymed = TYMED_ISTREAM;
  EXPECT_NE(object->QueryGetData(&fe), S_OK);

  IEnumFORMATETC* formats = NULL;
  ASSERT_EQ(object->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
  FORMATETC got[2];
  ULONG n = 0;
  formats->Next(2, got, &n);
  formats->Release();
  ASSERT_EQ(n, 1u);
  EXPECT_EQ(got[0].cfFormat, CF_TEXT);

  // Each GetData hands out a copy the receiver owns.
  COleDataObject data;
  data.Attach(object);
  HGLOBAL a = data.GetGlobalData(CF_TEXT);
  HGLOBAL b = data.GetGlobalData(CF_TEXT);
  ASSERT_TRUE(a && b);
  EXPECT_NE(a, b);
  ::GlobalFree(a);
  ::GlobalFree(b);
  source.Empty();
  EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
}

// A drop target that logs what reaches it and answers as told.
class CLogTarget : public COleDropTarget {
 public:
  std::vector<std::string> log;
  DROPEFFECT answer = DROPEFFECT_COPY;
  DROPEFFECT scroll = DROPEFFECT_NONE;
  BOOL take = TRUE;
  CPoint last;
  std::string Describe(const char* what, COleDataObject* data, CPoint p) {
    last = p;
    std::string s = what;
    if (data) s += data->IsDataAvailable(CF_TEXT) ? " text" : " none";
    return s;
  }
  DROPEFFECT OnDragEnter(CWnd*, COleDataObject* d, DWORD, CPoint p) override {
    log.push_back(Describe("enter", d, p));
    return answer;
  }
  DROPEFFECT OnDragOver(CWnd*, COleDataObject* d, DWORD, CPoint p) override {
    log.push_back(Describe("over", d, p));
    return answer;
  }
  BOOL OnDrop(CWnd*, COleDataObject* d, DROPEFFECT e, CPoint p) override {
    log.push_back(Describe("drop", d, p) + (e == DROPEFFECT_MOVE ? " move" : " copy"));
    return take;
  }
  void OnDragLeave(CWnd*) override { log.push_back("leave"); }
  DROPEFFECT OnDragScroll(CWnd*, DWORD, CPoint) override { return scroll; }
};

TEST_F(OleTest, DropTargetTurnsOleCallsIntoHandlerCalls) {
  CWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, NULL, "drop", WS_POPUP, CRect(100, 100, 300, 200), NULL, 0));
  CLogTarget target;
  EXPECT_FALSE(target.Register(NULL));
  ASSERT_TRUE(target.Register(&wnd));
  EXPECT_FALSE(target.Register(&wnd));  // once only

  COleDataSource source;
  source.CacheGlobalData(CF_TEXT, MakeText("5"));
  IDropTarget* ole = target.GetDropTarget();
  POINTL screen = {110, 120};
  DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  ASSERT_EQ(ole->DragEnter(source.GetDataObject(), 0, screen, &effect), S_OK);
  EXPECT_EQ(effect, (DWORD)DROPEFFECT_COPY);
  EXPECT_EQ(target.last, CPoint(10, 20));  // client coordinates

  // An answer the source does not allow becomes "none".
  target.answer = DROPEFFECT_MOVE;
  effect = DROPEFFECT_COPY;
  ole->DragOver(0, screen, &effect);
  EXPECT_EQ(effect, (DWORD)DROPEFFECT_NONE);

  // A scroll answer stands for the move.
  target.scroll = DROPEFFECT_SCROLL | DROPEFFECT_COPY;
  effect = DROPEFFECT_COPY;
  ole->DragOver(0, screen, &effect);
  EXPECT_EQ(effect, (DWORD)(DROPEFFECT_SCROLL | DROPEFFECT_COPY));
  target.scroll = DROPEFFECT_NONE;

  effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  ole->Drop(source.GetDataObject(), 0, POINTL{150, 150}, &effect);
  EXPECT_EQ(effect, (DWORD)DROPEFFECT_MOVE);
  std::vector<std::string> expected = {"enter text", "over text", "over text",
                                       "drop text move"};
  EXPECT_EQ(target.log, expected);
  EXPECT_EQ(target.last, CPoint(50, 50));

  // A refused drop reports no effect; a drop nobody accepts is a leave.
  target.log.clear();
  target.take = FALSE;
  effect = DROPEFFECT_MOVE;
  ole->DragEnter(source.GetDataObject(), 0, screen, &effect);
  ole->Drop(source.GetDataObject(), 0, screen, &effect);
  EXPECT_EQ(effect, (DWORD)DROPEFFECT_NONE);
  target.answer = DROPEFFECT_NONE;
  effect = DROPEFFECT_MOVE;
  ole->Drop(source.GetDataObject(), 0, screen, &effect);
  expected = {"enter text", "over text", "drop text move", "over text", "leave"};
  EXPECT_EQ(target.log, expected);

  // Once revoked, calls are answered without reaching the handlers.
  target.Revoke();
  EXPECT_FALSE(target.IsRegistered());
  target.log.clear();
  target.answer = DROPEFFECT_COPY;
  effect = DROPEFFECT_COPY;
  ole->DragEnter(source.GetDataObject(), 0, screen, &effect);
  EXPECT_EQ(effect, (DWORD)DROPEFFECT_NONE);
  EXPECT_TRUE(target.log.empty());
  wnd.DestroyWindow();
}

TEST(FrameworkAdditions, StandardCursorsNeedNoApplication) {
  EXPECT_EQ(CWinApp::LoadStandardCursor(IDC_SIZEWE), ::LoadCursorA(NULL, IDC_SIZEWE));
  EXPECT_TRUE(CWinApp::LoadStandardCursor(IDC_IBEAM) != NULL);
  EXPECT_EQ(ID_EDIT_COPY, 57634);
  EXPECT_EQ(ID_EDIT_CUT, 57635);
  EXPECT_EQ(ID_EDIT_PASTE, 57637);
  EXPECT_EQ(ID_EDIT_SELECT_ALL, 57642);
}

}  // namespace
