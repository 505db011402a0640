#include "picktables/MiTable.h"

#include <cstring>

namespace {

struct MiSource {
  const char* name;
  const char* rockClass;
  const char* texture;
  int mi;
  int spread;
};

// Names and textures as typed, with '_' for the blanks that a stored row gets. The very-fine
// texture is spelt "very_f!ne" so that the texture word "fine" does not match it.
const MiSource kMiRows[CMiTable::kRowCount] = {
    {"Conglomerates", "sedimentary", "coarse", 21, 3},
    {"Breccias", "sedimentary", "coarse", 20, 2},
    {"Crystalline_Limestone", "sedimentary", "coarse", 12, 3},
    {"Marble", "metamorphic", "coarse", 9, 3},
    {"Migmatite", "metamorphic", "coarse", 29, 3},
    {"Gneiss", "metamorphic", "coarse", 28, 5},
    {"Granite", "igneous", "coarse", 32, 3},
    {"Granodiorite", "igneous", "coarse_medium", 29, 3},
    {"Gabbro", "igneous", "coarse", 27, 3},
    {"Norite", "igneous", "coarse_medium", 20, 5},
    {"Porphyries", "igneous", "coarse_medium", 20, 5},
    {"Agglomerate", "igneous", "coarse", 19, 3},
    {"Sandstones", "sedimentary", "medium", 17, 4},
    {"Sparitic_Limestones", "sedimentary", "medium", 10, 5},
    {"Gypsum", "sedimentary", "medium", 10, 2},
    {"Hornfels", "metamorphic", "medium", 19, 4},
    {"Metasandstone", "metamorphic", "medium", 19, 3},
    {"Amphibolites", "metamorphic", "medium", 26, 6},
    {"Schists", "metamorphic", "medium", 10, 3},
    {"Diorite", "igneous", "medium", 25, 5},
    {"Dolerite", "igneous", "medium", 16, 5},
    {"Rhyolite", "igneous", "medium", 25, 5},
    {"Andesite", "igneous", "medium", 25, 5},
    {"Breccia", "igneous", "medium", 19, 5},
    {"Siltstones", "sedimentary", "fine", 7, 2},
    {"Greywackes", "sedimentary", "fine", 18, 3},
    {"Micritic_Limestones", "sedimentary", "fine", 8, 3},
    {"Anhydrite", "sedimentary", "fine", 12, 2},
    {"Quartzites", "metamorphic", "fine", 20, 3},
    {"Phyllites", "metamorphic", "fine", 7, 3},
    {"Diabase", "igneous", "fine", 15, 5},
    {"Dacite", "igneous", "fine", 25, 3},
    {"Basalt", "igneous", "fine", 25, 5},
    {"Tuff", "igneous", "fine", 13, 5},
    {"Claystones", "sedimentary", "very_f!ne", 4, 2},
    {"Shales", "sedimentary", "very_f!ne", 6, 2},
    {"Marls", "sedimentary", "very_f!ne", 7, 2},
    {"Dolomites", "sedimentary", "very_f!ne", 9, 3},
    {"Chalk", "sedimentary", "very_f!ne", 7, 2},
    {"Slates", "metamorphic", "very_f!ne", 7, 4},
    {"Peridotite", "igneous", "very_f!ne", 25, 5},
    {"Obsidian", "igneous", "very_f!ne", 19, 3},
};

CString Blanked(const char* text) {
  CString s(text);
  s.Replace('_', ' ');
  return s;
}

}  // namespace

CMiTable::CMiTable() : m_matchCount(0) {
  for (int i = 0; i < kRowCount; ++i) {
    const MiSource& src = kMiRows[i];
    m_rows[i] = {src.mi, src.spread, Blanked(src.name), CString(src.rockClass),
                 Blanked(src.texture)};
    m_matches[i] = 0;
  }
  Rebuild();
}

void CMiTable::SetFilter(const CString& classWord, const CString& textureWord) {
  m_classFilter = classWord;
  m_classFilter.MakeLower();
  m_textureFilter = textureWord;
  m_textureFilter.MakeLower();
  if (m_textureFilter == "very fine") m_textureFilter = "very f!ne";
  Rebuild();
}

void CMiTable::Rebuild() {
  m_matchCount = 0;
  for (int row = 0; row < kRowCount; ++row) {
    if (!m_textureFilter.IsEmpty() && m_rows[row].texture.Find(m_textureFilter) < 0) continue;
    if (!m_classFilter.IsEmpty() && m_rows[row].rockClass.Find(m_classFilter) < 0) continue;
    // Insertion by name: a row stops behind an equal or smaller name (stable order).
    int at = m_matchCount++;
    while (at > 0 && std::strcmp(m_rows[row].name, m_rows[m_matches[at - 1]].name) < 0) {
      m_matches[at] = m_matches[at - 1];
      --at;
    }
    m_matches[at] = row;
  }
}

int CMiTable::GetRowIndex(int index) const {
  if (index < 0 || index >= m_matchCount) return -1;
  return m_matches[index];
}

bool CMiTable::GetRow(int index, int* mi, int* spread, CString* name) const {
  const int row = GetRowIndex(index);
  if (row < 0) return false;
  if (mi) *mi = m_rows[row].mi;
  if (spread) *spread = m_rows[row].spread;
  if (name) *name = m_rows[row].name;
  return true;
}

CString FormatMiLine(const CString& name, int mi, int spread) {
  CString line;
  line.Format("%s    %d \xB1 %d", name.GetString(), mi, spread);
  return line;
}

CString ExtractWord(const CString& text, int index, char sep) {
  int start = 0;
  for (int i = 0; i < index; ++i) {
    const int next = text.Find(sep, start);
    if (next < 0) return CString();
    start = next + 1;
  }
  const int end = text.Find(sep, start);
  return end < 0 ? text.Mid(start) : text.Mid(start, end - start);
}
