// CStrengthFile: a short-lived file object that holds one model of each
// criterion with the project's title, criterion and units, and writes or
// reads them as a project file (.kel). Read also accepts the sibling
// product's .qzt files and the older plain text layout.
#pragma once

#include <string>
#include <vector>

#include "core/criteria/BartonBandisCriterion.h"
#include "core/criteria/HoekBrownCriterion.h"
#include "core/criteria/MohrCoulombCriterion.h"
#include "core/criteria/PowerCurveCriterion.h"
#include "core/io/TextCursor.h"
#include "framework/base/CString.h"
#include "framework/base/File.h"

struct CriterionSection;

class CStrengthFile : public CStdioFile {
 public:
  // Files larger than this are refused before they are read.
  static constexpr size_t kMaxFileSize = 64 * 1024 * 1024;
  // A point count above this is refused before anything is allocated.
  static constexpr int kMaxPoints = 1000000;

  CStrengthFile();
  ~CStrengthFile() override;

  // Writes the whole project to path through a temporary file in the same
  // folder; on failure the old file is intact and m_strError says why.
  BOOL Write(const char* path, const char* versionText);
  // Reads path with the reader that its extension and first line choose.
  BOOL Read(const char* path);
  using CStdioFile::Read;
  // The same on text already in memory; path only chooses the reader.
  BOOL ReadFromText(const char* path, const char* data, size_t size);
  CString GetErrorText() const { return m_strError; }
  // After a successful Read: TRUE for a project file, FALSE for the sibling product's file or
  // the older layout (which the program only imports: saving never writes them back).
  BOOL IsProjectFormat() const { return m_bProjectFormat; }

  // The model of m_nCriterion (Hoek-Brown for any other value).
  void SelectActiveCriterion();
  // The file text Write produces, without writing it anywhere.
  std::string FormatProject(const char* versionText);

  CString m_strError;
  CHoekBrownCriterion m_hoekBrown;
  CMohrCoulombCriterion m_mohrCoulomb;
  CBartonBandisCriterion m_bartonBandis;
  CPowerCurveCriterion m_powerCurve;
  CString m_strTitle;
  int m_nCriterion;
  int m_nUnits;
  double m_dVersion;
  CStrengthCriterion* m_pActiveCriterion;

 protected:
  // Writing: each appends to the text being built ("\n" becomes CR LF).
  void WriteLine(const char* format, ...) QX_PRINTF_FORMAT(2, 3);
  void WriteSectionTitle(int section);  // a ProjectSection, after an empty line
  void WriteKey(const char* key, double value);
  void WriteKey(const char* key, int value);
  void WriteHeader(const char* versionText);
  void WriteProjectSettings();
  void WriteCriterionSection(int section);
  void WriteDataSection(int section);

  // Reading of project files.
  BOOL ReadSections();
  BOOL ReadHeader();
  void ReadProjectSettings();
  void ReadCriterionSection(const CriterionSection& section);
  BOOL ReadDataSection(int section);
  BOOL ReadPointRows(int count, std::vector<double>& x, std::vector<double>& y);

  // Reads lines until one whose text up to its first ':' equals one of
  // keys (ignoring case) and returns that key's index; -1 at the end of the
  // text or at the terminator (an empty terminator: an empty line).
  int FindKey(const char* const* keys, int keyCount, std::string& line, const char* terminator);
  // The next line, or "" at the end of the text.
  std::string NextLine();

  // Sibling product's files and the older plain layout.
  BOOL ReadLorvaneFile();
  BOOL ReadLegacyFile();
  // The next line's text after its first ':' (all of it without one),
  // trimmed; the number versions fail unless that text starts with a number.
  BOOL ReadLineValue(std::string& value);
  BOOL ReadLineValue(double& value);
  BOOL ReadLineValue(int& value);
  // Fits the model to the plain layout's points and keeps the fit.
  void FitLegacyHoekBrown(bool rockMass, double scale, double largest);
  void FitLegacyBartonBandis(double largest);

  void SetDefaultError();

  std::string m_text;    // the file being read
  CTextCursor m_cursor;  // position in m_text
  std::string m_output;  // the file being written
  BOOL m_bProjectFormat = FALSE;
};
