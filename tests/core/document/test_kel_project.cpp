// The project without windows: per-user defaults (loaded validated, saved from the models),
// project files read and written, imported files marked as foreign, a file's unknown criterion.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

#include "core/document/KelProject.h"
#include "core/registry/MemorySettingsStore.h"
#include "core/registry/SettingsKey.h"

namespace {

void PutInt(CMemorySettingsStore& store, const char* name, int value) {
  store.Put(SettingsRoot::CurrentUser, kSettingsKey, name, settings::kTypeBinary, &value, 4);
}

void PutDouble(CMemorySettingsStore& store, const char* name, double value) {
  store.Put(SettingsRoot::CurrentUser, kSettingsKey, name, settings::kTypeBinary, &value, 8);
}

std::string TempFile(const char* name) {
  return std::string(testing::TempDir()) + name;
}

}  // namespace

TEST(ProjectDefaults, MissingKeyLeavesTheModelDefaults) {
  CMemorySettingsStore store;
  CKelProject project;
  project.LoadDefaultsFrom(store);
  EXPECT_EQ(project.m_pActiveCriterion->GetUnits(), UNITS_MPA);
  EXPECT_EQ(project.m_hoekBrown.GetModulusMethod(), MODULUS_SIMPLIFIED_HOEK_DIEDERICHS);
  EXPECT_EQ(project.m_nCriterion, CRITERION_HOEK_BROWN);
  EXPECT_EQ(project.m_strTitle, CString("Analysis of Rock/Soil Strength using Quarvex"));
}

TEST(ProjectDefaults, TheLastProjectClosedSetsTheNextOnesUnitsAndModulus) {
  CMemorySettingsStore store;
  {
    CKelProject closing;
    closing.m_pActiveCriterion->SetUnits(UNITS_KSF);
    closing.m_hoekBrown.SetModulusMethod(MODULUS_HOEK_DIEDERICHS, 31000.0);
    closing.SaveDefaultsTo(store);
  }
  CKelProject next;
  next.LoadDefaultsFrom(store);
  EXPECT_EQ(next.m_pActiveCriterion->GetUnits(), UNITS_KSF);
  EXPECT_EQ(next.m_hoekBrown.GetModulusMethod(), MODULUS_HOEK_DIEDERICHS);
  EXPECT_DOUBLE_EQ(next.m_hoekBrown.GetIntactModulus(), 31000.0);
}

TEST(ProjectDefaults, ValuesOutOfRangeReadAsTheirDefaults) {
  CMemorySettingsStore store;
  PutInt(store, "Units Type", 9);
  PutInt(store, "Modulus Method", 7);
  CKelProject project;
  project.LoadDefaultsFrom(store);
  EXPECT_EQ(project.m_pActiveCriterion->GetUnits(), UNITS_MPA);
  EXPECT_EQ(project.m_hoekBrown.GetModulusMethod(), MODULUS_SIMPLIFIED_HOEK_DIEDERICHS);

  CMemorySettingsStore other;
  PutInt(other, "Units Type", UNITS_KPA);
  PutInt(other, "Modulus Method", MODULUS_HOEK_DIEDERICHS);
  PutDouble(other, "Intact Modulus", -5.0);  // no modulus is negative
  CKelProject second;
  second.LoadDefaultsFrom(other);
  EXPECT_EQ(second.m_pActiveCriterion->GetUnits(), UNITS_KPA);
  EXPECT_DOUBLE_EQ(second.m_hoekBrown.GetIntactModulus(),
                   CHoekBrownCriterion::GetDefaultIntactModulus(UNITS_KPA));

  PutDouble(other, "Intact Modulus", 0.0);  // nor zero
  CKelProject third;
  third.LoadDefaultsFrom(other);
  EXPECT_EQ(third.m_hoekBrown.GetModulusMethod(), MODULUS_HOEK_DIEDERICHS);
  EXPECT_DOUBLE_EQ(third.m_hoekBrown.GetIntactModulus(),
                   CHoekBrownCriterion::GetDefaultIntactModulus(UNITS_KPA));

  // Units 8, one past the last system, with no stored modulus: MPa and its default modulus.
  CMemorySettingsStore past;
  PutInt(past, "Units Type", 8);
  PutInt(past, "Modulus Method", MODULUS_HOEK_DIEDERICHS);
  CKelProject fourth;
  fourth.LoadDefaultsFrom(past);
  EXPECT_EQ(fourth.m_pActiveCriterion->GetUnits(), UNITS_MPA);
  EXPECT_DOUBLE_EQ(fourth.m_hoekBrown.GetIntactModulus(),
                   CHoekBrownCriterion::GetDefaultIntactModulus(UNITS_MPA));
}

