#include "chart/core/ChartIds.h"

namespace qxchart {

PropKind ChartPropKind(int id) {
  using namespace prop;
  switch (id) {
    case kRepaint:
    case kOption104:
    case kFrame:
    case kUpdatesOn:
    case kY2Option4302:
    case kY2Option4600:
    case kY2OptionF02:
    case kDataTypeOption4F01:
    case kDataShown5100:
    case kData2Shown5101:
    case kDecoration608:
    case kDecoration609:
    case kDecoration60A:
    case kDecoration60B:
    case kDecoration60C:
    case kXPrecision:
    case kYPrecision:
    case kMarginBottom:
    case kMarginLeft:
    case kMarginRight:
    case kMarginTop:
    case kXRangeAuto:
    case kYRangeAuto:
    case kXPrecisionAuto:
    case kYPrecisionAuto:
    case kXGridAuto:
    case kYGridAuto:
    case kXSpacingAuto:
    case kYSpacingAuto:
    case kMarginBottomAuto:
    case kMarginLeftAuto:
    case kMarginRightAuto:
    case kMarginTopAuto:
      return PropKind::Int;
    case kBackground:
      return PropKind::Color;
    case kData:
    case kData2:
      return PropKind::Data;
    case kXAxisStyle:
    case kYAxisStyle:
      return PropKind::Style;
    case kDataXMin:
    case kDataXMax:
    case kDataYMax:
    case kXTickSpacing:
    case kYTickSpacing:
    case kXGridSpacing:
    case kYGridSpacing:
    case kXMax:
    case kYMax:
    case kY2Max:
    case kXMin:
    case kYMin:
    case kY2Min:
      return PropKind::Double;
    case kFont:
    case kTitleFont:
      return PropKind::Font;
    case kXTitle:
    case kYTitle:
      return PropKind::String;
    default:
      return PropKind::None;
  }
}

PropKind TextAreaPropKind(int id) {
  using namespace prop;
  switch (id) {
    case kAreaAttach:
    case kAreaBorder:
    case kAreaAdjust:
    case kAreaShown:
    case kAreaAnchor:
      return PropKind::Int;
    case kBackground:
      return PropKind::Color;
    case kAreaX:
    case kAreaY:
      return PropKind::Double;
    case kAreaFont:
      return PropKind::Font;
    case kAreaLines:
      return PropKind::TextLines;
    default:
      return PropKind::None;
  }
}

}  // namespace qxchart
