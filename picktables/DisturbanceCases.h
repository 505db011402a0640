// The disturbance factor cases: four tunnel and four slope excavations, each with the D it
// suggests, and what the dialog remembers of the case last accepted.
#pragma once

enum { DISTURBANCE_TUNNELS = 0, DISTURBANCE_SLOPES = 1, DISTURBANCE_CASES = 4 };

struct DisturbanceCase {
  int application;  // DISTURBANCE_TUNNELS or DISTURBANCE_SLOPES
  int number;       // 1-4
  int buttonId;
  double d;
};

// Case 1-4 of an application (0 or 1).
const DisturbanceCase& GetDisturbanceCase(int application, int number);

// Controls shown for one application and hidden for the other (pictures, descriptions and
// case buttons); the list ends with 0.
const int* DisturbanceControls(int application);

class CDisturbanceMemory {
 public:
  int GetApplication() const { return m_application; }
  int GetCase() const { return m_case; }

  // The application the caller asks for (0 Tunnels, 1 Slopes) is taken only while none is
  // remembered; any other value keeps the current one.
  int ApplyRequested(int current, int requested) const;
  // At opening: a remembered application replaces the current one, and its remembered case is
  // pressed only when d equals that case's D exactly. Returns the case to press, or -1.
  int SelectInitialCase(double d, int* application) const;
  // OK: a pressed case (1-4) is remembered with its application; none forgets both.
  void Accept(int application, int pressedCase);

 private:
  int m_application = -1;
  int m_case = -1;
};
