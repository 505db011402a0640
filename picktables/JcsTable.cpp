#include "picktables/JcsTable.h"

#include "core/criteria/StrengthCriterion.h"

namespace {

struct JcsTexts {
  const char* kind;
  const char* description;
  const char* fieldEstimate;
  const char* example;
};

#define JCS_COHESIVE_SOILS                                                                   \
  "Cohesive soils such as clays, silty clays, and combinations of silts and clays with sand, " \
  "generally slow draining."

const JcsTexts kTexts[CJcsTable::kRowCount] = {
    {"soil", "Very soft clay", "Easily penetrated several inches by fist.", JCS_COHESIVE_SOILS},
    {"soil", "Soft clay", "Easily penetrated several inches by thumb.", JCS_COHESIVE_SOILS},
    {"soil", "Firm clay", "Can be penetrated several inches by thumb with moderate effort.",
     JCS_COHESIVE_SOILS},
    {"soil", "Stiff clay", "Readily indented by thumb but penetrated only with great effort.",
     JCS_COHESIVE_SOILS},
    {"soil", "Very stiff clay", "Readily indented by thumbnail.", JCS_COHESIVE_SOILS},
    {"soil", "Hard clay", "Indented with difficulty by thumbnail.", JCS_COHESIVE_SOILS},
    {"rock", "Extremely weak rock", "Indented by thumbnail.", "Stiff fault gouge."},
    {"rock", "Very weak rock",
     "Crumbles under firm blows with point of a geological hammer, can be peeled by a pocket "
     "knife.",
     "Highly weathered or altered rock."},
    {"rock", "Weak rock",
     "Can be peeled with a pocket knife with difficulty, shallow indentation made by firm blow "
     "with point of a geological hammer.",
     "Chalk, rocksalt, potash."},
    {"rock", "Medium strong rock",
     "Cannot be scraped or peeled with a pocket knife, specimen can be fractured with a single "
     "blow from a geological hammer.",
     "Claystone, coal, concrete, schist, shale, siltstone."},
    {"rock", "Strong rock",
     "Specimen requires more than one blow of a geological hammer to fracture it.",
     "Limestone, marble, phyllite, sandstone, schist, shale."},
    {"rock", "Very strong rock",
     "Specimen requires many blows of a geological hammer to fracture it.",
     "Amphibolite, sandstone, basalt, gabbro, gneiss, granodiorite, limestone, marble, "
     "rhyolite, tuff."},
    {"rock", "Extremely strong rock", "Specimen can only be chipped with a geological hammer.",
     "Fresh basalt, chert, diabase, gneiss, granite, quartzite."},
};

struct JcsCell {
  const char* range;
  double value;
};

// Columns MPa, kPa, tsm, ksi, ksf, psi, psf, tsf. A value is the middle of its range to the
// decimals shown, or the bound of an open-ended range.
const JcsCell kCells[CJcsTable::kRowCount][UNITS_COUNT] = {
    {{"<0.025", 0.025}, {"<25", 25}, {"<2.55", 2.55}, {"<0.0036", 0.0036}, {"<0.522", 0.522},
     {"<3.626", 3.626}, {"<522", 522.14}, {"<0.2611", 0.2611}},
    {{"0.025 - 0.05", 0.038}, {"25 - 50", 37.5}, {"2.55 - 5.1", 3.824},
     {"0.0036 - 0.0073", 0.0055}, {"0.522 - 1.044", 0.7832}, {"3.626 - 7.252", 5.439},
     {"522 - 1044", 783.2}, {"0.2611 - 0.5221", 0.3916}},
    {{"0.05 - 0.10", 0.075}, {"50 - 100", 75}, {"5.1 - 10.2", 7.648},
     {"0.0073 - 0.0145", 0.0109}, {"1.044 - 2.088", 1.566}, {"7.252 - 14.5", 10.878},
     {"1044 - 2088", 1566.4}, {"0.5221 - 1.044", 0.7832}},
    {{"0.10 - 0.25", 0.175}, {"100 - 250", 175}, {"10.2 - 25.5", 17.845},
     {"0.0145 - 0.0363", 0.0254}, {"2.088 - 5.22", 3.655}, {"14.5 - 36.26", 25.381},
     {"2088 - 5221", 3654.9}, {"1.044 - 2.611", 1.8275}},
    {{"0.25 - 0.50", 0.375}, {"250 - 500", 375}, {"25.5 - 51.0", 38.239},
     {"0.0363 - 0.0725", 0.0544}, {"5.22 - 10.44", 7.83}, {"36.26 - 72.52", 54.389},
     {"5221 - 10443", 7832}, {"2.611 - 5.221", 3.916}},
    {{">0.50", 0.5}, {">500", 500}, {">51.0", 50.986}, {">0.0725", 0.0725}, {">10.44", 10.44},
     {">72.52", 72.519}, {">10443", 10442.7}, {">5.221", 5.221}},
    {{"0.25 - 1.0", 0.625}, {"250 - 1000", 625}, {"25.5 - 102.0", 63.732},
     {"0.0363 - 0.145", 0.0906}, {"5.22 - 20.88", 13.05}, {"36.26 - 145.0", 90.649},
     {"5221 - 20885", 13053.4}, {"2.611 - 10.44", 6.527}},
    {{"1.0 - 5.0", 3}, {"1000 - 5000", 3000}, {"102.0 - 510.0", 305.91},
     {"0.145 - 0.7252", 0.4351}, {"20.88 - 104.4", 62.66}, {"145.0 - 725.2", 435.113},
     {"20885 - 104427", 62656}, {"10.44 - 52.21", 31.33}},
    {{"5.0 - 25", 15}, {"5000 - 25000", 15000}, {"510.0 - 2549", 1529.6},
     {"0.7252 - 3.626", 2.1756}, {"104.4 - 522.1", 313.3}, {"725.2 - 3626", 2175.6},
     {"104427 - 522135", 313281}, {"52.21 - 261.1", 156.64}},
    {{"25 - 50", 37.5}, {"25000 - 50000", 37500}, {"2549 - 5099", 3823.92},
     {"3.626 - 7.252", 5.439}, {"522.1 - 1044.3", 783.2}, {"3626 - 7252", 5438.92},
     {"522135 - 1044270", 783203}, {"261.1 - 522.1", 391.6}},
    {{"50 - 100", 75}, {"50000 - 100000", 75000}, {"5099 - 10197", 7647.83},
     {"7.252 - 14.504", 10.878}, {"1044.3 - 2088.5", 1566.4}, {"7252 - 14504", 10877.8},
     {"1044270 - 2088542", 1566406}, {"522.1 - 1044", 783.2}},
    {{"100 - 250", 175}, {"100000 - 250000", 175000}, {"10197 - 25493", 17844.94},
     {"14.504 - 36.26", 25.382}, {"2088.5 - 5221.4", 3655}, {"14504 - 36260", 25381.6},
     {"2088542 - 5221354", 3654948}, {"1044 - 2611", 1827.5}},
    {{">250", 250}, {">250000", 250000}, {">25493", 25493}, {">36.26", 36.26},
     {">5221.4", 5221.4}, {">36260", 36260}, {">5221354", 5221354}, {">2611", 2611}},
};

}  // namespace

void CJcsTable::Build(int units) {
  const bool valid = units >= 0 && units < UNITS_COUNT;
  for (int i = 0; i < kRowCount; ++i) {
    JcsRow& row = m_rows[i];
    if (!valid) {
      row = JcsRow();
      continue;
    }
    row.kind = kTexts[i].kind;
    row.description = kTexts[i].description;
    row.fieldEstimate = kTexts[i].fieldEstimate;
    row.example = kTexts[i].example;
    row.range = kCells[i][units].range;
    row.value = kCells[i][units].value;
  }
}

std::vector<int> CJcsTable::Filter(const CString& word) const {
  std::vector<int> rows;
  for (int i = 0; i < kRowCount; ++i)
    if (m_rows[i].kind.Find(word) >= 0) rows.push_back(i);
  return rows;
}

double JcsPickedValue(const JcsRow& row, bool weathered) {
  return weathered && row.kind == "rock" ? row.value * kJcsWeatheredFactor : row.value;
}

CString JcsRangeTitle(int units) {
  if (units < 0 || units >= UNITS_COUNT) units = UNITS_MPA;
  return CString("JCS range (") + CStrengthCriterion::StressUnitLabel(units, FALSE) + ")";
}
