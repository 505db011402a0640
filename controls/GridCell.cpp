#include "controls/GridCell.h"

IMPLEMENT_DYNCREATE(CGridCell, CObject)

CGridCell::CGridCell()
    : m_nType(GRIDTYPE_TEXT),
      m_nState(0),
      m_nFormat(0),
      m_nImage(-1),
      m_crBkClr(GRIDCLR_DEFAULT),
      m_crFgClr(GRIDCLR_DEFAULT),
      m_lParam(0),
      m_lfFont(),
      m_pValueImageList(nullptr),
      m_bValueImageTransparent(0) {}

CGridCell::~CGridCell() = default;