TEST(ProjectDefaults, AnUnusableIntactModulusGivesWayToTheUnitsDefault) {
  for (double usable : {1e-8, 15000.0, 1e300})
    EXPECT_EQ(UsableIntactModulus(usable, UNITS_PSI), usable) << usable;
  const double psi = CHoekBrownCriterion::GetDefaultIntactModulus(UNITS_PSI);
  for (double unusable : {0.0, -5.0, 9.9e-9, 1e301, std::nan(""), HUGE_VAL, -HUGE_VAL})
    EXPECT_EQ(UsableIntactModulus(unusable, UNITS_PSI), psi) << unusable;
  // Units no project has: the MPa default, never 0.
  EXPECT_EQ(UsableIntactModulus(0.0, 8), 15000.0);
  EXPECT_EQ(UsableIntactModulus(0.0, -1), 15000.0);
}

TEST(ProjectFile, SavedAndReadAgainIsTheSameProject) {
  const std::string path = TempFile("roundtrip.kel");
  CKelProject written;
  written.m_strTitle = "Slope 4";
  written.SetCriterion(CRITERION_BARTON_BANDIS);
  written.m_bartonBandis.SetParameters(28.0, 9.0, 70.0);
  written.m_hoekBrown.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, 3.25, 0.026, 50);
  CString error;
  ASSERT_TRUE(written.WriteProject(path.c_str(), "3.015", error)) << error.GetString();

  CKelProject read;
  BOOL foreign = TRUE;
  ASSERT_TRUE(read.ReadProject(path.c_str(), error, &foreign)) << error.GetString();
  EXPECT_FALSE(foreign);
  EXPECT_EQ(read.m_strTitle, CString("Slope 4"));
  EXPECT_EQ(read.m_nCriterion, CRITERION_BARTON_BANDIS);
  EXPECT_EQ(read.m_pActiveCriterion, &read.m_bartonBandis);
  double phib, jrc, jcs;
  read.m_bartonBandis.GetParameters(&phib, &jrc, &jcs);
  EXPECT_DOUBLE_EQ(jrc, 9.0);
  // The range comes back as stored, not as a setter would recompute it.
  EXPECT_DOUBLE_EQ(read.GetRange(CRITERION_HOEK_BROWN).bound, 3.25);
  std::remove(path.c_str());
}

TEST(ProjectFile, AFileThatCannotBeReadLeavesTheProjectAlone) {
  CKelProject project;
  project.m_strTitle = "Mine";
  CString error;
  EXPECT_FALSE(project.ReadProject(TempFile("missing.kel").c_str(), error));
  EXPECT_FALSE(error.IsEmpty());
  EXPECT_EQ(project.m_strTitle, CString("Mine"));

  const std::string junk = TempFile("junk.kel");
  std::ofstream(junk) << "not a project\n";
  EXPECT_FALSE(project.ReadProject(junk.c_str(), error));
  EXPECT_EQ(project.m_strTitle, CString("Mine"));
  std::remove(junk.c_str());
}

TEST(ProjectFile, AnImportedFileIsForeignAndAnUnknownCriterionOpensAsHoekBrown) {
  const std::string path = TempFile("odd.kel");
  CKelProject written;
  written.SetCriterion(CRITERION_POWER_CURVE);
  CString error;
  ASSERT_TRUE(written.WriteProject(path.c_str(), "3.015", error));
  // The same file with a criterion the program does not know.
  std::ifstream in(path, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  const size_t at = text.find("failure criterion:");
  ASSERT_NE(at, std::string::npos);
  const size_t end = text.find('\r', at);
  text.replace(at, end - at, "failure criterion: 9");
  std::ofstream(path, std::ios::binary) << text;
  CKelProject read;
  ASSERT_TRUE(read.ReadProject(path.c_str(), error)) << error.GetString();
  EXPECT_EQ(read.m_nCriterion, CRITERION_HOEK_BROWN);
  EXPECT_EQ(read.m_pActiveCriterion, &read.m_hoekBrown);
  std::remove(path.c_str());

  // The older plain layout and the sibling product's files are imports.
  const std::string legacy = TempFile("old.txt");
  std::ofstream(legacy) << "5\n1 10\n2 14\n3 17\n4 20\n5 22\n";
  BOOL foreign = FALSE;
  if (read.ReadProject(legacy.c_str(), error, &foreign)) {
    EXPECT_TRUE(foreign);
  }
  std::remove(legacy.c_str());
}
