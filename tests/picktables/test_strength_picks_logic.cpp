// The mi, disturbance factor, intact strength, JRC and JCS tables and what those dialogs
// remember between openings.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "picktables/DisturbanceCases.h"
#include "picktables/JcsTable.h"
#include "picktables/JrcRanges.h"
#include "picktables/MiTable.h"
#include "picktables/PickMemory.h"
#include "picktables/UcsGrades.h"
#include "res/PickTableResources.h"

namespace {

// ---- mi ----------------------------------------------------------------------------------------

std::vector<std::string> Names(const CMiTable& t) {
  std::vector<std::string> names;
  for (int i = 0; i < t.GetCount(); ++i) {
    CString name;
    EXPECT_TRUE(t.GetRow(i, nullptr, nullptr, &name));
    names.push_back(name.GetString());
  }
  return names;
}

TEST(MiTable, AllRowsSortedByNameAtFirst) {
  CMiTable t;
  ASSERT_EQ(t.GetCount(), 42);
  std::vector<std::string> names = Names(t);
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 7),
            (std::vector<std::string>{"Agglomerate", "Amphibolites", "Andesite", "Anhydrite",
                                      "Basalt", "Breccia", "Breccias"}));
  // Stored names read with blanks.
  EXPECT_NE(std::find(names.begin(), names.end(), "Crystalline Limestone"), names.end());
  int mi = 0, spread = 0;
  CString name;
  ASSERT_TRUE(t.GetRow(0, &mi, &spread, &name));
  EXPECT_EQ(mi, 19);
  EXPECT_EQ(spread, 3);
  mi = -7;
  EXPECT_FALSE(t.GetRow(42, &mi, &spread, &name));
  EXPECT_FALSE(t.GetRow(-1, &mi, &spread, &name));
  EXPECT_EQ(mi, -7);
  EXPECT_EQ(t.GetTableRow(34).texture, "very f!ne");
  EXPECT_EQ(t.GetTableRow(7).texture, "coarse medium");
}

TEST(MiTable, ClassAndTextureFilters) {
  CMiTable t;
  const char* classes[] = {"Sedimentary", "Igneous", "Metamorphic"};
  const int classCounts[] = {15, 17, 10};
  for (int i = 0; i < 3; ++i) {
    t.SetFilter(classes[i], "");
    EXPECT_EQ(t.GetCount(), classCounts[i]) << classes[i];
  }
  const char* textures[] = {"Coarse", "Medium", "Fine", "Very Fine"};
  const int textureCounts[] = {12, 15, 10, 8};
  for (int i = 0; i < 4; ++i) {
    t.SetFilter("", textures[i]);
    EXPECT_EQ(t.GetCount(), textureCounts[i]) << textures[i];
  }
  // "Fine" never lists a very-fine row, "Very Fine" never a fine one.
  t.SetFilter("", "Fine");
  for (int i = 0; i < t.GetCount(); ++i)
    EXPECT_EQ(t.GetTableRow(t.GetRowIndex(i)).texture, "fine");
  t.SetFilter("", "Very Fine");
  for (int i = 0; i < t.GetCount(); ++i)
    EXPECT_EQ(t.GetTableRow(t.GetRowIndex(i)).texture, "very f!ne");
  t.SetFilter("Igneous", "Medium");
  EXPECT_EQ(Names(t), (std::vector<std::string>{"Andesite", "Breccia", "Diorite", "Dolerite",
                                                "Granodiorite", "Norite", "Porphyries",
                                                "Rhyolite"}));
  t.SetFilter("", "");
  EXPECT_EQ(t.GetCount(), 42);
}

TEST(MiTable, EqualNamesKeepTableOrder) {
  // Sorting is by insertion, so the order of equal keys is the table's; checked on the sorted
  // list: every neighbour pair is in byte order.
  CMiTable t;
  std::vector<std::string> names = Names(t);
  for (size_t i = 1; i < names.size(); ++i) EXPECT_LE(names[i - 1], names[i]);
}

TEST(MiTable, LineAndWords) {
  EXPECT_EQ(FormatMiLine("Basalt", 25, 5), CString("Basalt    25 \xB1 5"));
  const CString classes("Sedimentary|Igneous|Metamorphic");
  EXPECT_EQ(ExtractWord(classes, 0), "Sedimentary");
  EXPECT_EQ(ExtractWord(classes, 2), "Metamorphic");
  EXPECT_EQ(ExtractWord(classes, 3), "");
  EXPECT_EQ(ExtractWord("Coarse|Medium", 1), "Medium");  // no separator after: the rest
  EXPECT_EQ(ExtractWord("Coarse|Medium", 2), "");
  EXPECT_EQ(ExtractWord("", 0), "");
}

// ---- disturbance factor ------------------------------------------------------------------------

