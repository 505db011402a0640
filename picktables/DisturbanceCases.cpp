#include "picktables/DisturbanceCases.h"

#include "res/PickTableResources.h"

namespace {

const DisturbanceCase kCases[2][DISTURBANCE_CASES] = {
    {{DISTURBANCE_TUNNELS, 1, IDC_DF_TUNNEL_CASE1, 0.0},
     {DISTURBANCE_TUNNELS, 2, IDC_DF_TUNNEL_CASE2, 0.0},
     {DISTURBANCE_TUNNELS, 3, IDC_DF_TUNNEL_CASE3, 0.5},
     {DISTURBANCE_TUNNELS, 4, IDC_DF_TUNNEL_CASE4, 0.8}},
    {{DISTURBANCE_SLOPES, 1, IDC_DF_SLOPE_CASE1, 0.7},
     {DISTURBANCE_SLOPES, 2, IDC_DF_SLOPE_CASE2, 1.0},
     {DISTURBANCE_SLOPES, 3, IDC_DF_SLOPE_CASE3, 1.0},
     {DISTURBANCE_SLOPES, 4, IDC_DF_SLOPE_CASE4, 0.7}}};

const int kTunnelControls[] = {IDC_DF_TUNNEL_PICTURE1, IDC_DF_TUNNEL_PICTURE23,
                               IDC_DF_TUNNEL_PICTURE4, IDC_DF_TUNNEL_TEXT1,
                               IDC_DF_TUNNEL_TEXT2,    IDC_DF_TUNNEL_TEXT3,
                               IDC_DF_TUNNEL_TEXT4,    IDC_DF_TUNNEL_CASE1,
                               IDC_DF_TUNNEL_CASE2,    IDC_DF_TUNNEL_CASE3,
                               IDC_DF_TUNNEL_CASE4,    0};
const int kSlopeControls[] = {IDC_DF_SLOPE_PICTURE12, IDC_DF_SLOPE_PICTURE34, IDC_DF_SLOPE_TEXT12,
                              IDC_DF_SLOPE_TEXT3,     IDC_DF_SLOPE_TEXT4,     IDC_DF_SLOPE_CASE1,
                              IDC_DF_SLOPE_CASE2,     IDC_DF_SLOPE_CASE3,     IDC_DF_SLOPE_CASE4,
                              0};

bool ValidApplication(int application) {
  return application == DISTURBANCE_TUNNELS || application == DISTURBANCE_SLOPES;
}

}  // namespace

const DisturbanceCase& GetDisturbanceCase(int application, int number) {
  if (!ValidApplication(application)) application = DISTURBANCE_TUNNELS;
  if (number < 1 || number > DISTURBANCE_CASES) number = 1;
  return kCases[application][number - 1];
}

const int* DisturbanceControls(int application) {
  return application == DISTURBANCE_SLOPES ? kSlopeControls : kTunnelControls;
}

int CDisturbanceMemory::ApplyRequested(int current, int requested) const {
  if (m_application != -1 || !ValidApplication(requested)) return current;
  return requested;
}

int CDisturbanceMemory::SelectInitialCase(double d, int* application) const {
  if (!ValidApplication(m_application)) return -1;
  *application = m_application;
  if (m_case < 1 || m_case > DISTURBANCE_CASES) return -1;
  return GetDisturbanceCase(m_application, m_case).d == d ? m_case : -1;
}

void CDisturbanceMemory::Accept(int application, int pressedCase) {
  if (ValidApplication(application) && pressedCase >= 1 && pressedCase <= DISTURBANCE_CASES) {
    m_application = application;
    m_case = pressedCase;
  } else {
    m_application = -1;
    m_case = -1;
  }
}
