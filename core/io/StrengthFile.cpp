#include "core/io/StrengthFile.h"

#include <cstring>

namespace {

const char kDefaultErrorText[] =
    "Error reading file. The file maybe corrupt, invalid or in use by another application";
const char kOpenForReadingFailedText[] = "Could not open file for reading";

bool EndsWithNoCase(const char* path, const char* suffix) {
  const size_t length = std::strlen(path);
  const size_t suffixLength = std::strlen(suffix);
  if (length < suffixLength) return false;
  return CString(path + length - suffixLength).CompareNoCase(suffix) == 0;
}

bool StartsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::strlen(prefix), prefix) == 0;
}

}  // namespace

CStrengthFile::CStrengthFile()
    : m_strTitle("Quarvex"),
      m_nCriterion(0),
      m_nUnits(0),
      m_dVersion(-1.0),
      m_pActiveCriterion(&m_hoekBrown) {
  SelectActiveCriterion();
}

CStrengthFile::~CStrengthFile() = default;

void CStrengthFile::SelectActiveCriterion() {
  switch (m_nCriterion) {
    case 1:
      m_pActiveCriterion = &m_mohrCoulomb;
      break;
    case 2:
      m_pActiveCriterion = &m_bartonBandis;
      break;
    case 3:
      m_pActiveCriterion = &m_powerCurve;
      break;
    default:
      m_pActiveCriterion = &m_hoekBrown;
      break;
  }
}

void CStrengthFile::SetDefaultError() {
  m_strError = kDefaultErrorText;
}

BOOL CStrengthFile::Read(const char* path) {
  SetDefaultError();
  if (path == nullptr || !Open(path, modeRead | typeBinary)) {
    m_strError = kOpenForReadingFailedText;
    return FALSE;
  }
  const LONGLONG length = GetLength();
  if (length < 0 || static_cast<unsigned long long>(length) > kMaxFileSize) {
    Abort();
    return FALSE;
  }
  std::string text(static_cast<size_t>(length), '\0');
  const UINT got = length > 0 ? CFile::Read(&text[0], static_cast<UINT>(length)) : 0;
  const bool failed = HasError() || got != static_cast<UINT>(length);
  Close();
  if (failed) return FALSE;
  return ReadFromText(path, text.data(), text.size());
}

BOOL CStrengthFile::ReadFromText(const char* path, const char* data, size_t size) {
  SetDefaultError();
  if (size > kMaxFileSize) return FALSE;
  m_text.assign(data ? data : "", data ? size : 0);
  m_cursor = CTextCursor(m_text);

  std::string firstLine;
  CTextCursor(m_text).ReadLine(firstLine);
  const char* safePath = path ? path : "";
  BOOL result;
  m_bProjectFormat = EndsWithNoCase(safePath, "kel") && StartsWith(firstLine, "Quarvex:");
  if (m_bProjectFormat)
    result = ReadSections();
  else if (EndsWithNoCase(safePath, "qzt") && StartsWith(firstLine, "Version:"))
    result = ReadLorvaneFile();
  else
    result = ReadLegacyFile();
  if (result) m_strError.Empty();
  m_text.clear();
  m_text.shrink_to_fit();
  m_cursor = CTextCursor();
  return result;
}