TEST(DisturbanceCases, CasesAndTheirControls) {
  EXPECT_EQ(GetDisturbanceCase(DISTURBANCE_TUNNELS, 1).buttonId, IDC_DF_TUNNEL_CASE1);
  EXPECT_EQ(GetDisturbanceCase(DISTURBANCE_TUNNELS, 3).d, 0.5);
  EXPECT_EQ(GetDisturbanceCase(DISTURBANCE_TUNNELS, 4).d, 0.8);
  EXPECT_EQ(GetDisturbanceCase(DISTURBANCE_SLOPES, 2).buttonId, IDC_DF_SLOPE_CASE2);
  EXPECT_EQ(GetDisturbanceCase(DISTURBANCE_SLOPES, 3).d, 1.0);
  EXPECT_EQ(GetDisturbanceCase(DISTURBANCE_SLOPES, 4).d, 0.7);
  int tunnels = 0, slopes = 0;
  for (const int* id = DisturbanceControls(DISTURBANCE_TUNNELS); *id; ++id) ++tunnels;
  for (const int* id = DisturbanceControls(DISTURBANCE_SLOPES); *id; ++id) ++slopes;
  EXPECT_EQ(tunnels, 11);
  EXPECT_EQ(slopes, 9);
}

TEST(DisturbanceMemory, RemembersTheAcceptedCase) {
  CDisturbanceMemory m;
  int application = DISTURBANCE_SLOPES;
  EXPECT_EQ(m.SelectInitialCase(0.0, &application), -1);
  EXPECT_EQ(application, DISTURBANCE_SLOPES);  // nothing remembered: the caller's choice stays
  // Tunnels case 2 (D 0) accepted: opening with D 0 presses case 2, not case 1.
  m.Accept(DISTURBANCE_TUNNELS, 2);
  EXPECT_EQ(m.SelectInitialCase(0.0, &application), 2);
  EXPECT_EQ(application, DISTURBANCE_TUNNELS);
  application = DISTURBANCE_SLOPES;
  EXPECT_EQ(m.SelectInitialCase(0.5, &application), -1);  // D changed elsewhere
  EXPECT_EQ(application, DISTURBANCE_TUNNELS);  // the remembered application still wins
  m.Accept(DISTURBANCE_SLOPES, 3);
  EXPECT_EQ(m.SelectInitialCase(1.0, &application), 3);
  EXPECT_EQ(m.SelectInitialCase(0.99999999, &application), -1);  // exact comparison
  // OK with no case pressed forgets both.
  m.Accept(DISTURBANCE_SLOPES, -1);
  EXPECT_EQ(m.GetApplication(), -1);
  EXPECT_EQ(m.GetCase(), -1);
  application = DISTURBANCE_TUNNELS;
  EXPECT_EQ(m.SelectInitialCase(1.0, &application), -1);
  EXPECT_EQ(application, DISTURBANCE_TUNNELS);
}

TEST(DisturbanceMemory, TheCallersApplicationOnlyWhenNoneIsRemembered) {
  CDisturbanceMemory m;
  EXPECT_EQ(m.ApplyRequested(DISTURBANCE_TUNNELS, 1), DISTURBANCE_SLOPES);
  EXPECT_EQ(m.ApplyRequested(DISTURBANCE_SLOPES, 0), DISTURBANCE_TUNNELS);
  // General (-1) and Custom (2) leave the dialog's own choice.
  EXPECT_EQ(m.ApplyRequested(DISTURBANCE_SLOPES, -1), DISTURBANCE_SLOPES);
  EXPECT_EQ(m.ApplyRequested(DISTURBANCE_TUNNELS, 2), DISTURBANCE_TUNNELS);
  m.Accept(DISTURBANCE_TUNNELS, 4);
  EXPECT_EQ(m.ApplyRequested(DISTURBANCE_TUNNELS, 1), DISTURBANCE_TUNNELS);
}

// ---- intact strength, JRC ----------------------------------------------------------------------

