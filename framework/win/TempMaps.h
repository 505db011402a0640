// Internal: the temporary wrappers of GDI objects and device contexts (see AfxDeleteTempMaps).
#pragma once

void AfxDeleteTempGdiMaps();
int AfxGetTemporaryGdiCount();
class CDC;
typedef struct HDC__* HDC;
CDC* AfxTempDC(HDC hDC);

// Per-thread maps: every thread that makes one notes it (once); AfxTermThread frees them all.
void AfxNoteThreadMaps();
void AfxFreeThreadWindowMaps();
void AfxFreeThreadGdiMaps();