TEST(UcsGrades, ValuesAndCaptionsByUnitSystem) {
  EXPECT_EQ(UcsGradeValue(2, 5), 25400.0);  // psi
  EXPECT_EQ(UcsGradeValue(2, 3), 25.0);     // ksi
  EXPECT_EQ(UcsGradeValue(1, 6), 5200000.0);
  EXPECT_EQ(GetUcsCaptions(6)->unit, std::string("psf"));
  EXPECT_EQ(UcsGradeValue(7, 0), 0.6);
  EXPECT_EQ(UcsGradeValue(6, 3), 0.4);
  EXPECT_EQ(UcsGradeValue(3, 2), 7650.0);
  EXPECT_EQ(UcsGradeValue(4, 7), 370.0);
  EXPECT_EQ(UcsGradeValue(0, 0), 0.0);
  EXPECT_EQ(UcsGradeValue(8, 0), 0.0);
  // An unknown unit system reads the MPa column and keeps the template's captions.
  EXPECT_EQ(UcsGradeValue(1, 8), 250.0);
  EXPECT_EQ(UcsGradeValue(1, -1), 250.0);
  EXPECT_EQ(GetUcsCaptions(8), nullptr);
  EXPECT_EQ(GetUcsCaptions(1)->heading, std::string("Strength (x 1000 kPa)"));
  EXPECT_EQ(GetUcsCaptions(1)->grades[6], std::string("0.25-1"));
  EXPECT_EQ(GetUcsCaptions(5)->grades[0], std::string(">35"));
  EXPECT_EQ(GetUcsCaptions(7)->grades[5], std::string("10.4-52"));
  EXPECT_EQ(GetUcsCaptions(2)->grades[4], std::string("5.1-26"));
  EXPECT_EQ(UcsGradeButton(1), IDC_UCS_GRADE1);
  EXPECT_EQ(UcsGradeButton(7), IDC_UCS_GRADE7);
  EXPECT_EQ(UcsGradeButton(0), 0);
}

TEST(JrcRanges, CaptionsAndMiddles) {
  EXPECT_EQ(JrcRangeCaption(1), "JRC = 0 - 2");
  EXPECT_EQ(JrcRangeCaption(5), "JRC = 8 - 10");
  EXPECT_EQ(JrcRangeCaption(10), "JRC = 18 - 20");
  EXPECT_EQ(JrcRangeMidpoint(5), 9.0);
  EXPECT_EQ(JrcRangeMidpoint(10), 19.0);
  EXPECT_EQ(JrcRangeButton(1), IDC_JRC_RANGE1);
  EXPECT_EQ(JrcRangeButton(10), IDC_JRC_RANGE10);
}

TEST(RememberedChoice, OnlyOkChangesIt) {
  CRememberedChoice c;
  EXPECT_EQ(c.Get(), -1);
  c.Accept(3);
  EXPECT_EQ(c.Get(), 3);
  c.Accept(-1);  // OK with nothing pressed forgets it
  EXPECT_EQ(c.Get(), -1);
  c.Accept(0);
  EXPECT_EQ(c.Get(), -1);
}

// ---- JCS ---------------------------------------------------------------------------------------

TEST(JcsTable, RowsByUnitSystem) {
  CJcsTable t;
  EXPECT_EQ(t.GetRow(9).description, "Medium strong rock");
  EXPECT_EQ(t.GetRow(9).value, 37.5);
  EXPECT_EQ(JcsPickedValue(t.GetRow(9), true), 9.375);
  EXPECT_EQ(JcsPickedValue(t.GetRow(9), false), 37.5);
  EXPECT_EQ(t.GetRow(1).value, 0.038);  // "Soft clay": the middle to the decimals shown
  EXPECT_EQ(JcsPickedValue(t.GetRow(1), true), 0.038);  // soil is never reduced
  EXPECT_EQ(t.GetRow(12).range, ">250");
  t.Build(2);
  EXPECT_EQ(t.GetRow(5).description, "Hard clay");
  EXPECT_EQ(t.GetRow(5).range, ">51.0");
  EXPECT_EQ(t.GetRow(5).value, 50.986);
  t.Build(6);
  EXPECT_EQ(t.GetRow(11).value, 3654948.0);
  EXPECT_EQ(t.GetRow(11).range, "2088542 - 5221354");
  t.Build(3);
  EXPECT_EQ(t.GetRow(0).range, "<0.0036");
  EXPECT_EQ(t.GetRow(6).fieldEstimate, "Indented by thumbnail.");
  EXPECT_EQ(t.GetRow(12).example, "Fresh basalt, chert, diabase, gneiss, granite, quartzite.");
  // An unknown unit system leaves every row empty.
  t.Build(8);
  for (int i = 0; i < CJcsTable::kRowCount; ++i) {
    EXPECT_EQ(t.GetRow(i).description, "");
    EXPECT_EQ(t.GetRow(i).value, 0.0);
  }
  EXPECT_TRUE(t.Filter("rock").empty());
}

TEST(JcsTable, KindFilterAndTitles) {
  CJcsTable t;
  EXPECT_EQ(t.Filter("soil"), (std::vector<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(t.Filter("rock"), (std::vector<int>{6, 7, 8, 9, 10, 11, 12}));
  EXPECT_EQ(JcsRangeTitle(0), "JCS range (MPa)");
  EXPECT_EQ(JcsRangeTitle(4), "JCS range (ksf)");
  EXPECT_EQ(JcsRangeTitle(99), "JCS range (MPa)");
}

}  // namespace
